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

// Opens the file for reading; false, with the reason in `error`, when it
// cannot be read (a folder opens on this system, then reads nothing).
bool openForReading(const std::string& path, std::ifstream& in, std::error_code& error) {
    if (std::filesystem::is_directory(path, error)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    errno = 0;
    in.open(path, std::ios::binary);
    if (!in) {
        error = lastError();
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path, std::error_code& error) {
    std::ifstream in;
    if (!openForReading(path, in, error)) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (!in || in.bad()) {
        error = lastError();
        return std::nullopt;
    }
    error.clear();
    return text.str();
}

std::optional<std::string> readFileStart(const std::string& path, std::size_t count, std::error_code& error) {
    std::ifstream in;
    if (!openForReading(path, in, error)) return std::nullopt;
    std::string start(count, '\0');
    in.read(start.data(), static_cast<std::streamsize>(count));
    if (in.bad()) {
        error = lastError();
        return std::nullopt;
    }
    start.resize(static_cast<std::size_t>(in.gcount()));
    error.clear();
    return start;
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
