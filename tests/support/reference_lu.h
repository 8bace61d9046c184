#pragma once
// The plain loops of the compact LU factorisation with its pivot search (each
// candidate row tried in the pivot position and exchanged back) and of the
// solve with its factors: the reference the fast kernels must reproduce bit
// for bit.

#include "kernels/lu_kernel.h"
#include "problem/matrix.h"

namespace corvane::testing {

// Same contract as factorLu (order: 1-based rows), search switch 1.
LuOutcome referenceFactorLu(int n, RealMatrix& A, Vector<int>& order, float threshold, int& exchanges);

// x = the solution for b (n values) with the factors and order of the factorisation.
void referenceSolveLu(int n, const RealMatrix& A, const Vector<int>& order, const float* b, float* x);

}  // namespace corvane::testing
