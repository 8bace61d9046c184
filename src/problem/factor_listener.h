#pragma once
// The factors a direct method made, for whoever listens besides the report
// (the conditioning warning estimates cond1(A) from them, with no copy).

#include "problem/matrix.h"

namespace corvane {

class FactorListener {
public:
    virtual ~FactorListener() = default;
    // Gauss or LU factored `original` (n x n) into `factors`: the multipliers
    // of a unit lower L below the diagonal, U on and above it, L·U equal to
    // the rows of `original` in some order.
    virtual void luFactorsReady(int n, const RealMatrix& original, const RealMatrix& factors) = 0;
    // Cholesky factored the packed upper triangle `original` into the packed
    // S with SᵀS equal to it.
    virtual void choleskyFactorReady(int n, const RealVector& original, const RealVector& factor) = 0;
};

}  // namespace corvane
