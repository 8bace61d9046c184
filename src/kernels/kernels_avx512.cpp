// The numerical kernels for processors with AVX-512 (32 registers of 16
// floats). No fused multiply-add: products and differences are rounded
// separately.

#include "kernels/kernel_variants.h"

#if defined(__x86_64__)
#pragma GCC push_options
#pragma GCC target("avx512f,avx512dq,avx512bw,avx512vl")

namespace corvane::kernel_avx512 {

constexpr int kLanes = 16;
constexpr int kTileVectors = 2;
constexpr int kTileColumns = 12;
// Tiles of doubles: one vector (8 rows) by 24 columns, so that each column's
// broadcast is an operand of its multiply; a separate broadcast, as with two
// vectors a column, takes a slot of the floating-point pipes, which the
// multiplies and additions fill.
constexpr int kDoubleTileVectors = 1;
constexpr int kDoubleTileColumns = 24;

// GCC splits the generic conversions between 8 floats and 8 doubles in two;
// the intrinsics (not available to clang here) do each in one instruction.
#if !defined(__clang__)
#define CORVANE_AVX512_CONVERSIONS
#endif
#include "kernels/kernel_bodies.inc"

#undef CORVANE_AVX512_CONVERSIONS

}  // namespace corvane::kernel_avx512

#pragma GCC pop_options
#endif
