#pragma once
// The SOR method: Gauss-Seidel sweeps on the system divided by its diagonal,
// each new value relaxed with the factor OMEGA.

#include <string_view>

#include "problem/run_context.h"

namespace corvane {

// Reorders and scales the problem state's A and B in place; reports the
// outcome and last iterate of every right-hand side and the solution check.
void SOR(RunContext& context);

// Refuses a run without EPS, NLIM and OMEGA (as converted at SOLVE); returns
// the refusal text, or an empty view.
std::string_view sorPrecheck(const ProblemState& state);

}  // namespace corvane
