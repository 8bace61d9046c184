#pragma once
// The chart of the relaxation explorer: the sweeps SOR made against ω, the
// factors that reached the tolerance joined by a line, the others as
// separate markers, and the best factor marked and named.

#include <optional>
#include <vector>

#include "app/omega_explorer.h"

class QChart;

namespace corvane {

// Object names of the three series.
inline constexpr const char* kConvergedSeriesName = "converged";
inline constexpr const char* kNotConvergedSeriesName = "not converged";
inline constexpr const char* kBestSeriesName = "best";

// A new chart (the caller owns it); language: 1 Romanian, 2 English.
QChart* omegaChart(const std::vector<OmegaRow>& rows, std::optional<float> best, int language);

}  // namespace corvane
