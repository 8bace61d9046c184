#pragma once
// Finding a file by name where programs are looked for: the directory of the
// running program, the current directory, then the directories of PATH.

#include <optional>
#include <string>

namespace corvane {

// The path of the first file of that name, or nothing. A file in the current
// directory is returned by its bare name.
std::optional<std::string> findOnProgramSearchPath(const std::string& name);

}  // namespace corvane
