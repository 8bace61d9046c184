#pragma once
// `corvane compare`: every applicable method on one read problem, side by side.

#include <string>

#include "CLI/CLI.hpp"
#include "cli/solve_options.h"
#include "problem/problem_state.h"

namespace corvane {

struct CompareOptions {
    SolveOptions read;  // the problem, the matrix and the iteration parameters, as solve takes them
    bool csv = false;
};

void defineCompareOptions(CLI::App& compare, CompareOptions& options);

// Reads the problem as compare runs it: as solve reads it for Gauss (the
// whole matrix; Cholesky takes its upper triangle), the file left as it is.
// Returns 0, or the exit status of a usage error (1) or a failed read (2)
// after telling it on standard error.
int readComparedProblem(const SolveOptions& options, ProblemState& state);

// Reads the problem (the file is never written), runs every applicable
// method and prints the table. Returns the exit status.
int runCompare(const CompareOptions& options);

}  // namespace corvane
