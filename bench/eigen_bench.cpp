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

BENCHMARK(gaussEigen)->Name("gauss/eigen-partialpivlu")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(gaussEigen)->Name("lu/eigen-partialpivlu")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
