#pragma once
// The entry points of one instruction-set variant of the numerical kernels,
// and the sizes at which its blocked loops change their path. Each variant
// fills one table (kernels_<isa>.cpp); the kernel functions the methods call
// go through the table of the selected variant.

#include <span>

#include "kernels/cholesky_kernel.h"
#include "kernels/elimination_kernel.h"
#include "kernels/iteration_kernel.h"
#include "kernels/kernel_level.h"
#include "kernels/lu_kernel.h"
#include "kernels/product_kernel.h"

namespace corvane {

// Orders (or counts of columns) at which a kernel's blocking changes: the
// tile sizes, chunks and panels. Orders just below, at and just above each
// take every path of the blocked loops.
struct KernelBlockSizes {
    std::span<const int> elimination;
    std::span<const int> lu;
    std::span<const int> cholesky;
    std::span<const int> iteration;
    std::span<const int> product;
};

struct KernelTable {
    EliminationOutcome (*eliminateAndSolve)(int n, int nb, float* A, float* B, float threshold, int& interchanges,
                                            KernelProgress* progress);
    LuOutcome (*factorLu)(int n, float* A, int* order, float threshold, int& exchanges, KernelProgress* progress);
    void (*solveLu)(int n, const float* A, const int* order, const float* B, float* X, int nb);
    CholeskyOutcome (*factorPackedCholesky)(int n, float* packed, KernelProgress* progress);
    void (*solvePackedCholesky)(int n, const float* packed, float* B, int nb, bool forward, bool back);
    void (*gaussSeidelSweep)(int n, const float* A, const float* b1, const float* x0, float* x1);
    void (*complexMatrixVector)(int n, const float* A, const float* diagonalIm, const float* z0, float* z);
    void (*multiplyAdd)(int n, int columns, const ProductFactor& F, const float* X, long ldx, float* D);
    void (*multiplyAddWidened)(int n, int columns, const ProductFactor& F, const float* X, long ldx, double* D,
                               KernelProgress* progress);
    KernelBlockSizes blockSizes;
};

// The table of a variant the processor supports (the portable one otherwise).
const KernelTable& kernelTable(KernelLevel level);
// The table of the selected variant.
const KernelTable& selectedKernels();

}  // namespace corvane
