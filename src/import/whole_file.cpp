#include "import/whole_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace corvane {

std::optional<std::string> readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return in.bad() ? std::nullopt : std::optional<std::string>(text.str());
}

bool replaceWholeFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::filesystem::remove(temporary);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) std::filesystem::remove(temporary);
    return !error;
}

}  // namespace corvane
