#pragma once
// The Cholesky (square-root) method on the packed upper triangle: factorise,
// solve every right-hand side (or the columns of the identity) and write the
// report.

#include <string_view>

#include "problem/run_context.h"

namespace corvane {

// Refusal shown when the last Read did not keep the packed triangle (the
// matrix was not read for the Cholesky method).
inline constexpr std::string_view kCholeskyNeedsPackedInput =
    "Matricea nu a fost citita pentru metoda Cholesky. Alegeti metoda Cholesky si cititi din nou datele.";

// Refuses the run when there is no packed triangle of the right size to
// factorise; returns an empty view otherwise.
std::string_view choleskyPrecheck(const ProblemState& state);

// Factorises a fresh copy of the packed triangle as read into AV, so that every
// run starts from the input; B is replaced by the solutions. AV is released at
// the end of every run. A matrix that is not positive definite ends the run.
void CHOLESKY_S(RunContext& context);

}  // namespace corvane
