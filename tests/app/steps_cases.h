#pragma once
// Problems whose steps the tests follow: the worked examples, small systems
// made to meet each kind of step, and random small problems of both layouts,
// each read from a data file as the command line reads it.

#include <string>
#include <vector>

#include "problem/problem_state.h"

namespace corvane::testing {

struct StepsCase {
    std::string name;
    std::string data;     // the data file's text
    std::string method;   // as --method takes it
    std::string matrix = "general";
    std::string problem = "system";
    std::string eps = {}, nlim = {}, omega = {};
};

// Reads the case's data file with its options; fails the test when it cannot.
ProblemState readStepsCase(const StepsCase& c);

// The worked examples of examples/ and the hand-made systems, with every
// method that applies to each.
std::vector<StepsCase> workedStepsCases();

// Random problems of order 1..6 with 1..3 right-hand sides (and inverses):
// general matrices (some entries exactly 0) for Gauss, LU, Gauss-Seidel and
// SOR, and symmetric positive definite ones given by their upper triangle
// for Cholesky and, read in full, for the others.
std::vector<StepsCase> randomStepsCases(unsigned seed, int count);

}  // namespace corvane::testing
