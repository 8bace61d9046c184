// Gauss: corvane's elimination (the kernel behind ELIM) and the textbook
// loops, solving one right-hand side.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

#include "bench_problems.h"
#include "kernel_benches.h"
#include "kernels/elimination_kernel.h"
#include "problem/matrix.h"
#include "direct/plain_elimination.h"

namespace corvane::bench {
namespace {

constexpr float kThreshold = 1.0e-6f;


void gaussReference(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> a0 = randomMatrix(n, n, 1);
    const std::vector<float> b0 = randomMatrix(n, 1, 2);
    RealMatrix a(n, n), b(n, 1);
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(a0.begin(), a0.end(), a.data());
        std::copy(b0.begin(), b0.end(), b.data());
        state.ResumeTiming();
        int interchanges = 0;
        EliminationOutcome outcome = plainEliminateAndSolve(n, 1, a, b, kThreshold, interchanges);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(b.data());
    }
    reportFlops(state, luSolveFlops(n, 1));
}

BENCHMARK(gaussCorvane)->Name("gauss/corvane")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(gaussReference)->Name("gauss/reference")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace

void gaussCorvane(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> a0 = randomMatrix(n, n, 1);
    const std::vector<float> b0 = randomMatrix(n, 1, 2);
    std::vector<float> a(a0.size()), b(b0.size());
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(a0.begin(), a0.end(), a.begin());
        std::copy(b0.begin(), b0.end(), b.begin());
        state.ResumeTiming();
        int interchanges = 0;
        EliminationOutcome outcome = eliminateAndSolve(n, 1, a.data(), b.data(), kThreshold, interchanges);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(b.data());
    }
    reportFlops(state, luSolveFlops(n, 1));
    state.SetLabel(kernelLevelName(selectedKernelLevel()));
}

}  // namespace corvane::bench
