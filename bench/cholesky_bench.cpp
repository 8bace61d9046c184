// Cholesky: corvane's square-root factorisation on the packed triangle and
// one solve (the kernels behind SUB_CHOLESKY_S, FORWARD and BACK), and the
// plain loops.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench_problems.h"
#include "kernel_benches.h"
#include "kernels/cholesky_kernel.h"
#include "problem/matrix.h"
#include "direct/plain_cholesky.h"

namespace corvane::bench {
namespace {


void choleskyReference(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> a0 = packedPositiveDefinite(n, 5);
    const std::vector<float> b0 = randomMatrix(n, 1, 2);
    RealVector a(static_cast<int>(a0.size()));
    std::vector<float> b(b0.size());
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(a0.begin(), a0.end(), a.data());
        std::copy(b0.begin(), b0.end(), b.begin());
        state.ResumeTiming();
        CholeskyOutcome outcome = plainFactorPackedCholesky(n, a);
        plainForward(n, a, b.data());
        plainBack(n, a, b.data());
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(b.data());
    }
    reportFlops(state, choleskySolveFlops(n, 1));
}

BENCHMARK(choleskyCorvane)->Name("cholesky/corvane")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(choleskyReference)->Name("cholesky/reference")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace

void choleskyCorvane(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> a0 = packedPositiveDefinite(n, 5);
    const std::vector<float> b0 = randomMatrix(n, 1, 2);
    std::vector<float> a(a0.size()), b(b0.size());
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(a0.begin(), a0.end(), a.begin());
        std::copy(b0.begin(), b0.end(), b.begin());
        state.ResumeTiming();
        CholeskyOutcome outcome = factorPackedCholesky(n, a.data());
        solvePackedCholesky(n, a.data(), b.data(), 1, true, true);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(b.data());
    }
    reportFlops(state, choleskySolveFlops(n, 1));
    state.SetLabel(kernelLevelName(selectedKernelLevel()));
}

}  // namespace corvane::bench
