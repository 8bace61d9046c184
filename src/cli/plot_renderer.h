#pragma once
// What the command line needs to draw its charts (--plot): a front end with a
// chart toolkit implements it; a build without one passes none, and --plot is
// then a usage error.

#include <optional>
#include <string>
#include <vector>

#include "app/iteration_history.h"
#include "app/omega_explorer.h"

namespace corvane {

struct PlotSize {
    int width = 800;
    int height = 500;
};

class PlotRenderer {
public:
    virtual ~PlotRenderer() = default;
    // Each writes the chart to `path`, SVG for a .svg name and PNG for a .png
    // name; false when the file cannot be written.
    virtual bool writeHistoryPlot(const std::string& path, const IterationHistory& history, float eps,
                                  PlotSize size) = 0;
    virtual bool writeOmegaPlot(const std::string& path, const std::vector<OmegaRow>& rows, std::optional<float> best,
                                PlotSize size) = 0;
};

}  // namespace corvane
