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

// Selects a variant while it lives and then restores the one selected before
// (the tests and benchmarks compare the variants).
class KernelLevelOverride {
public:
    explicit KernelLevelOverride(KernelLevel level) : previous_(selectedKernelLevel()) { selectKernelLevel(level); }
    ~KernelLevelOverride() { selectKernelLevel(previous_); }
    KernelLevelOverride(const KernelLevelOverride&) = delete;
    KernelLevelOverride& operator=(const KernelLevelOverride&) = delete;

private:
    KernelLevel previous_;
};

}  // namespace corvane
