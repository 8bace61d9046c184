#include "direct/lu_factorisation.h"

#include <algorithm>
#include <vector>

#include "direct/kernel_step_boundaries.h"
#include "direct/plain_lu.h"
#include "kernels/lu_kernel.h"
#include "report/matrix_printing.h"

namespace corvane {
namespace {

// Right-hand sides solved between two step boundaries: at n = 4000 a group
// takes a few hundredths of a second.
constexpr int kColumnsPerStep = 32;

void reportFirstStepFailure(float u, RecordWriter& report, RecordWriter& console) {
    console.writeList({" u(1,1) =", u, " <", PRAG_LU});
    report.writeList({" u(1,1) =", u, " <", PRAG_LU});
}

void reportStepFailure(int j, float u, RecordWriter& report) {
    report.write("(/, a, i0, a, i0, a, 1pg15.7)", {" u(", j, ",", j, ") = ", u});
}

}  // namespace

int LUDECOMP(RealMatrix& A, int n, LuPermutation& rows, RecordWriter& report, RecordWriter& console,
             RunProgress* progress, StepListener* steps) {
    rows.ORDER = Vector<int>(n);
    if (n < 1) return 0;
    KernelStepBoundaries boundaries(progress, RunPhase::Factorisation);
    const LuOutcome outcome =
        steps != nullptr ? plainFactorLu(n, A, rows.ORDER, PRAG_LU, rows.NR_SCHIMBARI, steps)
                         : factorLu(n, A.data(), rows.ORDER.data(), PRAG_LU, rows.NR_SCHIMBARI, boundaries.forKernel());
    if (outcome.failedStep == 0) return 0;
    if (outcome.failedStep == 1) reportFirstStepFailure(outcome.diagonal, report, console);
    else reportStepFailure(outcome.failedStep, outcome.diagonal, report);
    return -1;
}

void solveColumnsWithFactors(const RealMatrix& A, RealMatrix& B, int n, int nb, const Vector<int>& ORDER,
                             RunProgress* progress, StepListener* steps) {
    if (steps != nullptr) {
        std::vector<float> x(static_cast<std::size_t>(n));
        for (int k = 1; k <= nb; ++k) {
            plainSolveLu(n, A, ORDER, B.column(k), x.data(), steps, k);
            std::copy(x.begin(), x.end(), B.column(k));
        }
        return;
    }
    // Each column is solved on its own, so the groups give the columns of one call.
    for (int first = 1; first <= nb; first += kColumnsPerStep) {
        stepBoundary(progress, RunPhase::Substitution, first - 1, nb);
        solveLu(n, A.data(), ORDER.data(), B.column(first), B.column(first), std::min(kColumnsPerStep, nb - first + 1));
    }
}

}  // namespace corvane
