#pragma once
// The texts of the convergence chart and of the relaxation explorer in both
// languages (Romanian without diacritics, like the rest of the dialog).

#include <string_view>

#include "problem/iteration_listener.h"

namespace corvane {

struct ConvergenceChartTexts {
    std::string_view windowTitle;
    std::string_view sweepAxis;
    std::string_view differenceAxis;
    std::string_view epsLine;
    std::string_view notShownBelow;  // the edge markers of differences of 0
    std::string_view notShownAbove;  // the edge markers of infinite or NaN differences
};

struct OmegaExplorerTexts {
    std::string_view windowTitle;
    std::string_view omegaAxis;
    std::string_view sweepAxis;
    std::string_view sweepsSeries;
    std::string_view notConvergedSeries;
    std::string_view bestSeries;  // followed by the best factor
    std::string_view noBest;
    std::string_view stop;
    std::string_view useOmega;
    std::string_view close;
    std::string_view outcomeColumn;
    std::string_view notRun;  // SOR could not start
};

// language: 1 Romanian, 2 English (ProblemState::LIMBA).
const ConvergenceChartTexts& convergenceChartTexts(int language);
const OmegaExplorerTexts& omegaExplorerTexts(int language);

// How the sweeps of a right-hand side ended, as the chart marks it.
std::string_view outcomeText(IterationEnd end, int language);

}  // namespace corvane
