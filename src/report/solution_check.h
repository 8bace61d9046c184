#pragma once
// The residual check that ends every method's report: A0 times each computed
// solution minus its right-hand side, the largest difference or every one.

#include "problem/matrix.h"
#include "report/matrix_columns.h"
#include "report/record_writer.h"

namespace corvane {

// The right-hand sides of a system as they were before it was solved. The
// columns of the identity (those of an inverse) are not copied: they are known.
class RightHandSidesAsGiven {
public:
    explicit RightHandSidesAsGiven(const RealMatrix& B);
    float operator()(int i, int k) const {
        if (identity_) return i == k ? 1.0f : 0.0f;
        return copy_(i, k);
    }

private:
    bool identity_;
    RealMatrix copy_;
};

// A0, B0: the system that was solved; X: the solutions, one per column.
// system: the right-hand sides are user data (else identity columns);
// eachEquation: print every equation's difference as well.
void PROBA(RecordWriter& out, int n, int nb, MatrixColumns A0, const RightHandSidesAsGiven& B0, const RealMatrix& X,
           bool system, bool eachEquation);

}  // namespace corvane
