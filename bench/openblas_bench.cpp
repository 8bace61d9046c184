// OpenBLAS baselines on one thread: sgesv for Gauss.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <vector>

#include "bench_problems.h"

extern "C" {
void openblas_set_num_threads(int threads);
char* openblas_get_corename(void);
void sgesv_(const int* n, const int* nrhs, float* a, const int* lda, int* ipiv, float* b, const int* ldb, int* info);
void sgetrf_(const int* m, const int* n, float* a, const int* lda, int* ipiv, int* info);
void sgetrs_(const char* trans, const int* n, const int* nrhs, const float* a, const int* lda, const int* ipiv, float* b,
             const int* ldb, int* info, std::size_t transLength);
void spptrf_(const char* uplo, const int* n, float* ap, int* info, std::size_t uploLength);
void spptrs_(const char* uplo, const int* n, const int* nrhs, const float* ap, float* b, const int* ldb, int* info,
             std::size_t uploLength);
}

namespace corvane::bench {
namespace {

void oneThread() {
    static const bool once = [] {
        openblas_set_num_threads(1);
        return true;
    }();
    (void)once;
}

void gaussOpenBlas(benchmark::State& state) {
    oneThread();
    const int n = static_cast<int>(state.range(0));
    const int nb = 1;
    const std::vector<float> a0 = randomMatrix(n, n, 1);
    const std::vector<float> b0 = randomMatrix(n, 1, 2);
    std::vector<float> a(a0.size()), b(b0.size());
    std::vector<int> pivots(static_cast<std::size_t>(n));
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(a0.begin(), a0.end(), a.begin());
        std::copy(b0.begin(), b0.end(), b.begin());
        state.ResumeTiming();
        int info = 0;
        sgesv_(&n, &nb, a.data(), &n, pivots.data(), b.data(), &n, &info);
        benchmark::DoNotOptimize(info);
        benchmark::DoNotOptimize(b.data());
    }
    reportFlops(state, luSolveFlops(n, nb));
    state.SetLabel(openblas_get_corename());
}

void luOpenBlas(benchmark::State& state) {
    oneThread();
    const int n = static_cast<int>(state.range(0));
    const int nb = 1;
    const std::vector<float> a0 = randomMatrix(n, n, 1);
    const std::vector<float> b0 = randomMatrix(n, 1, 2);
    std::vector<float> a(a0.size()), b(b0.size());
    std::vector<int> pivots(static_cast<std::size_t>(n));
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(a0.begin(), a0.end(), a.begin());
        std::copy(b0.begin(), b0.end(), b.begin());
        state.ResumeTiming();
        int info = 0;
        sgetrf_(&n, &n, a.data(), &n, pivots.data(), &info);
        sgetrs_("N", &n, &nb, a.data(), &n, pivots.data(), b.data(), &n, &info, 1);
        benchmark::DoNotOptimize(info);
        benchmark::DoNotOptimize(b.data());
    }
    reportFlops(state, luSolveFlops(n, nb));
    state.SetLabel(openblas_get_corename());
}

BENCHMARK(luOpenBlas)->Name("lu/openblas-sgetrf+sgetrs")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

void choleskyOpenBlas(benchmark::State& state) {
    oneThread();
    const int n = static_cast<int>(state.range(0));
    const int nb = 1;
    const std::vector<float> a0 = packedPositiveDefinite(n, 5);
    const std::vector<float> b0 = randomMatrix(n, 1, 2);
    std::vector<float> a(a0.size()), b(b0.size());
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(a0.begin(), a0.end(), a.begin());
        std::copy(b0.begin(), b0.end(), b.begin());
        state.ResumeTiming();
        int info = 0;
        spptrf_("U", &n, a.data(), &info, 1);
        spptrs_("U", &n, &nb, a.data(), b.data(), &n, &info, 1);
        benchmark::DoNotOptimize(info);
        benchmark::DoNotOptimize(b.data());
    }
    reportFlops(state, choleskySolveFlops(n, nb));
    state.SetLabel(openblas_get_corename());
}

BENCHMARK(choleskyOpenBlas)->Name("cholesky/openblas-spptrf+spptrs")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

BENCHMARK(gaussOpenBlas)->Name("gauss/openblas-sgesv")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

// sgesv on two threads, against corvane's Gauss on two (threads_bench.cpp),
// timed by the wall clock; OpenBLAS goes back to one thread afterwards.
void gaussOpenBlasTwoThreads(benchmark::State& state) {
    openblas_set_num_threads(2);
    const int n = static_cast<int>(state.range(0));
    const int nb = 1;
    const std::vector<float> a0 = randomMatrix(n, n, 1);
    const std::vector<float> b0 = randomMatrix(n, 1, 2);
    std::vector<float> a(a0.size()), b(b0.size());
    std::vector<int> pivots(static_cast<std::size_t>(n));
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(a0.begin(), a0.end(), a.begin());
        std::copy(b0.begin(), b0.end(), b.begin());
        state.ResumeTiming();
        int info = 0;
        sgesv_(&n, &nb, a.data(), &n, pivots.data(), b.data(), &n, &info);
        benchmark::DoNotOptimize(info);
        benchmark::DoNotOptimize(b.data());
    }
    openblas_set_num_threads(1);
    reportFlops(state, luSolveFlops(n, nb));
    state.counters["threads"] = 2;
    state.SetLabel(openblas_get_corename());
}

BENCHMARK(gaussOpenBlasTwoThreads)->Name("threads-gauss/openblas-sgesv-2-threads")->Arg(4000)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
