#pragma once
// The options of `corvane solve`, each standing for one control of the main
// dialog, and how they set the problem state.

#include <string>

#include "cli/plot_options.h"
#include "problem/messages.h"
#include "problem/problem_state.h"

namespace corvane {

struct SolveOptions {
    std::string dataFile;
    std::string problem = "system";
    std::string matrix = "general";
    std::string generate;  // empty: the matrix comes from the data file
    bool invertEntries = false;
    std::string method;
    std::string norm;
    std::string eps;
    std::string nlim;
    std::string omega;
    bool printMatrix = false;
    bool printDeterminant = false;
    bool printIterations = false;
    std::string check = "max";
    std::string reportTo;
    int solves = 1;
    std::string history;  // Gauss-Seidel and SOR: the last SOLVE's sweeps as CSV
    bool quiet = false;   // no conditioning warning
    std::string exact;    // "ones" or a file of the exact solutions: the true error of x
    PlotOptions plot;     // Gauss-Seidel and SOR: the last SOLVE's convergence chart
    bool progress = false;    // show the progress on standard error, terminal or not
    bool noProgress = false;  // never show it
};

// Sets the state as the dialog's controls would, in the order a user sets
// them (problem, matrix, source, method, norm, texts, print and check options).
// Returns an error text for a combination the dialog cannot express, else "".
std::string applySolveOptions(const SolveOptions& options, ProblemState& state, MessageService& messages);

// The layout, the source of A (a test matrix by name) and --invert-entries,
// as `solve` and `omega` take them. Returns an error text, or "".
std::string applyMatrixOptions(const std::string& matrix, const std::string& generate, bool invertEntries,
                               ProblemState& state);

// The test matrices' names as the command line takes them, for help and
// error texts: Hilbert, Lotkin, ..., "Constant Band".
std::string testMatrixNames();

}  // namespace corvane
