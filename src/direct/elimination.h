#pragma once
// Gaussian elimination with partial pivoting on A and its right-hand sides,
// then back substitution, all in place.

#include "problem/matrix.h"
#include "report/record_writer.h"

namespace corvane {

// On success B holds the solutions and A the multipliers (below the diagonal)
// and U. A pivot below `threshold` in magnitude writes " Linia k: Pivot = p"
// to `out`, sets singular and returns with A and B partly reduced.
// `interchanges` is incremented once per row exchange.
void ELIM(RecordWriter& out, int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, bool& singular,
          int& interchanges);

}  // namespace corvane
