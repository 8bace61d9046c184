// The numerical kernels for the baseline instruction set of the build.

#include "kernels/kernel_variants.h"

namespace corvane::kernel_portable {

constexpr int kLanes = 4;
constexpr int kTileVectors = 2;
constexpr int kTileColumns = 6;
constexpr int kDoubleTileVectors = 2;
constexpr int kDoubleTileColumns = 6;

#include "kernels/kernel_bodies.inc"

}  // namespace corvane::kernel_portable
