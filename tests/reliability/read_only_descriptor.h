#pragma once
// Makes the descriptor through which this process has a file open refuse
// writes, as when the file system under an open file turns read-only.

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace corvane::testing {

// Returns false when this process has no descriptor open on `path`.
inline bool stopWritesThroughOpenDescriptor(const std::string& path) {
    const std::filesystem::path target = std::filesystem::canonical(path);
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (std::filesystem::read_symlink(entry.path(), error) != target) continue;
        const int readOnly = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        const int fd = std::stoi(entry.path().filename().string());
        const bool replaced = readOnly >= 0 && ::dup3(readOnly, fd, O_CLOEXEC) == fd;
        ::close(readOnly);
        return replaced;
    }
    return false;
}

}  // namespace corvane::testing
