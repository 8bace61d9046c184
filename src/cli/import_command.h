#pragma once
// `corvane import`: a data file from a Matrix Market matrix.

#include <string>

#include "CLI/CLI.hpp"

namespace corvane {

struct ImportOptions {
    std::string matrixFile;
    std::string rhs;  // "", "ones" or a Matrix Market array file
    std::string layout = "general";
    std::string title;
    std::string headerless;  // the storage of a file without a header
    std::string output;
};

void defineImportOptions(CLI::App& import, ImportOptions& options);

// Writes the data file, or nothing when the import fails. Returns the exit
// status.
int runImport(const ImportOptions& options);

}  // namespace corvane
