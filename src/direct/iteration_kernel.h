#pragma once
// The inner loops of the iterative methods and of the power method, on raw
// arrays, organised for speed with the plain loops' roundings.

#include "direct/kernel_level.h"

namespace corvane {

// One Gauss-Seidel sweep on A (n x n, column by column): for i = 1..n in
// order, x1(i) = (b1(i) - s) / a(i,i) where s is the sum over j != i of
// a(i,j) * y(j), y(j) = x1(j) for j < i and x0(j) for j > i, added from 0 in
// increasing j.
void gaussSeidelSweep(int n, const float* A, const float* b1, const float* x0, float* x1);

// z = A * z0 for a complex n x n matrix and vector stored as pairs (re, im),
// the matrix column by column: z(j) = 0, then for l = 1..n in order
// z(j) = z(j) + a(j,l) * z0(l), the complex product formed as
// (ar*zr - ai*zi, ar*zi + ai*zr) with every product and sum rounded.
void complexMatrixVector(int n, const float* A, const float* z0, float* z);

}  // namespace corvane
