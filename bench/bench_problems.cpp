#include "bench_problems.h"

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
