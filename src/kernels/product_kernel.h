#pragma once
// Matrix products with the plain loops' roundings (the solution check's
// A·X and the 2-norm's XᵀX, and the same products in double precision for
// the residuals measured beside a report), on raw arrays, organised for speed.

#include "kernels/kernel_level.h"
#include "kernels/kernel_progress.h"

namespace corvane {

// The left factor of a product, handed out by blocks, so that it may be held
// in any form (a full matrix, its transpose, a packed symmetric triangle).
class ProductFactor {
public:
    virtual ~ProductFactor() = default;
    // out[k * stride + r] = F(i0 + r, j0 + k) for r < rows and k < steps,
    // indices from 0.
    virtual void copyBlock(int i0, int rows, int j0, int steps, float* out, int stride) const = 0;
};

// D = D + F·X for F (n x n), X (n x columns, leading dimension ldx) and D
// (n x columns, leading dimension n), all column by column: each D(i,c) takes
// F(i,j) * X(j,c) for j = 1..n in increasing order, every product and sum
// rounded to single precision.
void multiplyAdd(int n, int columns, const ProductFactor& F, const float* X, long ldx, float* D);

// The same product in double precision: each D(i,c) takes double(F(i,j)) *
// double(X(j,c)) for j = 1..n in increasing order, every sum rounded to
// double (the products of two floats are exact), so D is the plain double
// loop's, bit for bit, for any number of threads. `progress` hears the steps
// done (stage Product) between chunks of steps.
void multiplyAddWidened(int n, int columns, const ProductFactor& F, const float* X, long ldx, double* D,
                        KernelProgress* progress);

}  // namespace corvane
