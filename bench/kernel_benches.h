#pragma once
// The bodies of the dense kernels' benchmarks (one right-hand side), shared
// by their own benchmarks and by those that run them on a chosen number of
// threads.

#include <benchmark/benchmark.h>

namespace corvane::bench {

void gaussCorvane(benchmark::State& state);     // elimination and back substitution
void luCorvane(benchmark::State& state);        // factorisation and one solve
void choleskyCorvane(benchmark::State& state);  // packed factorisation and one solve

}  // namespace corvane::bench
