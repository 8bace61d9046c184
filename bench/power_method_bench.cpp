// The cost of the power method's second start: EIGEN_POWER (the call from
// (1, ..., 1) and, when it converges, the call from (j, j)) against the first
// call alone, on matrices of three kinds:
//   0  positive entries, uniform in [0, 1]: one eigenvalue far above the others;
//   1  the Gram matrix M^T M / n + I of a random M (what the 2-norm works on);
//   2  the constant band 2, -1, whose largest eigenvalues crowd together.
// The "status" counter is the first call's (0 converged, -1 not); the second
// call runs only after a converged first one.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench_problems.h"
#include "condition/power_method.h"
#include "problem/test_matrices.h"

namespace corvane::bench {
namespace {

RealMatrix positiveEntries(int n) {
    std::mt19937 random(31);
    std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
    RealMatrix A(n, n);
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) A(i, j) = uniform(random);
    return A;
}

RealMatrix gram(int n) {
    const std::vector<float> packed = packedPositiveDefinite(n, 32);
    RealMatrix A(n, n);
    std::size_t k = 0;
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= j; ++i) A(i, j) = A(j, i) = packed[k++];
    return A;
}

RealMatrix band(int n) {
    RealVector c{2.0f, -1.0f};
    RealMatrix A(n, n);
    GEN_A(n, A, 2, c, "Banda constanta");
    return A;
}

RealMatrix matrixOfKind(int kind, int n) {
    if (kind == 0) return positiveEntries(n);
    if (kind == 1) return gram(n);
    return band(n);
}

void firstStartOnly(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const RealMatrix A = matrixOfKind(static_cast<int>(state.range(1)), n);
    const float scale = smallMatrixScale(n, A);
    PowerRun run;
    for (auto _ : state) {
        run = POWER_COMPLEX(n, A, 1000, 1.0e-7f, scale, uniformStart(n));
        benchmark::DoNotOptimize(run.estimate.eigenvalue);
    }
    state.counters["status"] = run.estimate.status;
    state.counters["iterations"] = run.iterations;
}

void bothStarts(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const RealMatrix A = matrixOfKind(static_cast<int>(state.range(1)), n);
    EigenEstimate estimate;
    for (auto _ : state) {
        estimate = EIGEN_POWER(n, A);
        benchmark::DoNotOptimize(estimate.eigenvalue);
    }
    state.counters["status"] = estimate.status;
}

void orders(benchmark::internal::Benchmark* b) {
    for (int kind : {0, 1, 2})
        for (int n : {250, 1000, 2000}) b->Args({n, kind});
}

BENCHMARK(firstStartOnly)->Name("power-method/first-start")->Apply(orders)->Unit(benchmark::kMillisecond);
BENCHMARK(bothStarts)->Name("power-method/eigen-power")->Apply(orders)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
