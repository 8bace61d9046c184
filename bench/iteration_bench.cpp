// One Gauss-Seidel sweep and one power-method product (the inner loops of
// GAUSS_SEIDEL and POWER_COMPLEX), the plain loops, and a bare read of the
// same matrix: the memory bandwidth these loops are measured against.

#include <benchmark/benchmark.h>

#include <vector>

#include "bench_problems.h"
#include "memory_read.h"
#include "condition/single_complex.h"
#include "kernels/iteration_kernel.h"
#include "problem/matrix.h"

namespace corvane::bench {
namespace {

void reportBytes(benchmark::State& state, double bytes) {
    state.counters["GB/s"] = benchmark::Counter(bytes * 1e-9, benchmark::Counter::kIsIterationInvariantRate);
}

std::vector<float> dominantMatrix(int n) {
    std::vector<float> a = randomMatrix(n, n, 6);
    for (int i = 0; i < n; ++i) a[static_cast<std::size_t>(i) * n + i] += static_cast<float>(n);
    return a;
}

void sweepCorvane(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> a = dominantMatrix(n);
    const std::vector<float> b = randomMatrix(n, 1, 7);
    std::vector<float> x0(static_cast<std::size_t>(n), 0.5f), x1(static_cast<std::size_t>(n));
    for (auto _ : state) {
        gaussSeidelSweep(n, a.data(), b.data(), x0.data(), x1.data());
        benchmark::DoNotOptimize(x1.data());
    }
    reportBytes(state, 4.0 * n * n);
    state.SetLabel(kernelLevelName(selectedKernelLevel()));
}

void sweepReference(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> values = dominantMatrix(n);
    RealMatrix A(n, n);
    std::copy(values.begin(), values.end(), A.data());
    const std::vector<float> b = randomMatrix(n, 1, 7);
    std::vector<float> x0(static_cast<std::size_t>(n), 0.5f), x1(static_cast<std::size_t>(n));
    for (auto _ : state) {
        for (int i = 1; i <= n; ++i) {
            float s = 0.0f;
            for (int j = 1; j <= n; ++j) {
                if (j == i) continue;
                const float y = j < i ? x1[static_cast<std::size_t>(j - 1)] : x0[static_cast<std::size_t>(j - 1)];
                s = s + A(i, j) * y;
            }
            x1[static_cast<std::size_t>(i - 1)] = (b[static_cast<std::size_t>(i - 1)] - s) / A(i, i);
        }
        benchmark::DoNotOptimize(x1.data());
    }
    reportBytes(state, 4.0 * n * n);
}

void sweepRead(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<float> a = dominantMatrix(n);
    for (auto _ : state) benchmark::DoNotOptimize(readAll(a.data(), static_cast<long>(a.size())));
    reportBytes(state, 4.0 * n * n);
}

BENCHMARK(sweepCorvane)->Name("gauss-seidel-sweep/corvane")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(sweepReference)->Name("gauss-seidel-sweep/reference")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(sweepRead)->Name("gauss-seidel-sweep/memory-read")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMicrosecond);

// The power method's matrix: real, with the imaginary parts of its diagonal
// apart (0 before the shift).
struct PowerProblem {
    std::vector<float> A;
    std::vector<float> diagonalIm;
    ComplexVector z0;
};

PowerProblem powerProblem(int n) {
    PowerProblem p{randomMatrix(n, n, 8), std::vector<float>(static_cast<std::size_t>(n), 0.0f), ComplexVector(n)};
    for (int l = 1; l <= n; ++l) p.z0(l) = {1.0f / static_cast<float>(l), 0.5f};
    return p;
}

void powerCorvane(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const PowerProblem p = powerProblem(n);
    ComplexVector z(n);
    for (auto _ : state) {
        complexMatrixVector(n, p.A.data(), p.diagonalIm.data(), &p.z0.data()->re, &z.data()->re);
        benchmark::DoNotOptimize(z.data());
    }
    reportBytes(state, 4.0 * n * n);
    state.SetLabel(kernelLevelName(selectedKernelLevel()));
}

// The plain loop on the matrix as a complex one (pairs re, im), as the method
// is written.
void powerReference(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const PowerProblem p = powerProblem(n);
    ComplexMatrix A(n, n);
    for (int l = 1; l <= n; ++l)
        for (int j = 1; j <= n; ++j) A(j, l) = {p.A[static_cast<std::size_t>(l - 1) * n + (j - 1)], 0.0f};
    ComplexVector z(n);
    for (auto _ : state) {
        z.fill({0.0f, 0.0f});
        for (int l = 1; l <= n; ++l) {
            for (int j = 1; j <= n; ++j) z(j) = plus(z(j), times(A(j, l), p.z0(l)));
        }
        benchmark::DoNotOptimize(z.data());
    }
    reportBytes(state, 4.0 * n * n);
}

void powerRead(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const PowerProblem p = powerProblem(n);
    for (auto _ : state) benchmark::DoNotOptimize(readAll(p.A.data(), static_cast<long>(p.A.size())));
    reportBytes(state, 4.0 * n * n);
}

BENCHMARK(powerCorvane)->Name("power-iteration/corvane")->Arg(250)->Arg(1000)->Arg(2000)->Arg(4000)->Unit(benchmark::kMicrosecond);
BENCHMARK(powerReference)->Name("power-iteration/reference")->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(powerRead)->Name("power-iteration/memory-read")->Arg(250)->Arg(1000)->Arg(2000)->Arg(4000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane::bench
