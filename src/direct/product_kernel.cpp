#include "direct/product_kernel.h"

#include "direct/kernel_variants.h"

namespace corvane {

void transposeTimesSelf(int n, const float* X, float* M) {
    switch (selectedKernelLevel()) {
#if defined(__x86_64__)
        case KernelLevel::Avx512: return kernel_avx512::transposeTimesSelf(n, X, M);
        case KernelLevel::Avx2: return kernel_avx2::transposeTimesSelf(n, X, M);
#endif
        default: return kernel_portable::transposeTimesSelf(n, X, M);
    }
}

}  // namespace corvane
