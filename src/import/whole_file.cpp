#include "import/whole_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace corvane {
namespace {

// The reason of the stream operation that just failed: the system's, as
// the C library left it, or a plain input/output error.
std::error_code lastError() {
    const int error = errno;
    return error != 0 ? std::error_code(error, std::generic_category()) : std::make_error_code(std::io_errc::stream);
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path, std::error_code& error) {
    if (std::filesystem::is_directory(path, error)) {  // opens on this system, then reads nothing
        error = std::make_error_code(std::errc::is_a_directory);
        return std::nullopt;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    if (!in || in.bad()) {
        error = lastError();
        return std::nullopt;
    }
    error.clear();
    return text.str();
}

std::error_code replaceWholeFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".part";
    std::error_code error;
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) error = lastError();
    }
    if (!error) std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    }
    return error;
}

bool sameFile(const std::string& path, const std::string& other) {
    std::error_code ignored;
    return std::filesystem::equivalent(path, other, ignored);
}

}  // namespace corvane
