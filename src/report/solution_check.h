#pragma once
// The residual check that ends every method's report: A0 times each computed
// solution minus its right-hand side, the largest difference or every one.

#include "problem/matrix.h"
#include "report/record_writer.h"

namespace corvane {

// A0, B0: the system that was solved; X: the solutions, one per column.
// system: the right-hand sides are user data (else identity columns);
// eachEquation: print every equation's difference as well.
void PROBA(RecordWriter& out, int n, int nb, const RealMatrix& A0, const RealMatrix& B0, const RealMatrix& X,
           bool system, bool eachEquation);

}  // namespace corvane
