#pragma once
// The Gauss method: elimination with partial pivoting for every right-hand
// side (or the columns of the identity, for the inverse) and its report.

#include "problem/run_context.h"

namespace corvane {

void GAUSS(RunContext& context);

// Writes the solutions (or the columns of the inverse) as the direct methods
// print them: a block per column k with " x(i) = " lines.
void writeSolutionBlocks(RecordWriter& out, const ProblemState& state);

}  // namespace corvane
