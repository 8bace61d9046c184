#pragma once
// Instruction sets the numerical kernels are built for. The best one the
// processor supports is used unless another is selected (the tests compare
// them all with the plain loops).

#include <vector>

namespace corvane {

enum class KernelLevel { Portable, Avx2, Avx512 };

std::vector<KernelLevel> supportedKernelLevels();
KernelLevel selectedKernelLevel();
void selectKernelLevel(KernelLevel level);
const char* kernelLevelName(KernelLevel level);

}  // namespace corvane
