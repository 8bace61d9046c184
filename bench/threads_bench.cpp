// The kernels on two threads against one, at order 4000: Gauss (one
// right-hand side), LU and Cholesky (factor and one solve), and the inverse
// by Gauss (every column of the identity). Both give the same bits; the
// summary's ratio is the time with two threads over the time with one.
// Timed by the wall clock (the "threads" counter tells the summary so).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench_problems.h"
#include "kernels/cholesky_kernel.h"
#include "kernels/elimination_kernel.h"
#include "kernels/kernel_threads.h"
#include "kernels/lu_kernel.h"

namespace corvane::bench {
namespace {

constexpr int kThreadsOrder = 4000;
constexpr float kGaussThreshold = 1.0e-6f;
constexpr float kLuThreshold = 1.0e-8f;

void gauss(benchmark::State& state, int threads) {
    const KernelThreadsOverride selected(threads);
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
        EliminationOutcome outcome = eliminateAndSolve(n, 1, a.data(), b.data(), kGaussThreshold, interchanges);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(b.data());
    }
    reportFlops(state, luSolveFlops(n, 1));
    state.counters["threads"] = threads;
}

void lu(benchmark::State& state, int threads) {
    const KernelThreadsOverride selected(threads);
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
        LuOutcome outcome = factorLu(n, a.data(), order.data(), kLuThreshold, exchanges);
        solveLu(n, a.data(), order.data(), b.data(), x.data(), 1);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(x.data());
    }
    reportFlops(state, luSolveFlops(n, 1));
    state.counters["threads"] = threads;
}

void cholesky(benchmark::State& state, int threads) {
    const KernelThreadsOverride selected(threads);
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
    state.counters["threads"] = threads;
}

void inverse(benchmark::State& state, int threads) {
    const KernelThreadsOverride selected(threads);
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> a0 = randomMatrix(n, n, 1);
    std::vector<float> a(a0.size()), b(a0.size());
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(a0.begin(), a0.end(), a.begin());
        std::fill(b.begin(), b.end(), 0.0f);
        for (int i = 0; i < n; ++i) b[static_cast<std::size_t>(i) * n + i] = 1.0f;
        state.ResumeTiming();
        int interchanges = 0;
        EliminationOutcome outcome = eliminateAndSolve(n, n, a.data(), b.data(), kGaussThreshold, interchanges);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(b.data());
    }
    reportFlops(state, luSolveFlops(n, n));
    state.counters["threads"] = threads;
}

#define CORVANE_THREADS_BENCH(function, task)                                                                     \
    BENCHMARK_CAPTURE(function, two, 2)->Name(task "/corvane")->Arg(kThreadsOrder)->UseRealTime()->Unit(         \
        benchmark::kMillisecond);                                                                                 \
    BENCHMARK_CAPTURE(function, one, 1)->Name(task "/corvane-1-thread")->Arg(kThreadsOrder)->UseRealTime()->Unit( \
        benchmark::kMillisecond)

CORVANE_THREADS_BENCH(gauss, "threads-gauss");
CORVANE_THREADS_BENCH(lu, "threads-lu");
CORVANE_THREADS_BENCH(cholesky, "threads-cholesky");
CORVANE_THREADS_BENCH(inverse, "threads-inverse");

}  // namespace
}  // namespace corvane::bench
