#pragma once
// Whole files in and out for the import: a file read at once, and a file
// written beside its place and renamed over it, so that a failed write
// leaves no file, or the file that was there, as it was.

#include <optional>
#include <string>
#include <system_error>

namespace corvane {

// The file's text; none, with the system's reason in `error`, when it
// cannot be read.
std::optional<std::string> readWholeFile(const std::string& path, std::error_code& error);

// The file's first `count` bytes (fewer when it is shorter), as readWholeFile.
std::optional<std::string> readFileStart(const std::string& path, std::size_t count, std::error_code& error);

// Writes the text as the file at `path`; the system's reason when it
// cannot, and then the file that was there is left as it was.
std::error_code replaceWholeFile(const std::string& path, const std::string& text);

// Whether both paths name one existing file (through links or another
// spelling), so that writing one would replace the other.
bool sameFile(const std::string& path, const std::string& other);

}  // namespace corvane
