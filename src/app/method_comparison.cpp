#include "app/method_comparison.h"

#include <algorithm>
#include <chrono>

#include "app/conditioning_warning.h"
#include "app/dispatcher.h"
#include "app/option_rules.h"
#include "app/solution_error_note.h"
#include "textio/record_sink.h"

namespace corvane {
namespace {

// Tiles of the matrix compared with their mirror images at once: a column's
// mirror is a row, which a tile reads from a few pages instead of one page
// per entry.
constexpr int kSymmetryTile = 64;

bool symmetric(const ProblemState& s) {
    for (int j0 = 1; j0 <= s.n; j0 += kSymmetryTile) {
        for (int i0 = 1; i0 <= j0; i0 += kSymmetryTile) {
            for (int j = j0; j < j0 + kSymmetryTile && j <= s.n; ++j)
                for (int i = i0; i < i0 + kSymmetryTile && i < j; ++i)
                    if (s.A(i, j) != s.A(j, i)) return false;
        }
    }
    return true;
}

// The packed upper triangle Cholesky starts from, as a symmetric read gives it.
RealVector upperTriangle(const ProblemState& s) {
    RealVector packed(s.n * (s.n + 1) / 2);
    for (int j = 1; j <= s.n; ++j)
        for (int i = 1; i <= j; ++i) packed(LOCA(i, j)) = s.A(i, j);
    return packed;
}

// How the sweeps of each right-hand side ended.
class SweepEnds : public IterationListener {
public:
    void sweepDone(int, int, float) override {}
    void rightHandSideDone(int rhs, IterationEnd end, int sweeps, float) override {
        if (static_cast<int>(ends_.size()) < rhs) ends_.resize(static_cast<std::size_t>(rhs));
        ends_[static_cast<std::size_t>(rhs - 1)] = {end, sweeps};
    }
    struct End {
        IterationEnd end = IterationEnd::Limit;
        int sweeps = 0;
    };
    const std::vector<End>& ends() const { return ends_; }

private:
    std::vector<End> ends_;
};

RunOutcome outcomeOf(IterationEnd end) {
    switch (end) {
        case IterationEnd::Tolerance: return RunOutcome::Tolerance;
        case IterationEnd::Divergence: return RunOutcome::Divergence;
        case IterationEnd::Stagnation: return RunOutcome::Stagnation;
        case IterationEnd::Limit: return RunOutcome::Limit;
    }
    return RunOutcome::Limit;
}

// A direct method that gave no solution stopped on its factors.
RunOutcome failureOf(Method method) {
    return method == Method::Cholesky ? RunOutcome::NotPositiveDefinite : RunOutcome::SmallPivot;
}

struct MethodRun {
    std::optional<RealMatrix> solutions;
    std::vector<SweepEnds::End> ends;
    std::optional<double> conditionOne;
    double seconds = 0.0;
    std::optional<std::string> refusal;
};

// The listeners of a SOLVE whose results are kept; a SOLVE that is only
// timed has none.
struct Listeners {
    IterationListener* iterations = nullptr;
    FactorListener* factors = nullptr;
    SolutionListener* solutions = nullptr;
};

// One SOLVE of `method` on a fresh copy of the read data, its report
// discarded; `seconds` is the time of the SOLVE alone (not of the copy). A
// SOLVE stopped on the user's request stops the comparison.
SolveOutcome solveOnce(const ProblemState& read, Method method, MessageService& messages, const Listeners& listeners,
                       RunProgress* progress, double& seconds) {
    ProblemState run = read;
    SilentMessages quiet;
    chooseMethod(run, method, quiet);
    if (method == Method::Cholesky) run.AV_INPUT = upperTriangle(read);
    // Copying a large problem takes a while: a stop asked for meanwhile ends
    // the comparison before the SOLVE begins.
    if (progress != nullptr && progress->stopRequested()) throw RunInterrupted();
    DiscardingSink discard;
    RecordWriter report(discard), console(discard);
    RunContext context{run, report, console, messages, listeners.iterations, listeners.factors, listeners.solutions, progress};
    const auto start = std::chrono::steady_clock::now();
    const SolveOutcome outcome = CORVANEAPPLY(context);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (outcome == SolveOutcome::Interrupted) throw RunInterrupted();
    return outcome;
}

// A method's time is the shortest of repeated SOLVEs, repeated until about
// this long has gone by or this many were made: a single SOLVE of a small
// problem is timed mostly by what the first call of the process pays (the
// caches, the parsed report formats), which would make the first method
// look the slowest. A large problem is solved once.
constexpr double kTimingBudgetSeconds = 0.02;
constexpr int kMostTimedRuns = 100;

double shortestRepeat(const ProblemState& read, Method method, double first, RunProgress* progress) {
    double shortest = first;
    double spent = first;
    SilentMessages quiet;
    for (int runs = 1; runs < kMostTimedRuns && spent < kTimingBudgetSeconds; ++runs) {
        double seconds = 0.0;
        solveOnce(read, method, quiet, {}, progress, seconds);
        shortest = std::min(shortest, seconds);
        spent += seconds;
    }
    return shortest;
}

MethodRun runMethod(const ProblemState& read, Method method, RunProgress* progress) {
    LastMessage messages;
    SweepEnds sweeps;
    ConditionEstimate condition;
    SolutionCopy solutions;
    MethodRun result;
    const SolveOutcome outcome =
        solveOnce(read, method, messages, {&sweeps, &condition, &solutions}, progress, result.seconds);
    if (outcome == SolveOutcome::Refused) {
        result.refusal = messages.text();
        return result;
    }
    result.seconds = shortestRepeat(read, method, result.seconds, progress);
    result.solutions = solutions.solutions();
    result.ends = sweeps.ends();
    result.conditionOne = condition.value();
    return result;
}

// The rows of one run: one per right-hand side, or one for an inverse. The
// residuals and errors are measured with step boundaries told to `progress`.
std::vector<ComparisonRow> rowsOf(const ProblemState& read, Method method, const MethodRun& run,
                                  const std::optional<ExactAnswer>& exact, RunProgress* progress) {
    const int count = read.INVERSARE ? 1 : read.nb;
    std::vector<ComparisonRow> rows;
    std::vector<double> residuals;
    std::vector<TrueError> errors;
    if (run.solutions) {
        residuals = largestResiduals(read, *run.solutions, progress);
        if (exact && read.INVERSARE) errors.push_back(wholeError(*run.solutions, *exact, progress));
        else if (exact) errors = trueErrors(*run.solutions, *exact, progress);
    }
    for (int k = 1; k <= count; ++k) {
        ComparisonRow row{method, read.INVERSARE ? 0 : k, RunOutcome::Solved, run.seconds, {}, {}, {}};
        if (!run.solutions) row.outcome = failureOf(method);
        if (!run.ends.empty()) {
            // An inverse's row tells the first column that did not reach the tolerance.
            const auto& ends = run.ends;
            auto shown = read.INVERSARE ? std::find_if(ends.begin(), ends.end(),
                                                       [](const SweepEnds::End& e) { return e.end != IterationEnd::Tolerance; })
                                        : ends.begin() + std::min<std::size_t>(static_cast<std::size_t>(k - 1), ends.size() - 1);
            if (shown == ends.end()) shown = ends.begin();
            if (run.solutions) row.outcome = outcomeOf(shown->end);
            row.sweeps = shown->sweeps;
            if (read.INVERSARE) {
                for (const auto& e : ends) row.sweeps = std::max(*row.sweeps, e.sweeps);
            }
        }
        if (!residuals.empty()) {
            row.residual = read.INVERSARE ? *std::max_element(residuals.begin(), residuals.end())
                                          : residuals[static_cast<std::size_t>(k - 1)];
        }
        if (static_cast<int>(errors.size()) >= k) row.error = errors[static_cast<std::size_t>(k - 1)];
        rows.push_back(row);
    }
    return rows;
}

// The methods the comparison tries. Gauss-Seidel and SOR are always tried:
// their SOLVE's own check of EPS, NLIM and OMEGA decides whether they run,
// exactly as it does for a SOLVE of either.
std::vector<Method> triedMethods(const ProblemState& read) {
    std::vector<Method> methods{Method::Gauss, Method::Lu};
    if (symmetric(read)) methods.push_back(Method::Cholesky);
    methods.push_back(Method::GaussSeidel);
    methods.push_back(Method::Sor);
    return methods;
}

}  // namespace

std::string_view outcomeName(RunOutcome outcome) {
    switch (outcome) {
        case RunOutcome::Solved: return "solved";
        case RunOutcome::SmallPivot: return "small-pivot";
        case RunOutcome::NotPositiveDefinite: return "not-positive-definite";
        case RunOutcome::Tolerance: return "tolerance";
        case RunOutcome::Divergence: return "divergence";
        case RunOutcome::Stagnation: return "stagnation";
        case RunOutcome::Limit: return "limit";
    }
    return "";
}

std::string_view methodName(Method method) {
    switch (method) {
        case Method::Gauss: return "gauss";
        case Method::Lu: return "lu";
        case Method::Cholesky: return "cholesky";
        case Method::GaussSeidel: return "gauss-seidel";
        case Method::Sor: return "sor";
        default: return "";
    }
}

// The methods one after another; a stop asked for unwinds from the step
// boundary it met (RunInterrupted) with the rows of the methods that ended.
Comparison compareMethods(const ProblemState& read, const std::optional<ExactAnswer>& exact,
                          const ComparisonHooks& hooks, RunProgress* progress) {
    Comparison comparison;
    try {
        for (Method method : triedMethods(read)) {
            if (progress != nullptr && progress->stopRequested()) throw RunInterrupted();
            if (hooks.methodStarted) hooks.methodStarted(method);
            const MethodRun run = runMethod(read, method, progress);
            if (run.refusal) {
                comparison.refused.push_back({method, *run.refusal});
                continue;
            }
            if (run.solutions && hooks.solutionsReady) hooks.solutionsReady(method, *run.solutions);
            const std::vector<ComparisonRow> rows = rowsOf(read, method, run, exact, progress);
            if (!comparison.conditionOne) comparison.conditionOne = run.conditionOne;
            comparison.rows.insert(comparison.rows.end(), rows.begin(), rows.end());
            if (hooks.rowsReady) hooks.rowsReady(rows);
        }
    } catch (const RunInterrupted&) {
        comparison.cancelled = true;
    }
    return comparison;
}

}  // namespace corvane
