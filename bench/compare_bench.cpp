// What a comparison of the methods costs against the SOLVEs it runs: the
// inverse of the generated band matrix (the case that froze the dialog),
// compared by Gauss, LU and Cholesky, each method's SOLVE followed by its
// residual |A·X - I| in double precision. The goal: at most about twice the
// sum of the three SOLVEs. The comparison also notes its step boundaries:
// longest_gap_ms bounds the wait for a Stop, a closed window or a Ctrl-C.
// One run each, kernels on 2 threads as the dialog runs them on a 2-core
// machine, timed by the wall clock.

#include <benchmark/benchmark.h>

#include <string>

#include "app/dispatcher.h"
#include "app/method_comparison.h"
#include "app/option_rules.h"
#include "gap_watch.h"
#include "kernels/kernel_threads.h"
#include "support/band_inverse.h"
#include "textio/record_sink.h"

namespace corvane::bench {
namespace {

constexpr int kCompareThreads = 2;

void comparison(benchmark::State& state) {
    const KernelThreadsOverride threads(kCompareThreads);
    const ProblemState read = testing::bandInverse(static_cast<int>(state.range(0)));
    GapWatch watch;
    Comparison compared;
    for (auto _ : state) {
        watch.start();
        compared = compareMethods(read, std::nullopt, {}, &watch);
        watch.note();
    }
    double solves = 0.0;
    for (const ComparisonRow& row : compared.rows) solves += row.seconds;
    state.counters["methods"] = static_cast<double>(compared.rows.size());
    state.counters["solves_s"] = solves;  // the SOLVEs as the comparison timed them
    state.counters["longest_gap_ms"] = watch.longestMilliseconds();
    state.counters["boundaries"] = watch.boundaries();
    state.SetLabel(watch.longestAfter());
}

// Gauss, LU and Cholesky, each a SOLVE of its own on a fresh copy of the read
// data (Cholesky on the packed triangle, as the comparison gives it).
void solves(benchmark::State& state) {
    const KernelThreadsOverride threads(kCompareThreads);
    const ProblemState read = testing::bandInverse(static_cast<int>(state.range(0)));
    DiscardingSink discard;
    SilentMessages quiet;
    for (auto _ : state) {
        for (Method method : {Method::Gauss, Method::Lu, Method::Cholesky}) {
            state.PauseTiming();
            ProblemState run = read;
            chooseMethod(run, method, quiet);
            if (method == Method::Cholesky) {
                run.AV_INPUT = RealVector(run.n * (run.n + 1) / 2);
                for (int j = 1; j <= run.n; ++j)
                    for (int i = 1; i <= j; ++i) (*run.AV_INPUT)(LOCA(i, j)) = read.A(i, j);
            }
            RecordWriter report(discard), console(discard);
            RunContext context{run, report, console, quiet};
            state.ResumeTiming();
            benchmark::DoNotOptimize(CORVANEAPPLY(context));
        }
    }
}

BENCHMARK(comparison)
    ->Name("compare/corvane")
    ->Arg(2000)
    ->Arg(4000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(solves)
    ->Name("compare/three-solves")
    ->Arg(2000)
    ->Arg(4000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace corvane::bench
