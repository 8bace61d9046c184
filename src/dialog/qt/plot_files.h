#pragma once
// The chart files of the command line, in English. They are drawn without a
// display: when no application runs yet, one is started on the offscreen
// platform for the drawing and ended after it.

#include <optional>
#include <string>
#include <vector>

#include "app/iteration_history.h"
#include "app/omega_explorer.h"

namespace corvane {

// False when the file cannot be written (see writeChartFile).
bool writeConvergencePlot(const std::string& path, const IterationHistory& history, float eps, int width,
                          int height);
bool writeOmegaPlot(const std::string& path, const std::vector<OmegaRow>& rows, std::optional<float> best,
                    int width, int height);

}  // namespace corvane
