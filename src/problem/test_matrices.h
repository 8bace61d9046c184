#pragma once
// The classic test matrices: Hilbert, Lotkin, Companion, Wilkinson 5,
// Wilkinson 20, Cauchy and the constant band, built from the order and the
// constants of the data file. One table row per matrix: the generator list,
// the reader, the run header, the dialog and the command line all read it,
// so a new test matrix is one row and one fill function.

#include <span>
#include <string_view>

#include "problem/matrix.h"

namespace corvane {

struct TestMatrix {
    std::string_view name;         // the list entry and the name in the reports (Romanian)
    std::string_view englishName;  // the list entry in English; the command line takes both
    // Whether the order n and the nc constants are enough to build it.
    bool (*inputSuffices)(int n, int nc);
    // Fills A (n x n, all zero on entry) from the constants c(1..nc).
    void (*fill)(int n, RealMatrix& A, int nc, const RealVector& c);
};

inline constexpr int kTestMatrixCount = 7;

// The test matrices in the order of the generator list (IGENERATA 1, 2, ...).
std::span<const TestMatrix, kTestMatrixCount> testMatrices();

// The test matrix of a 1-based list position; nullptr outside the list.
const TestMatrix* testMatrixAt(int position);

// The 1-based list position of the test matrix with this name in either
// language, letters compared without regard to case; 0 when none has it.
int testMatrixPosition(std::string_view name);

// Sets A (n x n) to zero and fills the matrix named; a name that matches no
// generator leaves A zero. The caller makes sure the constants suffice
// (generatorInputSuffices).
void GEN_A(int n, RealMatrix& A, int nc, const RealVector& c, std::string_view name);

// True when the generator named gets the order and the constants it needs.
bool generatorInputSuffices(std::string_view name, int n, int nc);

}  // namespace corvane
