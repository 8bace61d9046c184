#include "direct/iteration_kernel.h"

#include "direct/kernel_variants.h"

namespace corvane {

void gaussSeidelSweep(int n, const float* A, const float* b1, const float* x0, float* x1) {
    switch (selectedKernelLevel()) {
#if defined(__x86_64__)
        case KernelLevel::Avx512: return kernel_avx512::gaussSeidelSweep(n, A, b1, x0, x1);
        case KernelLevel::Avx2: return kernel_avx2::gaussSeidelSweep(n, A, b1, x0, x1);
#endif
        default: return kernel_portable::gaussSeidelSweep(n, A, b1, x0, x1);
    }
}

void complexMatrixVector(int n, const float* A, const float* diagonalIm, const float* z0, float* z) {
    switch (selectedKernelLevel()) {
#if defined(__x86_64__)
        case KernelLevel::Avx512: return kernel_avx512::complexMatrixVector(n, A, diagonalIm, z0, z);
        case KernelLevel::Avx2: return kernel_avx2::complexMatrixVector(n, A, diagonalIm, z0, z);
#endif
        default: return kernel_portable::complexMatrixVector(n, A, diagonalIm, z0, z);
    }
}

}  // namespace corvane
