#include "dialog/text_file.h"

#include <fstream>

namespace corvane {

bool writeTextFile(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    return !out.fail();
}

}  // namespace corvane
