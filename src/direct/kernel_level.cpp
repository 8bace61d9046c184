#include "direct/kernel_level.h"

namespace corvane {
namespace {

bool processorSupports(KernelLevel level) {
#if defined(__x86_64__)
    __builtin_cpu_init();
    switch (level) {
        case KernelLevel::Portable: return true;
        case KernelLevel::Avx2: return __builtin_cpu_supports("avx2");
        case KernelLevel::Avx512:
            return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
                   __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl");
    }
    return false;
#else
    return level == KernelLevel::Portable;
#endif
}

KernelLevel& currentLevel() {
    static KernelLevel level = supportedKernelLevels().back();
    return level;
}

}  // namespace

std::vector<KernelLevel> supportedKernelLevels() {
    std::vector<KernelLevel> levels;
    for (KernelLevel level : {KernelLevel::Portable, KernelLevel::Avx2, KernelLevel::Avx512}) {
        if (processorSupports(level)) levels.push_back(level);
    }
    return levels;
}

KernelLevel selectedKernelLevel() { return currentLevel(); }

void selectKernelLevel(KernelLevel level) {
    if (processorSupports(level)) currentLevel() = level;
}

const char* kernelLevelName(KernelLevel level) {
    switch (level) {
        case KernelLevel::Portable: return "portable";
        case KernelLevel::Avx2: return "avx2";
        case KernelLevel::Avx512: return "avx512";
    }
    return "?";
}

}  // namespace corvane
