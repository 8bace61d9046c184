#pragma once
// The instruction-set variants of the numerical kernels. Each is compiled from
// simd_tiles.h and the *_kernel_impl.h files in kernels_<isa>.cpp; the
// dispatching functions (elimination_kernel.cpp, lu_kernel.cpp, ...) choose
// one at run time.

// Standard headers of the kernel bodies: read here, before any instruction-set
// region, so that their inline functions keep the baseline instruction set.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "direct/cholesky_kernel.h"
#include "direct/elimination_kernel.h"
#include "direct/iteration_kernel.h"
#include "direct/lu_kernel.h"
#include "direct/product_kernel.h"

namespace corvane {

#define CORVANE_DECLARE_KERNEL_VARIANT(space)                                                                   \
    namespace space {                                                                                           \
    EliminationOutcome eliminateAndSolve(int n, int nb, float* A, float* B, float threshold, int& interchanges); \
    LuOutcome factorLu(int n, float* A, int* order, float threshold, int& exchanges);                           \
    void solveLu(int n, const float* A, const int* order, const float* B, float* X, int nb);                    \
    CholeskyOutcome factorPackedCholesky(int n, float* packed);                                                 \
    void solvePackedCholesky(int n, const float* packed, float* B, int nb, bool forward, bool back);            \
    void gaussSeidelSweep(int n, const float* A, const float* b1, const float* x0, float* x1);                  \
    void complexMatrixVector(int n, const float* A, const float* diagonalIm, const float* z0, float* z);        \
    void multiplyAdd(int n, int columns, const ProductFactor& F, const float* X, long ldx, float* D);           \
    }

CORVANE_DECLARE_KERNEL_VARIANT(kernel_portable)
#if defined(__x86_64__)
CORVANE_DECLARE_KERNEL_VARIANT(kernel_avx2)
CORVANE_DECLARE_KERNEL_VARIANT(kernel_avx512)
#endif

#undef CORVANE_DECLARE_KERNEL_VARIANT

}  // namespace corvane
