#pragma once
// nos4 (order 100, symmetric positive definite, tests/data/matrices) with
// b = A·(1, ..., 1), imported and read for SOR: SOR converges on it for every
// factor below 2, yet from 1.7 on its dx grows for a few sweeps early on.

#include "problem/problem_state.h"

namespace corvane::testing {

ProblemState nos4ForSor(const char* eps, const char* nlim);

}  // namespace corvane::testing
