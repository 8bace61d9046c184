#pragma once
// The plain loops of the square-root factorisation on the packed upper
// triangle and of its two solves. They give the bits of the fast kernels
// (whose tests hold them as the reference) and tell each step to a listener:
// a run followed step by step takes them.

#include "kernels/cholesky_kernel.h"
#include "problem/matrix.h"
#include "problem/step_listener.h"

namespace corvane {

// Same contract as factorPackedCholesky; `steps`, when given, hears each
// entry of S with its sum, and a radicand that is not positive.
CholeskyOutcome plainFactorPackedCholesky(int n, RealVector& packed, StepListener* steps = nullptr);
// S^T y = b in place (b: n values); `steps` hears each y(j) as one of
// right-hand side `rhs`.
void plainForward(int n, const RealVector& S, float* b, StepListener* steps = nullptr, int rhs = 1);
// S x = y in place; `steps` hears each x(i).
void plainBack(int n, const RealVector& S, float* b, StepListener* steps = nullptr, int rhs = 1);

}  // namespace corvane
