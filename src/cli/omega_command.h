#pragma once
// `corvane omega`: the relaxation explorer from the command line.

#include <string>

#include "CLI/CLI.hpp"

namespace corvane {

struct OmegaOptions {
    std::string dataFile;
    std::string matrix = "general";
    std::string generate;
    bool invertEntries = false;
    std::string eps;
    std::string nlim;
    double from = 0.05;
    double to = 1.95;
    double step = 0.05;
    bool csv = false;
};

void defineOmegaOptions(CLI::App& omega, OmegaOptions& options);

// Reads the problem (the file is never written), runs the explorer and
// prints its rows and the best factor. Returns the exit status.
int runOmega(const OmegaOptions& options);

}  // namespace corvane
