#pragma once
// Writing a whole text file at once, replacing what was there.

#include <string>
#include <string_view>

namespace corvane {

// Returns false when the file could not be created or written completely.
bool writeTextFile(const std::string& path, std::string_view content);

}  // namespace corvane
