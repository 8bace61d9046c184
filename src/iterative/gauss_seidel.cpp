#include "iterative/gauss_seidel.h"

#include "kernels/iteration_kernel.h"
#include "iterative/iteration.h"

namespace corvane {
namespace {

// x1(i) = (b1(i) - sum over j != i of a(i,j)*y(j)) / a(i,i), where y(j) is the
// value of this sweep for j < i and of the previous sweep for j > i (the
// kernel of iteration_kernel.h, with the plain loop's roundings).
void gaussSeidelSweep(const ProblemState& state, const RealVector& B1, const RealVector& X0, RealVector& X1) {
    corvane::gaussSeidelSweep(state.n, state.A.data(), B1.data(), X0.data(), X1.data());
}

}  // namespace

void GAUSS_SEIDEL(RunContext& context) {
    if (!prepareForIteration(context)) return;
    iterateEveryRightHandSide(context, gaussSeidelSweep);
}

}  // namespace corvane
