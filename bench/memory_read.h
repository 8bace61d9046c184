#pragma once
// A read of every value at the memory's full speed (built for this processor,
// see CMakeLists.txt): the bandwidth the matrix-vector loops are measured
// against.

namespace corvane::bench {

float readAll(const float* values, long count);

}  // namespace corvane::bench
