#pragma once
// The solutions a SOLVE reports, for whoever listens besides the report (the
// true error against a known answer).

#include "problem/matrix.h"

namespace corvane {

class SolutionListener {
public:
    virtual ~SolutionListener() = default;
    // Column k of X is the solution the report gives for right-hand side k
    // (for an inverse, column k of the inverse).
    virtual void solutionsReady(const RealMatrix& X) = 0;
};

}  // namespace corvane
