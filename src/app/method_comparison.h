#pragma once
// Every applicable method on the same read problem, side by side: for each
// method and right-hand side how the run ended, how long it took, the
// residual and (when the exact answer is known) the error of x. Each method
// runs exactly as its SOLVE does, on a fresh copy of the read data, with
// its report discarded.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/true_error.h"
#include "problem/problem_state.h"
#include "problem/run_progress.h"

namespace corvane {

enum class RunOutcome { Solved, SmallPivot, NotPositiveDefinite, Tolerance, Divergence, Stagnation, Limit };

// "solved", "small-pivot", "not-positive-definite", "tolerance", ...
std::string_view outcomeName(RunOutcome outcome);
// "gauss", "lu", "cholesky", "gauss-seidel", "sor"
std::string_view methodName(Method method);

struct ComparisonRow {
    Method method;
    int rhs;  // 1, 2, ...; 0 for an inverse (one row for the whole of X)
    RunOutcome outcome;
    double seconds;                   // one whole SOLVE of this method: the shortest of a few for a small problem
    std::optional<double> residual;   // max |A·x - b| (or |A·X - I|) in double, from the data as read
    std::optional<TrueError> error;   // against the exact answer, when known
    std::optional<int> sweeps;        // Gauss-Seidel and SOR
};

// A method the comparison did not run, and why: the SOLVE's own refusal
// (Gauss-Seidel and SOR without usable EPS, NLIM or OMEGA).
struct RefusedMethod {
    Method method;
    std::string reason;
};

struct Comparison {
    std::vector<ComparisonRow> rows;
    std::vector<RefusedMethod> refused;
    std::optional<double> conditionOne;  // from the first direct method's factors
    bool cancelled = false;
};

// What hears a comparison as it goes, on the thread that runs it.
struct ComparisonHooks {
    // A method starts: its SOLVE, then the measures of its rows.
    std::function<void(Method)> methodStarted;
    // The rows of a method, as it ends.
    std::function<void(const std::vector<ComparisonRow>&)> rowsReady;
    // The X of a method that gave one, exactly as its SOLVE reports it (none
    // is kept beyond its method's turn: an inverse's X is as large as A).
    std::function<void(Method, const RealMatrix&)> solutionsReady;
};

// Runs the methods on a copy of `read` (a system or an inverse whose matrix
// was read in full, as for Gauss): Gauss and LU; Cholesky when A is
// symmetric; Gauss-Seidel and SOR whenever their SOLVE would run them, which
// it decides from EPS, NLIM and OMEGA as it converts them (a method it
// refuses is kept in `refused` with its reason). `progress` hears every step
// boundary of the SOLVEs and of the measures (residuals, errors); a stop
// asked for ends the comparison at the next one, with the rows of the
// methods that had ended (`cancelled` set).
Comparison compareMethods(const ProblemState& read, const std::optional<ExactAnswer>& exact,
                          const ComparisonHooks& hooks = {}, RunProgress* progress = nullptr);

}  // namespace corvane
