#pragma once
// The SOR method: Gauss-Seidel sweeps on the system divided by its diagonal,
// each new value relaxed with the factor OMEGA.

#include "problem/run_context.h"

namespace corvane {

// Reorders and scales the problem state's A and B in place; reports the
// outcome and last iterate of every right-hand side and the solution check.
void SOR(RunContext& context);

}  // namespace corvane
