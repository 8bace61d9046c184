#include "direct/cholesky_factorisation.h"

#include <algorithm>

#include "direct/kernel_step_boundaries.h"
#include "direct/plain_cholesky.h"
#include "kernels/cholesky_kernel.h"
#include "report/matrix_printing.h"

namespace corvane {
namespace {

// Right-hand sides solved between two step boundaries: at n = 4000 a group
// takes a few hundredths of a second.
constexpr int kColumnsPerStep = 32;

void writeNotPositiveDefinite(RecordWriter& out, int n, int j, float radicand) {
    const int w = WIDTH(n + 1);
    out.write("(/, a)", {" * Matricea nu este pozitiv definita:"});
    out.write(formatList("(a, i<>, a, i<>, a, i<>, a, 1pg15.7)", w, w, w),
              {" Linia ", j, ": s(", j, ",", j, ") =", radicand});
}

}  // namespace

int SUB_CHOLESKY_S(int n, RealVector& A, RecordWriter& report, RecordWriter& console, RunProgress* progress,
                   StepListener* steps) {
    if (n < 1) return 0;
    KernelStepBoundaries boundaries(progress, RunPhase::Factorisation);
    const CholeskyOutcome outcome = steps != nullptr ? plainFactorPackedCholesky(n, A, steps)
                                                     : factorPackedCholesky(n, A.data(), boundaries.forKernel());
    if (outcome.failedRow == 0) return 0;
    writeNotPositiveDefinite(console, n, outcome.failedRow, outcome.radicand);
    writeNotPositiveDefinite(report, n, outcome.failedRow, outcome.radicand);
    return -1;
}

void solveColumnsWithFactor(int n, const RealVector& S, RealMatrix& B, int nb, RunProgress* progress,
                            StepListener* steps) {
    if (steps != nullptr) {
        for (int k = 1; k <= nb; ++k) {
            plainForward(n, S, B.column(k), steps, k);
            plainBack(n, S, B.column(k), steps, k);
        }
        return;
    }
    // Each column is solved on its own, so the groups give the columns of one call.
    for (int first = 1; first <= nb; first += kColumnsPerStep) {
        stepBoundary(progress, RunPhase::Substitution, first - 1, nb);
        solvePackedCholesky(n, S.data(), B.column(first), std::min(kColumnsPerStep, nb - first + 1), true, true);
    }
}

}  // namespace corvane
