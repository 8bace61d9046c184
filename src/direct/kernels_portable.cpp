// The numerical kernels for the baseline instruction set of the build.

#include "direct/kernel_variants.h"

namespace corvane::kernel_portable {

constexpr int kLanes = 4;
constexpr int kTileVectors = 2;
constexpr int kTileColumns = 6;
constexpr int kDoubleTileVectors = 2;
constexpr int kDoubleTileColumns = 6;

#include "direct/simd_tiles.h"
#include "direct/elimination_kernel_impl.h"
#include "direct/lu_kernel_impl.h"
#include "direct/cholesky_kernel_impl.h"
#include "direct/iteration_kernel_impl.h"
#include "direct/product_kernel_impl.h"

}  // namespace corvane::kernel_portable
