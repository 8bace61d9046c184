#pragma once
// `corvane steps`: a method's working step by step, written as text, as a
// LaTeX document or as an HTML page.

#include <string>

#include "CLI/CLI.hpp"
#include "cli/solve_options.h"

namespace corvane {

struct StepsOptions {
    SolveOptions read;            // the problem, the matrix, the method and its iteration parameters
    std::string format = "text";  // text, latex or html
    std::string output = "-";     // a file, or "-" for standard output
    std::string language = "ro";  // ro or en
};

void defineStepsOptions(CLI::App& steps, StepsOptions& options);

// Reads the problem (the file is never written), runs the method following
// every step and writes them out. Returns the exit status.
int runSteps(const StepsOptions& options);

}  // namespace corvane
