#include "memory_read.h"

namespace corvane::bench {

// The sum of every value, with many sums side by side so that only the
// memory limits the speed.
float readAll(const float* values, long count) {
    float s[64] = {};
    long k = 0;
    for (; k + 64 <= count; k += 64) {
        for (int lane = 0; lane < 64; ++lane) s[lane] += values[k + lane];
    }
    float total = 0;
    for (; k < count; ++k) total += values[k];
    for (float v : s) total += v;
    return total;
}

}  // namespace corvane::bench
