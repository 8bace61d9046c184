#include "direct/elimination_kernel.h"

#include "direct/kernel_variants.h"

namespace corvane {

EliminationOutcome eliminateAndSolve(int n, int nb, float* A, float* B, float threshold, int& interchanges) {
    switch (selectedKernelLevel()) {
#if defined(__x86_64__)
        case KernelLevel::Avx512: return kernel_avx512::eliminateAndSolve(n, nb, A, B, threshold, interchanges);
        case KernelLevel::Avx2: return kernel_avx2::eliminateAndSolve(n, nb, A, B, threshold, interchanges);
#endif
        default: return kernel_portable::eliminateAndSolve(n, nb, A, B, threshold, interchanges);
    }
}

}  // namespace corvane
