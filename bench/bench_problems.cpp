#include "bench_problems.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace corvane::bench {

std::vector<float> randomMatrix(int rows, int cols, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    std::vector<float> values(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    for (float& v : values) v = uniform(random);
    return values;
}

double luSolveFlops(int n, int nb) {
    const double order = n;
    return 2.0 / 3.0 * order * order * order + 2.0 * order * order * nb;
}

double choleskySolveFlops(int n, int nb) {
    const double order = n;
    return order * order * order / 3.0 + 2.0 * order * order * nb;
}

std::vector<float> packedPositiveDefinite(int n, unsigned seed) {
    // M^T M / n + I, through a random M of n/4 rows (enough for a dense,
    // positive definite matrix, and quick to form).
    const int rows = std::max(1, n / 4);
    const std::vector<float> m = randomMatrix(rows, n, seed);
    std::vector<float> packed(static_cast<std::size_t>(n) * (n + 1) / 2);
    std::size_t k = 0;
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i <= j; ++i) {
            double a = i == j ? 1.0 : 0.0;
            for (int r = 0; r < rows; ++r) {
                a += static_cast<double>(m[static_cast<std::size_t>(i) * rows + r]) * m[static_cast<std::size_t>(j) * rows + r] / n;
            }
            packed[k++] = static_cast<float>(a);
        }
    }
    return packed;
}

void reportFlops(benchmark::State& state, double flopsPerIteration) {
    state.counters["GFLOP/s"] =
        benchmark::Counter(flopsPerIteration * 1e-9, benchmark::Counter::kIsIterationInvariantRate);
}

std::string dataFileText(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    std::uniform_int_distribution<int> scale(-3, 3);
    std::string text = "Random system of order " + std::to_string(n) + "\n" + std::to_string(n) + " 1\n";
    char number[32];
    for (int i = 0; i < n + 1; ++i) {  // n rows of A, then b
        for (int j = 0; j < n; ++j) {
            const float value = uniform(random) * std::pow(10.0f, static_cast<float>(scale(random)));
            const int length = std::snprintf(number, sizeof number, j + 1 < n ? "%.8g " : "%.8g\n", value);
            text.append(number, static_cast<std::size_t>(length));
        }
    }
    return text;
}

}  // namespace corvane::bench
