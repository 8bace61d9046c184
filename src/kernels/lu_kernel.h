#pragma once
// The numerical work of the compact LU factorisation with its pivot search,
// and of the solves with its factors, on raw column-major arrays, organised
// for speed.
//
// The results are those of the plain loops, bit for bit: step j computes row
// j of U and then column j of L, each element as its stored value minus the
// sum over l < j of l(r,l) * u(l,c) accumulated in double precision in
// increasing l (divided by u(j,j) in double precision for L; the first column
// of L is divided in single precision); before each step but the last, the
// row giving the largest |u(j,j)| (the first of equal ones, and only a nonzero
// one) is exchanged into row j. Instead of trying every row in the pivot
// position and exchanging it back, each candidate is computed where its row
// stands; the exchanges kept are counted as before.

#include "kernels/kernel_level.h"
#include "kernels/kernel_progress.h"

namespace corvane {

struct LuOutcome {
    int failedStep = 0;       // 1-based step whose |u(j,j)| fell below the threshold; 0 when factorised
    float diagonal = 0.0f;    // that u(j,j)
};

// Factorises A (n x n, leading dimension n, n >= 1) in place with pivoting;
// order receives the 1-based input row now standing in each row; `exchanges`
// is incremented once per row exchange kept. On failure at step j, rows 1..j
// of U are complete in every column, columns 1..j-1 of L hold their
// multipliers, and the rest holds the exchanged input, as the plain loops
// leave it. `progress` hears the steps done, a panel at a time.
LuOutcome factorLu(int n, float* A, int* order, float threshold, int& exchanges, KernelProgress* progress = nullptr);

// For each of the nb columns of B (leading dimension n): x = the solution of
// L*U*x = the column with its rows taken in `order`, into the same column of
// X. B and X may be the same array.
void solveLu(int n, const float* A, const int* order, const float* B, float* X, int nb);

}  // namespace corvane
