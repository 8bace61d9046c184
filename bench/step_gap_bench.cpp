// How soon a stop takes effect: a whole SOLVE (report discarded) followed by
// a progress that notes the wall-clock time of every step boundary. A stop
// asked for between two boundaries takes effect at the next one, so the
// longest gap between them (the start and the end of the run included) is
// the longest wait for a Cancel or a Ctrl-C. Counters: longest_gap_ms and
// the number of boundaries; the label tells where the longest gap began.
// One run each (the runs last seconds), with the kernels on 2 threads as the
// dialog runs them on a 2-core machine, timed by the wall clock.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/dispatcher.h"
#include "bench_problems.h"
#include "cli/solve_options.h"
#include "gap_watch.h"
#include "kernels/kernel_threads.h"

namespace corvane::bench {
namespace {

constexpr int kGapOrder = 4000;
constexpr int kGapThreads = 2;

// The problem as a Read leaves it: a random matrix (for Cholesky a positive
// definite one with its packed triangle), one right-hand side for a system,
// the identity for an inverse or a condition number.
ProblemState readProblem(const SolveOptions& options, int n) {
    ProblemState s;
    INITIALIZEDATA(s);
    SilentMessages quiet;
    applySolveOptions(options, s, quiet);
    s.n = n;
    s.A = RealMatrix(n, n);
    if (s.SIMETRICA) {
        const std::vector<float> packed = packedPositiveDefinite(n, 5);
        s.AV_INPUT = RealVector(static_cast<int>(packed.size()));
        std::copy(packed.begin(), packed.end(), s.AV_INPUT->data());
        for (int j = 1, at = 0; j <= n; ++j) {
            for (int i = 1; i <= j; ++i, ++at) s.A(i, j) = s.A(j, i) = packed[static_cast<std::size_t>(at)];
        }
    } else {
        const std::vector<float> values = randomMatrix(n, n, 31);
        std::copy(values.begin(), values.end(), s.A.data());
    }
    s.nb = s.SISTEM ? 1 : n;
    s.B = RealMatrix(n, s.nb);
    if (s.SISTEM) {
        const std::vector<float> b = randomMatrix(n, 1, 32);
        std::copy(b.begin(), b.end(), s.B.data());
    } else {
        for (int i = 1; i <= n; ++i) s.B(i, i) = 1.0f;
    }
    s.DATE_CITITE = true;
    return s;
}

void longestGap(benchmark::State& state, SolveOptions options) {
    const KernelThreadsOverride threads(kGapThreads);
    ProblemState read = readProblem(options, static_cast<int>(state.range(0)));
    DiscardingSink discard;
    SilentMessages quiet;
    GapWatch watch;
    for (auto _ : state) {
        RecordWriter report(discard), console(discard);
        RunContext context{read, report, console, quiet};
        context.progress = &watch;
        watch.start();
        benchmark::DoNotOptimize(CORVANEAPPLY(context));
        watch.note();
    }
    state.counters["longest_gap_ms"] = watch.longestMilliseconds();
    state.counters["boundaries"] = watch.boundaries();
    state.counters["threads"] = kGapThreads;
    state.SetLabel(watch.longestAfter());
}

SolveOptions options(const char* problem, const char* matrix, const char* method, const char* norm = "") {
    SolveOptions o;
    o.problem = problem;
    o.matrix = matrix;
    o.method = method;
    o.norm = norm;
    o.check = "max";
    return o;
}

void registerGaps() {
    struct Run {
        const char* name;
        SolveOptions options;
    };
    const Run runs[] = {
        {"step-gap/gauss-system", options("system", "general", "gauss")},
        {"step-gap/gauss-inverse", options("inverse", "general", "gauss")},
        {"step-gap/lu-system", options("system", "general", "lu")},
        {"step-gap/lu-inverse", options("inverse", "general", "lu")},
        {"step-gap/cholesky-system", options("system", "symmetric", "cholesky")},
        {"step-gap/condition-1-norm", options("condition", "general", "", "1")},
    };
    for (const Run& run : runs) {
        benchmark::RegisterBenchmark(run.name, longestGap, run.options)
            ->Arg(kGapOrder)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

const bool kRegistered = (registerGaps(), true);

}  // namespace
}  // namespace corvane::bench
