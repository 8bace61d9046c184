#pragma once
// Inversion by Gaussian elimination with partial pivoting: A·X = B solved in
// place for nb right-hand sides; with B the identity, B ends as the inverse.

#include "kernels/elimination_kernel.h"
#include "problem/matrix.h"
#include "problem/run_progress.h"
#include "textio/record_writer.h"

namespace corvane {

// Reduces A in place (multipliers below the diagonal, U on and above it) and
// overwrites B with the solutions. A pivot of magnitude below threshold writes
// " Linia k: Pivot = p < threshold" to the report, sets singular (the matrix
// counts as nearly singular) and stops at once, leaving A and B partly
// reduced. A matrix of order n < 1 has nothing to reduce and is not singular.
// Returns where the elimination stopped, if it did.
EliminationOutcome ELIM2(RecordWriter& out, int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, bool& singular,
           RunProgress* progress = nullptr);

}  // namespace corvane
