#pragma once
// The matrix product of the condition number's 2-norm, on raw arrays,
// organised for speed with the plain loop's roundings.

#include "direct/kernel_level.h"

namespace corvane {

// M = XᵀX for X (n x n, column by column): M(j,i) = sum over k = 1..n in
// increasing order of X(k,j) * X(k,i), from 0, every product and sum rounded
// to single precision. M is n x n, column by column.
void transposeTimesSelf(int n, const float* X, float* M);

}  // namespace corvane
