#pragma once
// The instruction-set variants of the numerical kernels. Each is compiled
// from the bodies of kernel_bodies.inc in kernels_<isa>.cpp and describes
// itself in a KernelTable; kernel_level.cpp picks one at start-up.

// Standard headers of the kernel bodies: read here, before any instruction-set
// region, so that their inline functions keep the baseline instruction set.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "kernels/kernel_table.h"
#include "kernels/kernel_threads.h"

namespace corvane {

// Each variant's table, filled in its own translation unit.
namespace kernel_portable {
extern const KernelTable kTable;
}
#if defined(__x86_64__)
namespace kernel_avx2 {
extern const KernelTable kTable;
}
namespace kernel_avx512 {
extern const KernelTable kTable;
}
#endif

}  // namespace corvane
