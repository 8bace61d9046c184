// The cost of the conditioning warning: a whole SOLVE by Gauss (factors,
// solution, check; the report discarded) with and without the estimate of
// cond1(A) from its factors (the goal: at most 5 % more), and the estimate
// alone. Each runs with the kernels on 2 threads, as a SOLVE does on this
// machine by default, and on 1; both SOLVEs of a pair use the same count.
// Timed by the wall clock (the "threads" counter tells the summary so): the
// second argument, the number of threads, is part of the summary's size. Run
// with --benchmark_enable_random_interleaving=true: one after the other, the
// SOLVE measured first may come out faster by more than the estimate adds.

#include <benchmark/benchmark.h>

#include <vector>

#include "app/conditioning_warning.h"
#include "app/dispatcher.h"
#include "app/option_rules.h"
#include "bench_problems.h"
#include "condition/one_norm_estimate.h"
#include "direct/elimination.h"
#include "kernels/kernel_threads.h"

namespace corvane::bench {
namespace {

RealMatrix randomSystem(int n) {
    RealMatrix A(n, n);
    const std::vector<float> values = randomMatrix(n, n, 21);
    std::copy(values.begin(), values.end(), A.data());
    return A;
}

// A random system of order n with one right-hand side, read for Gauss.
ProblemState gaussSystem(int n) {
    ProblemState s;
    INITIALIZEDATA(s);
    SilentMessages quiet;
    chooseMethod(s, Method::Gauss, quiet);
    s.n = n;
    s.nb = 1;
    s.A = randomSystem(n);
    s.B = RealMatrix(n, 1);
    const std::vector<float> b = randomMatrix(n, 1, 22);
    std::copy(b.begin(), b.end(), s.B.data());
    s.DATE_CITITE = true;
    return s;
}

// One SOLVE per iteration on a fresh copy of the read data; with the
// estimate listening to the factors when `estimate` is set.
void solveGauss(benchmark::State& state, bool estimate) {
    const int threads = static_cast<int>(state.range(1));
    const KernelThreadsOverride selected(threads);
    const ProblemState read = gaussSystem(static_cast<int>(state.range(0)));
    DiscardingSink discard;
    SilentMessages quiet;
    for (auto _ : state) {
        state.PauseTiming();
        ProblemState run = read;
        state.ResumeTiming();
        RecordWriter report(discard), console(discard);
        RunContext context{run, report, console, quiet};
        ConditionEstimate condition;
        if (estimate) context.factors = &condition;
        benchmark::DoNotOptimize(CORVANEAPPLY(context));
    }
    state.counters["threads"] = threads;
}

void solveWithEstimate(benchmark::State& state) { solveGauss(state, true); }
void solveWithoutEstimate(benchmark::State& state) { solveGauss(state, false); }

void estimateAlone(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int threads = static_cast<int>(state.range(1));
    const KernelThreadsOverride selected(threads);
    const RealMatrix A = randomSystem(n);
    RealMatrix factors = A, B(n, 1);
    int interchanges = 0;
    eliminateAndSubstitute(n, 1, factors, B, 1.0e-6f, interchanges);
    for (auto _ : state) benchmark::DoNotOptimize(conditionOneFromLu(n, A, factors));
    state.counters["threads"] = threads;
}

// Order 2000 on 2 threads, then on 1.
void orders(benchmark::internal::Benchmark* b) {
    b->Args({2000, 2})->Args({2000, 1})->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(solveWithEstimate)->Name("cond1-estimate/gauss-solve-with-estimate")->Apply(orders);
BENCHMARK(solveWithoutEstimate)->Name("cond1-estimate/gauss-solve")->Apply(orders);
BENCHMARK(estimateAlone)->Name("cond1-estimate/estimate-alone")->Apply(orders);

}  // namespace
}  // namespace corvane::bench
