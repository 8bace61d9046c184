// The numerical kernels for the baseline instruction set of the build.

#include "kernels/kernel_variants.h"

namespace corvane::kernel_portable {

constexpr int kLanes = 4;
constexpr int kTileVectors = 2;
constexpr int kTileColumns = 6;
constexpr int kDoubleTileVectors = 2;
constexpr int kDoubleTileColumns = 6;

#include "kernels/simd_tiles.inc"
#include "kernels/elimination_kernel.inc"
#include "kernels/lu_kernel.inc"
#include "kernels/cholesky_kernel.inc"
#include "kernels/iteration_kernel.inc"
#include "kernels/product_kernel.inc"
#include "kernels/kernel_table_entries.inc"

}  // namespace corvane::kernel_portable
