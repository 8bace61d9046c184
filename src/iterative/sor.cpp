#include "iterative/sor.h"

#include "iterative/iteration.h"
#include "iterative/row_ordering.h"
#include "problem/messages.h"

namespace corvane {
namespace {

// On the scaled system (unit diagonal): t = (b1(i) - s1) - s2, with s1 over the
// values of this sweep (j < i) and s2 over those of the previous one (j > i).
// The first component takes t as it is; the others are relaxed,
// x1(i) = OMEGA*t + OMEGA1*x0(i).
void sorSweep(const ProblemState& state, const RealVector& B1, const RealVector& X0, RealVector& X1) {
    const RealMatrix& A = state.A;
    const int n = state.n;
    for (int i = 1; i <= n; ++i) {
        float s1 = 0.0f;
        for (int j = 1; j < i; ++j) s1 = s1 + A(i, j) * X1(j);
        float s2 = 0.0f;
        for (int j = i + 1; j <= n; ++j) s2 = s2 + A(i, j) * X0(j);
        const float t = (B1(i) - s1) - s2;
        if (i == 1) {
            X1(i) = t;
        } else {
            const float relaxed = state.OMEGA * t;
            const float kept = state.OMEGA1 * X0(i);
            X1(i) = relaxed + kept;
        }
    }
}

}  // namespace

std::string_view sorPrecheck(const ProblemState& state) {
    return state.EPS == 0 || state.NLIM == 0 || state.OMEGA == 0 ? message::kEnterEpsNlimOmega : std::string_view();
}

void SOR(RunContext& context) {
    if (!prepareForIteration(context)) return;
    scaleByDiagonal(context);
    iterateEveryRightHandSide(context, sorSweep);
}

}  // namespace corvane
