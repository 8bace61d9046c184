// LU: corvane's factorisation with its pivot search and one solve (the
// kernels behind LUDECOMP and LUSOLVE), and the plain loops.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench_problems.h"
#include "kernel_benches.h"
#include "kernels/lu_kernel.h"
#include "problem/matrix.h"
#include "direct/plain_lu.h"

namespace corvane::bench {
namespace {

constexpr float kThreshold = 1.0e-8f;


void luReference(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> a0 = randomMatrix(n, n, 1);
    const std::vector<float> b = randomMatrix(n, 1, 2);
    RealMatrix a(n, n);
    Vector<int> order;
    std::vector<float> x(b.size());
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(a0.begin(), a0.end(), a.data());
        state.ResumeTiming();
        int exchanges = 0;
        LuOutcome outcome = plainFactorLu(n, a, order, kThreshold, exchanges);
        plainSolveLu(n, a, order, b.data(), x.data());
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(x.data());
    }
    reportFlops(state, luSolveFlops(n, 1));
}

BENCHMARK(luCorvane)->Name("lu/corvane")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
// The plain loops exchange two whole rows for every candidate: n^3 moves.
BENCHMARK(luReference)->Name("lu/reference")->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

void luCorvane(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> a0 = randomMatrix(n, n, 1);
    const std::vector<float> b = randomMatrix(n, 1, 2);
    std::vector<float> a(a0.size()), x(b.size());
    std::vector<int> order(static_cast<std::size_t>(n));
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(a0.begin(), a0.end(), a.begin());
        state.ResumeTiming();
        int exchanges = 0;
        LuOutcome outcome = factorLu(n, a.data(), order.data(), kThreshold, exchanges);
        solveLu(n, a.data(), order.data(), b.data(), x.data(), 1);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(x.data());
    }
    reportFlops(state, luSolveFlops(n, 1));
    state.SetLabel(kernelLevelName(selectedKernelLevel()));
}

}  // namespace corvane::bench
