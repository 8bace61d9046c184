#include "cli/thread_count.h"

#include <charconv>
#include <string_view>

#include "kernels/kernel_threads.h"

namespace corvane {
namespace {

// The count a variable's text names, or 0 when it names none in range.
int countFromText(std::string_view text) {
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size()) return 0;
    return count >= 1 && count <= kMaxKernelThreads ? count : 0;
}

}  // namespace

std::string applyThreadCount(int option, const char* environment) {
    if (option > 0) {
        setKernelThreads(option);
        return "";
    }
    if (environment == nullptr || *environment == '\0') {
        setKernelThreads(hardwareThreads());
        return "";
    }
    const int count = countFromText(environment);
    if (count == 0) {
        return std::string(kThreadsVariable) + " must be a whole number from 1 to " + std::to_string(kMaxKernelThreads) +
               ", not \"" + environment + "\"";
    }
    setKernelThreads(count);
    return "";
}

std::string threadsOptionHelp() {
    return std::string("threads for the direct methods, the solution check and the condition numbers' products "
                       "(default: ") +
           kThreadsVariable + ", else every hardware thread); the report is the same for any count";
}

}  // namespace corvane
