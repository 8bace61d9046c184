#pragma once
// Whole files in and out for the import: a file read at once, and a file
// written beside its place and renamed over it, so that a failed write
// leaves no file, or the file that was there, as it was.

#include <optional>
#include <string>

namespace corvane {

std::optional<std::string> readWholeFile(const std::string& path);

bool replaceWholeFile(const std::string& path, const std::string& text);

}  // namespace corvane
