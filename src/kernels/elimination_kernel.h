#pragma once
// The numerical work of Gaussian elimination with partial pivoting and back
// substitution, on raw column-major arrays, organised for speed.
//
// Every element receives exactly the roundings of the textbook loops, in the
// same order: at step k the pivot is the first entry of largest magnitude in
// column k, rows k..n are exchanged over all columns, a row whose entry in
// column k is exactly 0 is left alone, and every other row i gets
// m = a(i,k) / a(k,k) and a(i,j) = a(i,j) - m * a(k,j) (product rounded, then
// the difference). Only the order in which elements are visited differs: the
// updates of a step are deferred and applied in blocks, step after step for
// each element, so that they can run vectorised and out of cache. The back
// substitution sums s = s + a(i,l) * x(l) for l = i+1..n in increasing order
// and then x(i) = (b(i) - s) / a(i,i), as the plain loop does.

#include "kernels/kernel_level.h"
#include "kernels/kernel_progress.h"

namespace corvane {

struct EliminationOutcome {
    int failedRow = 0;    // 1-based row of the pivot below the threshold; 0 when solved
    float pivot = 0.0f;   // the rejected pivot, signed
};

// Eliminates A (n x n, leading dimension n) together with the nb right-hand
// sides B (leading dimension n) and, when no pivot is below `threshold` in
// magnitude, overwrites B with the solutions. On a small pivot A and B are
// left exactly as the plain loops leave them at that step. `interchanges` is
// incremented once per row exchange. n >= 1. `progress` hears the steps of
// A's elimination, then those carried into B, then the right-hand sides
// solved.
EliminationOutcome eliminateAndSolve(int n, int nb, float* A, float* B, float threshold, int& interchanges,
                                     KernelProgress* progress = nullptr);

}  // namespace corvane
