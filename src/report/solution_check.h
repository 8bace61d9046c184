#pragma once
// The residual check that ends every method's report: A0 times each computed
// solution minus its right-hand side, the largest difference or every one.

#include "problem/matrix.h"
#include "problem/run_progress.h"
#include "report/matrix_columns.h"
#include "textio/record_writer.h"

namespace corvane {

// The right-hand sides of a system as they were before it was solved. The
// columns of the identity (those of an inverse) are not copied: they are known.
class RightHandSidesAsGiven {
public:
    // A copy of B, which the solve is about to change.
    explicit RightHandSidesAsGiven(const RealMatrix& B);
    // B itself, for a method that leaves it as it is; B must outlive the result.
    static RightHandSidesAsGiven unchanged(const RealMatrix& B);

    RightHandSidesAsGiven(const RightHandSidesAsGiven&) = delete;
    RightHandSidesAsGiven& operator=(const RightHandSidesAsGiven&) = delete;

    float operator()(int i, int k) const {
        if (identity_) return i == k ? 1.0f : 0.0f;
        return (*matrix_)(i, k);
    }

private:
    RightHandSidesAsGiven(const RealMatrix& B, bool copy);

    bool identity_;
    RealMatrix copy_;
    const RealMatrix* matrix_;  // copy_ or B
};

// A0, B0: the system that was solved; X: the solutions, one per column.
// system: the right-hand sides are user data (else identity columns);
// eachEquation: print every equation's difference as well.
void PROBA(RecordWriter& out, int n, int nb, MatrixColumns A0, const RightHandSidesAsGiven& B0, const RealMatrix& X,
           bool system, bool eachEquation, RunProgress* progress = nullptr);

}  // namespace corvane
