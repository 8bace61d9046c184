// The cost of the conditioning warning: the estimate of cond1(A) from the
// factors against the elimination that made them (the goal: at most 5 % of
// the SOLVE, of which the elimination is only a part).

#include <benchmark/benchmark.h>

#include <vector>

#include "bench_problems.h"
#include "condition/one_norm_estimate.h"
#include "direct/elimination.h"

namespace corvane::bench {
namespace {

RealMatrix randomSystem(int n) {
    RealMatrix A(n, n);
    const std::vector<float> values = randomMatrix(n, n, 21);
    std::copy(values.begin(), values.end(), A.data());
    return A;
}

void estimateCorvane(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const RealMatrix A = randomSystem(n);
    RealMatrix factors = A, B(n, 1);
    int interchanges = 0;
    eliminateAndSubstitute(n, 1, factors, B, 1.0e-6f, interchanges);
    for (auto _ : state) benchmark::DoNotOptimize(conditionOneFromLu(n, A, factors));
}

void estimateElimination(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const RealMatrix A = randomSystem(n);
    for (auto _ : state) {
        state.PauseTiming();
        RealMatrix factors = A, B(n, 1);
        int interchanges = 0;
        state.ResumeTiming();
        benchmark::DoNotOptimize(eliminateAndSubstitute(n, 1, factors, B, 1.0e-6f, interchanges));
    }
}

BENCHMARK(estimateCorvane)->Name("cond1-estimate/corvane")->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(estimateElimination)->Name("cond1-estimate/gauss-elimination")->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
