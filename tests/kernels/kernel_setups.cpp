#include "kernels/kernel_setups.h"

namespace corvane::testing {

std::vector<KernelSetup> kernelSetups() {
    std::vector<KernelSetup> setups;
    for (KernelLevel level : supportedKernelLevels()) {
        for (int threads : {1, 2, 3, 5}) setups.push_back({level, threads});
    }
    return setups;
}

std::string kernelSetupName(const KernelSetup& setup) {
    return std::string(kernelLevelName(setup.level)) + ", " + std::to_string(setup.threads) +
           (setup.threads == 1 ? " thread" : " threads");
}

}  // namespace corvane::testing
