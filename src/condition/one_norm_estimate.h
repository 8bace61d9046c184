#pragma once
// cond1(A) = ‖A‖₁·‖A⁻¹‖₁ estimated from the factors a direct method made, by
// Hager's method as Higham refined it (the estimator of LAPACK's xGECON and
// xPOCON): a few solves with A and Aᵀ through the factors, no inverse and no
// extra n × n array. The estimate of ‖A⁻¹‖₁ is a lower bound, in practice
// within a small factor of it. The estimator works in double precision.

#include <functional>
#include <vector>

#include "problem/matrix.h"

namespace corvane {

// Solves M·y = v in place (v becomes y), and M·y = w too when w is given, in
// the same pass over the factors.
using InPlaceSolve = std::function<void(std::vector<double>& v, std::vector<double>* w)>;

// An estimate of ‖M⁻¹‖₁ for the n × n matrix M, given solves with M and Mᵀ
// (the solves with Mᵀ are given one vector at a time).
double estimateInverseOneNorm(int n, const InPlaceSolve& solve, const InPlaceSolve& solveTransposed);

// cond1 of `original` (n x n) from factors L·U of its rows in some order
// (unit lower L below the diagonal, U on and above it); the order of the
// rows changes neither norm.
double conditionOneFromLu(int n, const RealMatrix& original, const RealMatrix& factors);

// cond1 of the symmetric matrix whose packed upper triangle is `original`,
// from its packed factor S (SᵀS = A).
double conditionOneFromCholesky(int n, const RealVector& original, const RealVector& factor);

}  // namespace corvane
