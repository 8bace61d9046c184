#pragma once
// The help file on the generated test matrices: 140 lines of Romanian text,
// written when the user asks for it and it cannot be found.

#include <array>
#include <string>

namespace corvane {

inline constexpr int kGeneratedHelpLines = 140;

// The lines of the file, without trailing blanks; most of them are empty.
const std::array<std::string, kGeneratedHelpLines>& generatedMatrixHelpLines();

// Writes the file at `path`, replacing an existing one; each line ends with
// CR LF. Returns false when the file could not be written.
bool CREATE_GEN_HELPFILE(const std::string& path);

}  // namespace corvane
