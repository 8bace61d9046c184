#pragma once
// The Gauss-Seidel method: solves A*x = b for every right-hand side of the
// problem state by Gauss-Seidel sweeps from the zero vector.

#include "problem/run_context.h"

namespace corvane {

// Reorders the rows of the problem state's A and B in place; reports the
// outcome and last iterate of every right-hand side and the solution check.
void GAUSS_SEIDEL(RunContext& context);

}  // namespace corvane
