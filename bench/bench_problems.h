#pragma once
// Problems shared by the benchmarks: random matrices and right-hand sides,
// data-file texts, and the counters the summary table reads.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace corvane::bench {

// Orders at which every dense kernel is measured.
inline constexpr int kOrders[] = {250, 1000, 2000};

// A dense n x n matrix with entries uniform in [-1, 1] and diagonal dominance
// left to chance, column-major; and nb right-hand sides.
std::vector<float> randomMatrix(int rows, int cols, unsigned seed);

// Floating-point operations of an LU solve with partial pivoting
// (2/3 n^3 for the factors, 2 n^2 per right-hand side).
double luSolveFlops(int n, int nb);

// Floating-point operations of a Cholesky solve (n^3/3 for the factor,
// 2 n^2 per right-hand side).
double choleskySolveFlops(int n, int nb);

// The packed upper triangle (column by column) of M^T M / n + I for a random
// M: symmetric positive definite and well conditioned.
std::vector<float> packedPositiveDefinite(int n, unsigned seed);

// Sets the "GFLOP/s" counter.
void reportFlops(benchmark::State& state, double flopsPerIteration);

// A data file of order n with one right-hand side, numbers written as a user
// (or a program) typically writes them: up to eight significant digits.
std::string dataFileText(int n, unsigned seed);

}  // namespace corvane::bench
