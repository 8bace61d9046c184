#include "direct/lu_kernel.h"

#include "direct/kernel_variants.h"

namespace corvane {

LuOutcome factorLu(int n, float* A, int* order, float threshold, int& exchanges) {
    switch (selectedKernelLevel()) {
#if defined(__x86_64__)
        case KernelLevel::Avx512: return kernel_avx512::factorLu(n, A, order, threshold, exchanges);
        case KernelLevel::Avx2: return kernel_avx2::factorLu(n, A, order, threshold, exchanges);
#endif
        default: return kernel_portable::factorLu(n, A, order, threshold, exchanges);
    }
}

void solveLu(int n, const float* A, const int* order, const float* B, float* X, int nb) {
    switch (selectedKernelLevel()) {
#if defined(__x86_64__)
        case KernelLevel::Avx512: return kernel_avx512::solveLu(n, A, order, B, X, nb);
        case KernelLevel::Avx2: return kernel_avx2::solveLu(n, A, order, B, X, nb);
#endif
        default: return kernel_portable::solveLu(n, A, order, B, X, nb);
    }
}

}  // namespace corvane
