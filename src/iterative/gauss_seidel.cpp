#include "iterative/gauss_seidel.h"

#include "iterative/iteration.h"

namespace corvane {
namespace {

// x1(i) = (b1(i) - sum over j != i of a(i,j)*y(j)) / a(i,i), where y(j) is the
// value of this sweep for j < i and of the previous sweep for j > i.
void gaussSeidelSweep(const ProblemState& state, const RealVector& B1, const RealVector& X0, RealVector& X1) {
    const RealMatrix& A = state.A;
    for (int i = 1; i <= state.n; ++i) {
        float s = 0.0f;
        for (int j = 1; j <= state.n; ++j) {
            if (j == i) continue;
            const float y = j < i ? X1(j) : X0(j);
            s = s + A(i, j) * y;
        }
        X1(i) = (B1(i) - s) / A(i, i);
    }
}

}  // namespace

void GAUSS_SEIDEL(RunContext& context) {
    if (!prepareForIteration(context)) return;
    iterateEveryRightHandSide(context, gaussSeidelSweep);
}

}  // namespace corvane
