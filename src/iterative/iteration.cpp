#include "iterative/iteration.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "iterative/row_ordering.h"
#include "report/matrix_printing.h"
#include "report/solution_check.h"

namespace corvane {
namespace {

// The first difference of every right-hand side is compared with this.
constexpr float kStartingDifference = 1.0e10f;
// The sweeps stop at this many differences that did not decrease.
constexpr int kNonDecreasesToStop = 2;
// History lines hold at most this many components of the iterate.
constexpr int kHistoryColumns = 8;

IterationEnd endOf(int outcome) {
    switch (outcome) {
        case kStagnation: return IterationEnd::Stagnation;
        case kDivergence: return IterationEnd::Divergence;
        case kToleranceReached: return IterationEnd::Tolerance;
        default: return IterationEnd::Limit;
    }
}

SweepVerdict verdictOf(int outcome) {
    switch (outcome) {
        case kStagnation: return SweepVerdict::Stagnation;
        case kDivergence: return SweepVerdict::Divergence;
        case kToleranceReached: return SweepVerdict::Tolerance;
        default: return SweepVerdict::Limit;
    }
}

// Where the sweeps of one right-hand side stand.
struct Progress {
    int sweeps = 0;
    float dx = 0.0f;  // stays 0 when no sweep is made
    float previous = kStartingDifference;
    float comparedWith = kStartingDifference;  // the previous difference the last sweep's was compared with
    int nonDecreases = 0;
    bool growthTestPassed = false;  // a run past the growth test went past where it stops
};

// A sweep as the step listener sees it: the iterate, its change and what the
// stop tests made of it.
void tellSweep(RunContext& context, int rhs, const Progress& progress, const RealVector& X1, SweepVerdict verdict) {
    if (context.steps == nullptr) return;
    MethodStep step{{StepKind::Sweep, progress.sweeps, 0, 0, rhs}};
    step.result = progress.dx;
    step.previous = progress.comparedWith;
    step.threshold = context.state.EPS;
    step.verdict = verdict;
    step.A = &context.state.A;
    step.B = &context.state.B;
    step.vector = {X1.data(), static_cast<std::size_t>(X1.size())};
    context.steps->stepDone(step);
}

float largestChange(const RealVector& X1, const RealVector& X0) {
    const int n = X1.size();
    std::vector<float> change(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) change[static_cast<std::size_t>(i - 1)] = X1(i) - X0(i);
    return largestMagnitude(change.data(), n);
}

bool allFinite(const RealVector& x) {
    return std::all_of(x.data(), x.data() + x.size(), [](float v) { return std::isfinite(v); });
}

// The difference reported for a sweep whose iterate is not finite: not a
// number when some change is not a number, else +infinity.
float changeToNonFiniteIterate(const RealVector& X1, const RealVector& X0) {
    for (int i = 1; i <= X1.size(); ++i) {
        if (std::isnan(X1(i) - X0(i))) return std::numeric_limits<float>::quiet_NaN();
    }
    return std::numeric_limits<float>::infinity();
}

// The record of a sweep whose difference did not decrease.
void writeDivergenceRecord(RecordWriter& out, const ProblemState& state, int sweep) {
    if (state.TIPAR_ITERATII) {
        out.writeList({"* Divergenta"});
    } else {
        out.writeList({"* Divergenta la iteratia", sweep});
    }
}

void writeHistoryHead(RecordWriter& out, int m, const RealVector& X0) {
    out.write(formatList("(/, a, t<>, a)", 15 * m + 6), {" Iter\tx", "max|x - x_ant|"});
    std::vector<Item> items{std::string_view("  0")};
    for (int i = 1; i <= X0.size(); ++i) items.emplace_back(X0(i));
    out.write(formatList("(a, t6, 1(<>g15.7))", m), items);
}

void writeHistoryLine(RecordWriter& out, int m, int sweep, const RealVector& X1, float dx) {
    const int n = X1.size();
    std::vector<Item> items{sweep};
    for (int i = 1; i <= n; ++i) items.emplace_back(X1(i));
    items.emplace_back(dx);
    out.write(formatList("(i<>, t6, 1(<>g15.7))", WIDTH(n + 1) + 2, m + 1), items);
}

// A sweep whose dx did not decrease, in a run past the growth test: the
// listener hears of the first such sweep at which the SOLVE stops (a dx equal
// to the previous one, or the second that did not decrease); the sweeps go on.
void goPastGrowth(RunContext& context, int rhs, int sweep, Progress& progress) {
    const bool equal = progress.dx == progress.previous;
    const bool solveStops = equal || progress.nonDecreases == kNonDecreasesToStop;
    if (solveStops && !progress.growthTestPassed && context.iterations != nullptr) {
        context.iterations->growthTestPassed(rhs, sweep, equal ? IterationEnd::Stagnation : IterationEnd::Divergence);
    }
    progress.growthTestPassed = progress.growthTestPassed || solveStops;
    progress.previous = progress.dx;
}

// The sweeps for one right-hand side, from X0 = 0, until a stop test ends them
// or NLIM sweeps are made. outcome keeps its value when no test sets it. The
// step listener hears each sweep, the last one with how the sweeps ended.
Progress iterate(RunContext& context, Sweep sweep, int m, int rhs, const RealVector& B1, RealVector& X0,
                 RealVector& X1, int& outcome) {
    const ProblemState& state = context.state;
    RecordWriter& out = context.report;
    Progress progress;
    for (int it = 1; it <= state.NLIM; ++it) {
        stepBoundary(context.progress, RunPhase::Sweeps, it - 1, state.NLIM);
        sweep(state, B1, X0, X1);
        progress.sweeps = it;
        // An iterate that overflowed or is not a number has diverged, whatever
        // the earlier sweeps did; its difference says which of the two it is.
        const bool finite = allFinite(X1);
        progress.dx = finite ? largestChange(X1, X0) : changeToNonFiniteIterate(X1, X0);
        progress.comparedWith = progress.previous;
        if (state.TIPAR_ITERATII) writeHistoryLine(out, m, it, X1, progress.dx);
        if (context.iterations != nullptr) context.iterations->sweepDone(rhs, it, progress.dx);
        if (!finite) {
            writeDivergenceRecord(out, state, it);
            outcome = kDivergence;
            break;
        }

        if (progress.dx <= state.EPS) {
            outcome = kToleranceReached;
            break;
        }
        if (progress.dx < progress.previous) {
            outcome = kLimitReached;
            if (it < state.NLIM) tellSweep(context, rhs, progress, X1, SweepVerdict::Decreasing);
            X0 = X1;
            progress.previous = progress.dx;
            continue;
        }
        ++progress.nonDecreases;
        if (context.pastGrowth) {
            goPastGrowth(context, rhs, it, progress);
            outcome = kLimitReached;
            X0 = X1;
            continue;
        }
        if (progress.dx == progress.previous) {
            out.writeList({"* Iteratie stationara", it});
            outcome = kStagnation;
            break;
        }
        writeDivergenceRecord(out, state, it);
        if (progress.nonDecreases == kNonDecreasesToStop) {
            outcome = kDivergence;
            break;
        }
        if (it < state.NLIM) tellSweep(context, rhs, progress, X1, SweepVerdict::NotDecreasing);
        X0 = X1;
        progress.previous = progress.dx;
    }
    if (progress.sweeps > 0) tellSweep(context, rhs, progress, X1, verdictOf(outcome));
    return progress;
}

void writeOutcome(RunContext& context, int outcome, const Progress& progress) {
    const std::string_view text = trimmed(outcomeText(outcome));
    if (outcome < 0) {
        context.console.write("(/, a)", {text});
        const std::string_view relation = outcome == kDivergence ? " > " : " = ";
        context.report.write("(/, a, a, 2(1pg12.6, a))",
                             {text, " (", progress.dx, relation, progress.previous, ")"});
    } else {
        context.report.write("(/, a, a, 1pg12.6, a)", {text, " (", progress.dx, ")"});
        context.console.write("(/, a)", {text});
    }
    if (outcome != kToleranceReached) {
        context.console.writeList();
        context.report.write("(/, a)", {" Ultima aproximatie:"});
    } else {
        context.report.write("(a, i0, /)", {" Numar iteratii: ", progress.sweeps});
        context.console.write("(a, i0, /)", {" Numar iteratii: ", progress.sweeps});
    }
}

void writeResult(RunContext& context, int k, int outcome, const Progress& progress, const RealVector& X1) {
    RecordWriter& out = context.report;
    if (context.state.nb < 2) {
        out.write("(/, a)", {" Solutia:"});
    } else {
        out.write("(/, a, i0)", {" Solutia - Termenii liberi nr. ", k});
    }
    writeOutcome(context, outcome, progress);
    for (int i = 1; i <= X1.size(); ++i) {
        out.write("(a, i0, a, g15.7)", {" x(", i, ") =", X1(i)});
    }
}

}  // namespace

std::string_view outcomeText(int outcome) {
    static constexpr std::string_view kTexts[] = {
        " Iteratie stationara          ",
        " Divergenta                   ",
        " Toleranta atinsa.            ",
        " Numar de iteratii depasit.   ",
    };
    return kTexts[outcome - kStagnation];
}

float largestMagnitude(const float* v, int len) {
    if (len < 1) return -std::numeric_limits<float>::max();
    float largest = -std::numeric_limits<float>::infinity();
    for (int i = 0; i < len; ++i) {
        if (std::fabs(v[i]) > largest) largest = std::fabs(v[i]);
    }
    return largest;
}

bool prepareForIteration(RunContext& context) {
    ProblemState& state = context.state;
    if (state.TIPAR_MATRICE) PRINTA(context.report, state.n, state.nb, state.A, state.B, state.SISTEM, context.progress);
    return orderRowsForIteration(context);
}

void iterateEveryRightHandSide(RunContext& context, Sweep sweep) {
    const ProblemState& state = context.state;
    const int n = state.n;
    RealVector B1(n), X0(n), X1(n);
    RealMatrix X(n, state.nb);
    const int m = std::min(n, kHistoryColumns);
    int outcome = kLimitReached;  // not reset between right-hand sides
    for (int k = 1; k <= state.nb; ++k) {
        for (int i = 1; i <= n; ++i) B1(i) = state.B(i, k);
        X0.fill(0.0f);
        if (state.TIPAR_ITERATII) writeHistoryHead(context.report, m, X0);
        const Progress progress = iterate(context, sweep, m, k, B1, X0, X1, outcome);
        if (context.iterations != nullptr) {
            context.iterations->rightHandSideDone(k, endOf(outcome), progress.sweeps, progress.dx);
        }
        writeResult(context, k, outcome, progress, X1);
        for (int i = 1; i <= n; ++i) X(i, k) = X1(i);
    }
    if (context.solutions != nullptr) context.solutions->solutionsReady(X);
    PROBA(context.report, n, state.nb, state.A, RightHandSidesAsGiven::unchanged(state.B), X, state.SISTEM, state.VERIF_ECUATII,
          context.progress);
}

}  // namespace corvane
