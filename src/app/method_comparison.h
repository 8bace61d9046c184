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

// Runs the methods on a copy of `read` (a system or an inverse whose matrix
// was read in full, as for Gauss): Gauss and LU; Cholesky when A is
// symmetric; Gauss-Seidel and SOR whenever their SOLVE would run them, which
// it decides from EPS, NLIM and OMEGA as it converts them (a method it
// refuses is kept in `refused` with its reason). `rowsReady` hears the rows
// of each method as it ends; `cancelled`, asked between methods, stops the
// comparison with the rows so far; `solutionsReady` hears the X of each
// method that gave one, exactly as its SOLVE reports it (none is kept
// beyond its method's turn: an inverse's X is as large as A).
Comparison compareMethods(const ProblemState& read, const std::optional<ExactAnswer>& exact,
                          const std::function<void(const std::vector<ComparisonRow>&)>& rowsReady = {},
                          const std::function<bool()>& cancelled = {},
                          const std::function<void(Method, const RealMatrix&)>& solutionsReady = {});

}  // namespace corvane
