#pragma once
// The instruction-set variants of the elimination kernel. Each is compiled
// from elimination_kernel_impl.h in a file of its own; elimination_kernel.cpp
// chooses one at run time.

// Standard headers of elimination_kernel_impl.h: read here, before any
// instruction-set region, so that their inline functions keep the baseline
// instruction set.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "direct/elimination_kernel.h"

namespace corvane {

#define CORVANE_DECLARE_ELIMINATION_VARIANT(space)                                                             \
    namespace space {                                                                                          \
    EliminationOutcome eliminateAndSolve(int n, int nb, float* A, float* B, float threshold, int& interchanges); \
    }

CORVANE_DECLARE_ELIMINATION_VARIANT(kernel_portable)
#if defined(__x86_64__)
CORVANE_DECLARE_ELIMINATION_VARIANT(kernel_avx2)
CORVANE_DECLARE_ELIMINATION_VARIANT(kernel_avx512)
#endif

#undef CORVANE_DECLARE_ELIMINATION_VARIANT

}  // namespace corvane
