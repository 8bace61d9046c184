#pragma once
// The classic test matrices: Hilbert, Lotkin, Companion, Wilkinson 5,
// Wilkinson 20, Cauchy and the constant band, built from the order and the
// constants of the data file.

#include <string_view>

#include "problem/matrix.h"

namespace corvane {

// Sets A (n x n) to zero and fills the matrix named; a name that matches no
// generator leaves A zero. The caller makes sure the constants suffice
// (generatorInputSuffices).
void GEN_A(int n, RealMatrix& A, int nc, const RealVector& c, std::string_view name);

// True when the generator named gets the order and the constants it needs.
bool generatorInputSuffices(std::string_view name, int n, int nc);

}  // namespace corvane
