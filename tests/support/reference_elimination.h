#pragma once
// The textbook loops of Gaussian elimination with partial pivoting and back
// substitution, element by element in the order of the steps: the reference
// that the fast kernel must reproduce bit for bit.

#include "kernels/elimination_kernel.h"
#include "problem/matrix.h"

namespace corvane::testing {

// Same contract as eliminateAndSolve.
EliminationOutcome referenceEliminateAndSolve(int n, int nb, RealMatrix& A, RealMatrix& B, float threshold,
                                              int& interchanges);

}  // namespace corvane::testing
