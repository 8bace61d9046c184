#pragma once
// The inverse of the generated band matrix of order n with 4 on the diagonal
// and 1 beside it, read as the comparison reads it (the matrix in full): a
// comparison that lasts, at the larger orders, without a data file.

#include "problem/problem_state.h"

namespace corvane::testing {

ProblemState bandInverse(int n);

}  // namespace corvane::testing
