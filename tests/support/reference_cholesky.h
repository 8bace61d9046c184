#pragma once
// The plain loops of the square-root factorisation on the packed upper
// triangle and of its two solves: the reference the fast kernels must
// reproduce bit for bit.

#include "kernels/cholesky_kernel.h"
#include "problem/matrix.h"

namespace corvane::testing {

// Same contract as factorPackedCholesky.
CholeskyOutcome referenceFactorPackedCholesky(int n, RealVector& packed);
// S^T y = b in place (b: n values).
void referenceForward(int n, const RealVector& S, float* b);
// S x = y in place.
void referenceBack(int n, const RealVector& S, float* b);

}  // namespace corvane::testing
