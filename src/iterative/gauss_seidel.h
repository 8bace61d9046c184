#pragma once
// The Gauss-Seidel method: solves A*x = b for every right-hand side of the
// problem state by Gauss-Seidel sweeps from the zero vector.

#include <string_view>

#include "problem/run_context.h"

namespace corvane {

// Reorders the rows of the problem state's A and B in place; reports the
// outcome and last iterate of every right-hand side and the solution check.
void GAUSS_SEIDEL(RunContext& context);

// Refuses a run without EPS and NLIM (as converted at SOLVE); returns the
// refusal text, or an empty view.
std::string_view gaussSeidelPrecheck(const ProblemState& state);

}  // namespace corvane
