#pragma once
// What Gauss-Seidel and SOR share: the sweeps from the zero vector for every
// right-hand side, the stop tests, the iteration history, the outcome and the
// last iterate of each right-hand side, and the closing solution check.

#include <string_view>

#include "problem/matrix.h"
#include "problem/run_context.h"

namespace corvane {

// Why the sweeps of a right-hand side ended; the code picks its text (outcomeText).
enum IterationOutcome {
    kStagnation = -2,      // a difference equal to the previous one
    kDivergence = -1,      // the second difference that did not decrease
    kToleranceReached = 0,
    kLimitReached = 1,     // decreasing, but NLIM sweeps were used up
};

// The outcome text, 30 characters with its trailing blanks.
std::string_view outcomeText(int outcome);

// Largest |v(i)|, i = 1..len, skipping components that are not numbers
// (-infinity when every component is one); -3.4028235E+38 for len < 1.
float largestMagnitude(const float* v, int len);

// One sweep: computes the new iterate X1 from the previous one X0 for the
// right-hand side B1, on the problem state's A.
using Sweep = void (*)(const ProblemState& state, const RealVector& B1, const RealVector& X0, RealVector& X1);

// Prints the system on request and puts a usable entry on every diagonal
// place; false when the method has to end there.
bool prepareForIteration(RunContext& context);

// Iterates every right-hand side of the problem state with the given sweep,
// reports each outcome and last iterate, and ends with the solution check on
// A and B as they are now.
void iterateEveryRightHandSide(RunContext& context, Sweep sweep);

}  // namespace corvane
