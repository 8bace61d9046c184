#pragma once
// The passes over a matrix and over its factors that the estimate of cond1(A)
// makes, in double precision: the largest column sum and the solves with the
// factors. Each is shared over the kernel threads by whole rows or whole
// columns only (the unknowns of a solve taken in blocks: what a solved block
// subtracts from the rows still to solve, or the sums over the unknowns solved
// before a block, for each of its columns), so every value receives the same
// operations in the same order as on one thread: the results are the same bits
// for any number of threads.

#include <functional>
#include <vector>

#include "problem/matrix.h"

namespace corvane {

// The largest sum of |a(i,j)| over a column of the n × n A.
double largestColumnSum(const RealMatrix& A, int n);

// The same for the symmetric matrix whose packed upper triangle is `A`.
double largestColumnSumOfPacked(const RealVector& A, int n);

// L·U·y = v in place (and w too when given, in the same pass), with the unit
// lower L below the diagonal of `factors` and U on and above it.
void solveWithLu(const RealMatrix& factors, std::vector<double>& v, std::vector<double>* w);

// (L·U)ᵀ·y = v in place. Its Lᵀ half runs on one thread (each of its sums
// starts with the unknown solved just before it); `beside`, when given, runs
// on another thread meanwhile (after it when there is none).
void solveWithLuTransposed(const RealMatrix& factors, std::vector<double>& v,
                           const std::function<void()>& beside = nullptr);

// SᵀS·y = v in place (and w), with the packed upper S.
void solveWithCholesky(const RealVector& S, std::vector<double>& v, std::vector<double>* w);

}  // namespace corvane
