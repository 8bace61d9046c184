// The kernels on two threads against one, at order 4000: Gauss (one
// right-hand side), LU and Cholesky (factor and one solve), and the inverse
// by Gauss (every column of the identity). Both give the same bits; the
// summary's ratio is the time with two threads over the time with one.
// Timed by the wall clock (the "threads" counter tells the summary so).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench_problems.h"
#include "kernel_benches.h"
#include "kernels/elimination_kernel.h"
#include "kernels/kernel_threads.h"

namespace corvane::bench {
namespace {

constexpr int kThreadsOrder = 4000;
constexpr float kGaussThreshold = 1.0e-6f;

// One of the kernels' own benchmarks with the kernels on `threads` threads.
void onThreads(benchmark::State& state, void (*body)(benchmark::State&), int threads) {
    const KernelThreadsOverride selected(threads);
    body(state);
    state.counters["threads"] = threads;
}

void gauss(benchmark::State& state, int threads) { onThreads(state, gaussCorvane, threads); }
void lu(benchmark::State& state, int threads) { onThreads(state, luCorvane, threads); }
void cholesky(benchmark::State& state, int threads) { onThreads(state, choleskyCorvane, threads); }

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
