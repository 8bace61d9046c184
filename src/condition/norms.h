#pragma once
// The infinity norm (largest row sum of magnitudes) and the 1-norm (largest
// column sum of magnitudes) of a square matrix.

#include "problem/matrix.h"

namespace corvane {

// Largest sum of |A(i,j)| over a row; 0 for n < 1. A sum that is not a
// number never becomes the result.
float NORM_INF(int n, const RealMatrix& A);

// Largest sum of |A(i,j)| over a column; 0 for n < 1.
float NORM1(int n, const RealMatrix& A);

}  // namespace corvane
