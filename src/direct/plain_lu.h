#pragma once
// The plain loops of the compact LU factorisation with its pivot search (each
// candidate row tried in the pivot position and exchanged back) and of the
// solve with its factors. They give the bits of the fast kernels (whose tests
// hold them as the reference) and tell each step to a listener: a run
// followed step by step takes them.

#include "kernels/lu_kernel.h"
#include "problem/matrix.h"
#include "problem/step_listener.h"

namespace corvane {

// Same contract as factorLu (order: 1-based rows), search switch 1; `steps`,
// when given, hears each pivot search with its candidates, each entry of U
// and of L, and a diagonal element below the threshold.
LuOutcome plainFactorLu(int n, RealMatrix& A, Vector<int>& order, float threshold, int& exchanges,
                        StepListener* steps = nullptr);

// x = the solution for b (n values) with the factors and order of the
// factorisation; `steps`, when given, hears each y(i) of the forward and each
// x(i) of the back substitution as those of right-hand side `rhs`.
void plainSolveLu(int n, const RealMatrix& A, const Vector<int>& order, const float* b, float* x,
                  StepListener* steps = nullptr, int rhs = 1);

}  // namespace corvane
