#pragma once
// Why a file chosen as the results file cannot be opened for reading and
// writing, told to the user in the interface language.

#include <string>

namespace corvane {

// The reason, as a sentence (1 Romanian, 2 English): a folder or a device
// instead of a file, a file that is read-only (no one may write it), a
// read-only file system, or the system's own reason (permission denied, a
// missing folder, ...). Empty when the file could be opened now after all.
std::string openFailureReason(const std::string& path, int language);

// The same for a file that must be there (a Read never creates one): a path
// that names no file in a folder that exists gets "the file does not exist".
std::string existingFileFailureReason(const std::string& path, int language);

// "The file does not exist.", as a sentence.
std::string missingFileReason(int language);

// The system's reason for an errno value, as a sentence: in Romanian for the
// common ones when the interface is, else the system's own words.
std::string systemFailureReason(int error, int language);

}  // namespace corvane
