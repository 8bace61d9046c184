// OpenBLAS baselines on one thread: sgesv for Gauss.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench_problems.h"

extern "C" {
void openblas_set_num_threads(int threads);
char* openblas_get_corename(void);
void sgesv_(const int* n, const int* nrhs, float* a, const int* lda, int* ipiv, float* b, const int* ldb, int* info);
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

BENCHMARK(gaussOpenBlas)->Name("gauss/openblas-sgesv")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
