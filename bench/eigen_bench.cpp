// Eigen baselines: PartialPivLU for Gauss. Built with -O3 -march=native.

#include <benchmark/benchmark.h>

#include <Eigen/Dense>

#include "bench_problems.h"

namespace corvane::bench {
namespace {

void gaussEigen(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> a0 = randomMatrix(n, n, 1);
    const std::vector<float> b0 = randomMatrix(n, 1, 2);
    Eigen::MatrixXf a(n, n);
    Eigen::VectorXf b(n), x(n);
    for (auto _ : state) {
        state.PauseTiming();
        a = Eigen::Map<const Eigen::MatrixXf>(a0.data(), n, n);
        b = Eigen::Map<const Eigen::VectorXf>(b0.data(), n);
        state.ResumeTiming();
        Eigen::PartialPivLU<Eigen::Ref<Eigen::MatrixXf>> lu(a);
        x = lu.solve(b);
        benchmark::DoNotOptimize(x.data());
    }
    reportFlops(state, luSolveFlops(n, 1));
}

// Eigen has no packed storage: LLT on the full matrix unpacked from the same triangle.
void choleskyEigen(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> packed = packedPositiveDefinite(n, 5);
    Eigen::MatrixXf full(n, n);
    std::size_t k = 0;
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i <= j; ++i) full(i, j) = full(j, i) = packed[k++];
    }
    const std::vector<float> b0 = randomMatrix(n, 1, 2);
    Eigen::MatrixXf a(n, n);
    Eigen::VectorXf b(n), x(n);
    for (auto _ : state) {
        state.PauseTiming();
        a = full;
        b = Eigen::Map<const Eigen::VectorXf>(b0.data(), n);
        state.ResumeTiming();
        Eigen::LLT<Eigen::Ref<Eigen::MatrixXf>, Eigen::Upper> llt(a);
        x = llt.solve(b);
        benchmark::DoNotOptimize(x.data());
    }
    reportFlops(state, choleskySolveFlops(n, 1));
}

BENCHMARK(choleskyEigen)->Name("cholesky/eigen-llt-full")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(gaussEigen)->Name("gauss/eigen-partialpivlu")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(gaussEigen)->Name("lu/eigen-partialpivlu")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
