#pragma once
// What the dialog tells after a SOLVE whose exact answer it knows: for each
// right-hand side (or for the inverse as a whole) the error against the
// exact answer beside the residual, both computed in double precision.

#include <optional>
#include <string>
#include <vector>

#include "app/true_error.h"
#include "problem/problem_state.h"
#include "problem/run_progress.h"

namespace corvane {

enum class ExactAnswerKind { OnesSolution, HilbertInverse };

// The exact answer the dialog can measure a SOLVE of this read problem
// against, and what it is.
struct KnownAnswer {
    ExactAnswerKind kind;
    ExactAnswer exact;
};
std::optional<KnownAnswer> knownAnswer(const ProblemState& read);

// max |A·x - b| for each column of X against the same column of B (or of
// the identity, for an inverse), in double from the matrix as read: each
// A·x summed in increasing index order, every product exact, whatever the
// number of threads the product is shared over. `progress` hears the columns
// done (phase Residuals) and may stop the work at its step boundaries.
std::vector<double> largestResiduals(const ProblemState& read, const RealMatrix& X, RunProgress* progress = nullptr);

// The note's title and text in the interface language (1 Romanian, 2 English).
std::string solutionErrorTitle(int language);
std::string solutionErrorText(const ProblemState& read, const KnownAnswer& answer, const RealMatrix& X, int language);

}  // namespace corvane
