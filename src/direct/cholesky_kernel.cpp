#include "direct/cholesky_kernel.h"

#include "direct/kernel_variants.h"

namespace corvane {

CholeskyOutcome factorPackedCholesky(int n, float* packed) {
    switch (selectedKernelLevel()) {
#if defined(__x86_64__)
        case KernelLevel::Avx512: return kernel_avx512::factorPackedCholesky(n, packed);
        case KernelLevel::Avx2: return kernel_avx2::factorPackedCholesky(n, packed);
#endif
        default: return kernel_portable::factorPackedCholesky(n, packed);
    }
}

void solvePackedCholesky(int n, const float* packed, float* B, int nb, bool forward, bool back) {
    switch (selectedKernelLevel()) {
#if defined(__x86_64__)
        case KernelLevel::Avx512: return kernel_avx512::solvePackedCholesky(n, packed, B, nb, forward, back);
        case KernelLevel::Avx2: return kernel_avx2::solvePackedCholesky(n, packed, B, nb, forward, back);
#endif
        default: return kernel_portable::solvePackedCholesky(n, packed, B, nb, forward, back);
    }
}

}  // namespace corvane
