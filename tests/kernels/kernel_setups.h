#pragma once
// The ways a kernel can be run that must all give the same bits: every
// instruction-set variant this processor supports, each with 1, 2, 3 and 5
// threads (one, an even and two odd splits of the tiles).

#include <string>
#include <vector>

#include "kernels/kernel_level.h"
#include "kernels/kernel_threads.h"

namespace corvane::testing {

struct KernelSetup {
    KernelLevel level;
    int threads;
};

std::vector<KernelSetup> kernelSetups();

// "avx2, 3 threads"
std::string kernelSetupName(const KernelSetup& setup);

// Selects a setup while it lives, then restores the one before.
class KernelSetupOverride {
public:
    explicit KernelSetupOverride(const KernelSetup& setup) : level_(setup.level), threads_(setup.threads) {}

private:
    KernelLevelOverride level_;
    KernelThreadsOverride threads_;
};

}  // namespace corvane::testing
