// The relaxation explorer against what it replaces: 39 SOLVEs with SOR, one
// per relaxation factor, each on a fresh copy of the read data. The explorer
// should cost no more than those runs (the goal: at most 1.2 times).

#include <benchmark/benchmark.h>

#include <vector>

#include "app/dispatcher.h"
#include "app/iteration_history.h"
#include "textio/decimal_text.h"
#include "app/omega_explorer.h"
#include "app/option_rules.h"
#include "bench_problems.h"

namespace corvane::bench {
namespace {

// A diagonally dominant system of order n, read for SOR with EPS 1e-6 and NLIM 200.
ProblemState dominantSystem(int n) {
    ProblemState s;
    INITIALIZEDATA(s);
    SilentMessages quiet;
    chooseMethod(s, Method::Sor, quiet);
    s.EPS_TEXT = "1e-6";
    s.NLIM_TEXT = "200";
    s.n = n;
    s.nb = 1;
    s.A = RealMatrix(n, n);
    const std::vector<float> values = randomMatrix(n, n, 11);
    std::copy(values.begin(), values.end(), s.A.data());
    for (int i = 1; i <= n; ++i) s.A(i, i) += static_cast<float>(n);
    s.B = RealMatrix(n, 1);
    const std::vector<float> b = randomMatrix(n, 1, 12);
    std::copy(b.begin(), b.end(), s.B.data());
    s.DATE_CITITE = true;
    return s;
}

void explorerCorvane(benchmark::State& state) {
    const ProblemState read = dominantSystem(static_cast<int>(state.range(0)));
    const std::vector<float> omegas = omegaValues({});
    for (auto _ : state) benchmark::DoNotOptimize(exploreOmega(read, omegas));
}

void explorerSolves(benchmark::State& state) {
    const ProblemState read = dominantSystem(static_cast<int>(state.range(0)));
    const std::vector<float> omegas = omegaValues({});
    DiscardingSink discard;
    SilentMessages quiet;
    for (auto _ : state) {
        for (float omega : omegas) {
            ProblemState run = read;
            run.OMEGA_TEXT = shortestFloatText(omega);
            RecordWriter report(discard), console(discard);
            RunContext context{run, report, console, quiet};
            benchmark::DoNotOptimize(CORVANEAPPLY(context));
        }
    }
}

// Order 1000, the 39 factors 0.05, 0.10, ..., 1.95.
BENCHMARK(explorerCorvane)->Name("omega-explorer/corvane")->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(explorerSolves)->Name("omega-explorer/39-solves")->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
