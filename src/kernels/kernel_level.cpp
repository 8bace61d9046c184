#include "kernels/kernel_level.h"

#include "kernels/kernel_table.h"
#include "kernels/kernel_variants.h"

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

// The selected variant and its table, chosen once at start-up: the best the
// processor supports.
struct Selection {
    KernelLevel level;
    const KernelTable* table;
};

Selection& selection() {
    static Selection chosen = [] {
        const KernelLevel best = supportedKernelLevels().back();
        return Selection{best, &kernelTable(best)};
    }();
    return chosen;
}

}  // namespace

std::vector<KernelLevel> supportedKernelLevels() {
    std::vector<KernelLevel> levels;
    for (KernelLevel level : {KernelLevel::Portable, KernelLevel::Avx2, KernelLevel::Avx512}) {
        if (processorSupports(level)) levels.push_back(level);
    }
    return levels;
}

KernelLevel selectedKernelLevel() { return selection().level; }

void selectKernelLevel(KernelLevel level) {
    if (processorSupports(level)) selection() = Selection{level, &kernelTable(level)};
}

const KernelTable& kernelTable(KernelLevel level) {
    if (!processorSupports(level)) return kernel_portable::kTable;
    switch (level) {
#if defined(__x86_64__)
        case KernelLevel::Avx512: return kernel_avx512::kTable;
        case KernelLevel::Avx2: return kernel_avx2::kTable;
#endif
        default: return kernel_portable::kTable;
    }
}

const KernelTable& selectedKernels() { return *selection().table; }

const char* kernelLevelName(KernelLevel level) {
    switch (level) {
        case KernelLevel::Portable: return "portable";
        case KernelLevel::Avx2: return "avx2";
        case KernelLevel::Avx512: return "avx512";
    }
    return "?";
}

}  // namespace corvane
