#pragma once
// Writing a whole text file at once, and the line ends of a text file that
// the user edits: the editor holds its lines ended by bare line feeds, and
// saving puts back each line's own line end.

#include <string>
#include <string_view>

namespace corvane {

// Returns false when the file could not be created or written completely.
bool writeTextFile(const std::string& path, std::string_view content);

// The file's text as the editor holds it: every CR LF becomes a line feed.
std::string withLineFeeds(std::string_view fileText);

// The bytes to save when `edited` (lines ended by line feeds) replaces
// `original` (the file as it was loaded). Lines of the file that are still
// there, unchanged or edited in place, keep their own line end (CR LF or LF);
// lines the user added, and a last line without a line end that now has
// lines after it, take the file's dominant line end: the one most lines of
// `original` end with (on a tie, the one of its last ended line; LF for a
// file without line ends). A last line without a line end stays without one.
std::string withOriginalLineEnds(std::string_view original, std::string_view edited);

}  // namespace corvane
