// The kernel functions the methods call: each goes to the selected
// instruction-set variant.

#include "kernels/kernel_table.h"

namespace corvane {

EliminationOutcome eliminateAndSolve(int n, int nb, float* A, float* B, float threshold, int& interchanges,
                                     KernelProgress* progress) {
    return selectedKernels().eliminateAndSolve(n, nb, A, B, threshold, interchanges, progress);
}

LuOutcome factorLu(int n, float* A, int* order, float threshold, int& exchanges, KernelProgress* progress) {
    return selectedKernels().factorLu(n, A, order, threshold, exchanges, progress);
}

void solveLu(int n, const float* A, const int* order, const float* B, float* X, int nb) {
    selectedKernels().solveLu(n, A, order, B, X, nb);
}

CholeskyOutcome factorPackedCholesky(int n, float* packed, KernelProgress* progress) {
    return selectedKernels().factorPackedCholesky(n, packed, progress);
}

void solvePackedCholesky(int n, const float* packed, float* B, int nb, bool forward, bool back) {
    selectedKernels().solvePackedCholesky(n, packed, B, nb, forward, back);
}

void gaussSeidelSweep(int n, const float* A, const float* b1, const float* x0, float* x1) {
    selectedKernels().gaussSeidelSweep(n, A, b1, x0, x1);
}

void complexMatrixVector(int n, const float* A, const float* diagonalIm, const float* z0, float* z) {
    selectedKernels().complexMatrixVector(n, A, diagonalIm, z0, z);
}

void multiplyAdd(int n, int columns, const ProductFactor& F, const float* X, long ldx, float* D) {
    selectedKernels().multiplyAdd(n, columns, F, X, ldx, D);
}

void multiplyAddWidened(int n, int columns, const ProductFactor& F, const float* X, long ldx, double* D,
                        KernelProgress* progress) {
    selectedKernels().multiplyAddWidened(n, columns, F, X, ldx, D, progress);
}

}  // namespace corvane
