// The numerical kernels for processors with AVX2 (16 registers of 8 floats).
// No fused multiply-add: products and differences are rounded separately.

#include "kernels/kernel_variants.h"

#if defined(__x86_64__)
#pragma GCC push_options
#pragma GCC target("avx2")

namespace corvane::kernel_avx2 {

constexpr int kLanes = 8;
constexpr int kTileVectors = 2;
constexpr int kTileColumns = 6;
constexpr int kDoubleTileVectors = 2;
constexpr int kDoubleTileColumns = 6;

#include "kernels/kernel_bodies.inc"

}  // namespace corvane::kernel_avx2

#pragma GCC pop_options
#endif
