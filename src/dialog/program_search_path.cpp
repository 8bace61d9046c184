#include "dialog/program_search_path.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace corvane {
namespace {

namespace fs = std::filesystem;

bool isFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::optional<fs::path> programDirectory() {
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    return program.parent_path();
}

}  // namespace

std::optional<std::string> findOnProgramSearchPath(const std::string& name) {
    if (std::optional<fs::path> directory = programDirectory(); directory && isFile(*directory / name)) {
        return (*directory / name).string();
    }
    if (isFile(name)) return name;
    const char* path = std::getenv("PATH");
    std::string_view rest = path != nullptr ? path : "";
    while (!rest.empty()) {
        std::size_t colon = rest.find(':');
        std::string_view directory = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
        if (!directory.empty() && isFile(fs::path(directory) / name)) return (fs::path(directory) / name).string();
    }
    return std::nullopt;
}

}  // namespace corvane
