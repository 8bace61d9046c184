#pragma once
// The square-root factorisation A = S^T * S of a symmetric positive definite
// matrix held in the packed upper triangle, and the two triangular solves with
// S. Single precision throughout, every sum from 0 in increasing index (the
// work is done by the kernels of cholesky_kernel.h).

#include "problem/matrix.h"
#include "problem/run_progress.h"
#include "problem/step_listener.h"
#include "textio/record_writer.h"

namespace corvane {

// Replaces the packed triangle of A (n(n+1)/2 values) by S, row by row.
// Returns 0, or -1 at the first row j whose radicand is not positive: the
// failure has then been written to the console and the report, rows 1..j-1
// hold S and the rest is unchanged. With `steps` the plain loops run instead
// of the kernel and tell every step.
int SUB_CHOLESKY_S(int n, RealVector& A, RecordWriter& report, RecordWriter& console,
                   RunProgress* progress = nullptr, StepListener* steps = nullptr);

// Solves S^T * y = b and then S * x = y for every column of B (n x nb), each
// x replacing its column (the forward and back substitutions); a few columns
// at a time, with a step boundary before each group. With `steps` the plain
// loops solve one column after the other and tell every step.
void solveColumnsWithFactor(int n, const RealVector& S, RealMatrix& B, int nb, RunProgress* progress = nullptr,
                            StepListener* steps = nullptr);

}  // namespace corvane
