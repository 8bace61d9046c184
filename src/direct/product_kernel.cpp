#include "direct/product_kernel.h"

#include "direct/kernel_variants.h"

namespace corvane {

void multiplyAdd(int n, int columns, const ProductFactor& F, const float* X, long ldx, float* D) {
    switch (selectedKernelLevel()) {
#if defined(__x86_64__)
        case KernelLevel::Avx512: return kernel_avx512::multiplyAdd(n, columns, F, X, ldx, D);
        case KernelLevel::Avx2: return kernel_avx2::multiplyAdd(n, columns, F, X, ldx, D);
#endif
        default: return kernel_portable::multiplyAdd(n, columns, F, X, ldx, D);
    }
}

}  // namespace corvane
