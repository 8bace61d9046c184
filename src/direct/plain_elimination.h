#pragma once
// The textbook loops of Gaussian elimination with partial pivoting and back
// substitution, element by element in the order of the steps. They give the
// bits of the fast kernel (whose tests hold them as the reference) and tell
// each step to a listener: a run followed step by step takes them.

#include "kernels/elimination_kernel.h"
#include "problem/matrix.h"
#include "problem/step_listener.h"

namespace corvane {

// Same contract as eliminateAndSolve; `steps`, when given, hears each step
// of the elimination (with its multipliers), a pivot below the threshold,
// and each x(i) of the back substitution.
EliminationOutcome plainEliminateAndSolve(int n, int nb, RealMatrix& A, RealMatrix& B, float threshold,
                                          int& interchanges, StepListener* steps = nullptr);

}  // namespace corvane
