#pragma once
// The chart of the relaxation explorer: the sweeps SOR made against ω, the
// factors that reached the tolerance joined by a line, the others as
// separate markers, and the best factor marked and named. Rows run past the
// growth test, which are not the SOLVE's, are ringed and named in the legend.

#include <optional>
#include <vector>

#include "app/omega_explorer.h"

class QChart;

namespace corvane {

// Object names of the series (the last only when a row went past the growth test).
inline constexpr const char* kConvergedSeriesName = "converged";
inline constexpr const char* kNotConvergedSeriesName = "not converged";
inline constexpr const char* kBestSeriesName = "best";
inline constexpr const char* kPastGrowthSeriesName = "past growth";

// A new chart (the caller owns it); language: 1 Romanian, 2 English.
QChart* omegaChart(const std::vector<OmegaRow>& rows, std::optional<float> best, int language);

}  // namespace corvane
