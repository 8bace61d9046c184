#pragma once
// Data files that cannot be read, and odd ones that can, each with the choices
// the user made before Read. Run through the command line and the dialog.

#include <string>
#include <vector>

namespace corvane::testing {

// What the user chose before Read; the method is Gauss.
struct ProblemChoice {
    std::string problem = "system";  // system or inverse
    std::string matrix = "general";  // general or symmetric
    std::string generator;           // empty: the matrix comes from the file
};

struct BadInput {
    const char* name;
    std::string text;  // the data file
    ProblemChoice choice;
    int status;          // of `corvane solve`
    std::string title;   // of the message
    std::string message;
};

std::vector<BadInput> badInputs();

struct OddButValid {
    const char* name;
    std::string text;
    ProblemChoice choice;
    std::string solutionLine;  // a line the report must hold
};

std::vector<OddButValid> oddButValidInputs();

// The options of `corvane solve` for the choice.
std::vector<std::string> solveOptions(const ProblemChoice& choice);

}  // namespace corvane::testing
