#pragma once
// The inner loops of the iterative methods and of the power method, on raw
// arrays, organised for speed with the plain loops' roundings.

#include "kernels/kernel_level.h"

namespace corvane {

// One Gauss-Seidel sweep on A (n x n, column by column): for i = 1..n in
// order, x1(i) = (b1(i) - s) / a(i,i) where s is the sum over j != i of
// a(i,j) * y(j), y(j) = x1(j) for j < i and x0(j) for j > i, added from 0 in
// increasing j.
void gaussSeidelSweep(int n, const float* A, const float* b1, const float* x0, float* x1);

// z = C * z0 for the complex n x n matrix C = A + i*diag(diagonalIm) (A real,
// column by column; imaginary parts on the diagonal only) and a complex
// vector stored as pairs (re, im): z(j) = 0, then for l = 1..n in order
// z(j) = z(j) + c(j,l) * z0(l), the complex product formed as
// (ar*zr - ai*zi, ar*zi + ai*zr) with every product and sum rounded, ai = +0
// off the diagonal.
void complexMatrixVector(int n, const float* A, const float* diagonalIm, const float* z0, float* z);

}  // namespace corvane
