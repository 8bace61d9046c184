#pragma once
// The texts of the convergence chart, the relaxation explorer and the
// comparison of the methods in both
// languages (Romanian without diacritics, like the rest of the dialog).

#include <string_view>

#include "app/method_comparison.h"
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
    std::string_view pastGrowth;        // the check box: each run past the growth test
    std::string_view pastGrowthSeries;  // the rows that went past it, in the chart's legend
    std::string_view pastGrowthNote;    // under the table: what the rows marked "*" are
    std::string_view solveStopsAt;      // %1: the sweep at which a SOLVE stops, %2: how it ends
};

struct ComparisonTexts {
    std::string_view windowTitle;
    std::string_view methodColumn;
    std::string_view rhsColumn;
    std::string_view outcomeColumn;
    std::string_view secondsColumn;
    std::string_view relativeColumn;
    std::string_view sweepsColumn;
    std::string_view zeroNote;      // values of 0 drawn at the foot of the axis
    std::string_view conditionOne;  // followed by the estimate
    std::string_view notRun;        // between a method's name and why its SOLVE refused it
    std::string_view running;
    std::string_view done;
    std::string_view cancelled;
    std::string_view cancel;
    std::string_view close;
};

// The names of the residual and of the error: of x for a system, of the
// whole X for an inverse.
struct ComparedQuantityTexts {
    std::string_view residualColumn;
    std::string_view errorColumn;
    std::string_view residualAxis;  // the chart's axis without the exact answer
    std::string_view errorAxis;     // with it
};

// language: 1 Romanian, 2 English (ProblemState::LIMBA).
const ConvergenceChartTexts& convergenceChartTexts(int language);
const OmegaExplorerTexts& omegaExplorerTexts(int language);
const ComparisonTexts& comparisonTexts(int language);
const ComparedQuantityTexts& comparedQuantityTexts(int language, bool inverse);

// How the sweeps of a right-hand side ended, as the chart marks it.
std::string_view outcomeText(IterationEnd end, int language);

// How a method's run ended, as the comparison shows it.
std::string_view outcomeText(RunOutcome outcome, int language);

}  // namespace corvane
