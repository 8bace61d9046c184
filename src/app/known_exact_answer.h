#pragma once
// The exact answers a SOLVE can be measured against without being told: the
// inverse of a generated Hilbert matrix, known in closed form, and the ones
// vector when every right-hand side was made as A·(1, ..., 1).

#include <optional>

#include "app/true_error.h"
#include "problem/problem_state.h"

namespace corvane {

// The largest order whose Hilbert inverse has every entry exact in double
// (all below 2⁵³; at order 13 the largest is about 1.1E+17).
inline constexpr int kLargestExactHilbertInverse = 12;

// The inverse of the Hilbert matrix of order n (1 ≤ n ≤ 12), every entry an
// integer: (-1)^(i+j) (i+j-1) C(n+i-1, n-j) C(n+j-1, n-i) C(i+j-2, i-1)².
ExactAnswer hilbertInverse(int n);

// The exact inverse when the read problem is the inverse of a generated
// Hilbert matrix of an order up to 12; none otherwise.
std::optional<ExactAnswer> knownExactInverse(const ProblemState& read);

// Ones when the read problem is a system whose every right-hand side equals
// A·(1, ..., 1) to about six significant digits (each row's sum of |a(i, j)|
// sets the scale), as a right-hand side typed from the row sums is; none
// otherwise.
std::optional<ExactAnswer> recognisedOnesSolution(const ProblemState& read);

}  // namespace corvane
