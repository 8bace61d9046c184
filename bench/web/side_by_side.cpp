// The same kernels timed natively (portable variant, one thread) and as
// WebAssembly under node: a Gauss elimination with one right-hand side of
// order 1000 and one Gauss-Seidel sweep of order 2000. Built by
// scripts/bench-web for both targets, which runs them one after the other.
// Prints the median and the fastest of the repetitions in milliseconds.
// (No Google Benchmark: it is not built for WebAssembly.)

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "kernels/elimination_kernel.h"
#include "kernels/iteration_kernel.h"
#include "kernels/kernel_level.h"
#include "kernels/kernel_threads.h"

namespace {

// Entries uniform in [-1, 1) from a fixed integer sequence: the same values
// whatever the C++ library (its random distributions differ).
std::vector<float> randomValues(std::size_t count, std::uint32_t seed) {
    std::vector<float> values(count);
    std::uint32_t state = seed;
    for (float& v : values) {
        state = state * 1664525u + 1013904223u;
        v = static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
    }
    return values;
}

struct Timing {
    double median;
    double fastest;
};

// Times `body` `repetitions` times; `prepare` runs untimed before each.
Timing timed(int repetitions, const std::function<void()>& prepare, const std::function<void()>& body) {
    std::vector<double> ms;
    for (int r = 0; r < repetitions; ++r) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        body();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front()};
}

}  // namespace

int main(int argc, char** argv) {
    using namespace corvane;
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 9;
    const KernelLevelOverride portable(KernelLevel::Portable);
    setKernelThreads(1);

    const int n = 1000;
    const std::vector<float> a0 = randomValues(static_cast<std::size_t>(n) * n, 1), b0 = randomValues(n, 2);
    std::vector<float> a, b;
    float check = 0;
    const Timing gauss = timed(
        repetitions, [&] { a = a0, b = b0; },
        [&] {
            int interchanges = 0;
            eliminateAndSolve(n, 1, a.data(), b.data(), 1.0e-6f, interchanges);
            check += b[0];
        });

    const int m = 2000;
    std::vector<float> s = randomValues(static_cast<std::size_t>(m) * m, 6);
    for (int i = 0; i < m; ++i) s[static_cast<std::size_t>(i) * m + i] += static_cast<float>(m);
    const std::vector<float> rhs = randomValues(m, 7), x0(m, 0.5f);
    std::vector<float> x1(m);
    const Timing sweep = timed(
        repetitions * 5, [] {},
        [&] {
            gaussSeidelSweep(m, s.data(), rhs.data(), x0.data(), x1.data());
            check += x1[0];
        });

    std::printf("gauss n=1000: median %.2f ms, fastest %.2f ms\n", gauss.median, gauss.fastest);
    std::printf("gauss-seidel sweep n=2000: median %.3f ms, fastest %.3f ms\n", sweep.median, sweep.fastest);
    std::printf("kernels: %s, threads: %d (check %g)\n", kernelLevelName(selectedKernelLevel()), kernelThreads(),
                static_cast<double>(check));
    return 0;
}
