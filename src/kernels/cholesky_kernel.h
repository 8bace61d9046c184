#pragma once
// The numerical work of the square-root factorisation A = S^T * S on the
// packed upper triangle and of the solves with S, on raw arrays, organised for
// speed with the plain loops' roundings: every sum in single precision from 0
// in increasing index, subtracted from its element, which then takes the
// square root (diagonal) or is divided by the diagonal element.

#include "kernels/kernel_level.h"
#include "kernels/kernel_progress.h"

namespace corvane {

struct CholeskyOutcome {
    int failedRow = 0;       // 1-based row whose radicand is not positive; 0 when factorised
    float radicand = 0.0f;   // that radicand
};

// Replaces the packed triangle (n(n+1)/2 values, s(i,j) at j(j-1)/2 + i for
// 1 <= i <= j) by S. On failure at row j, rows 1..j-1 hold S and the rest is
// unchanged. n >= 1. `progress` hears the rows done, a block at a time.
CholeskyOutcome factorPackedCholesky(int n, float* packed, KernelProgress* progress = nullptr);

// For each of the nb columns of B (leading dimension n), in place: with
// `forward` solves S^T * y = b, then with `back` S * x = y.
void solvePackedCholesky(int n, const float* packed, float* B, int nb, bool forward, bool back);

}  // namespace corvane
