#include "direct/lu_factorisation.h"

#include <algorithm>

#include "direct/kernel_step_boundaries.h"
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
             RunProgress* progress) {
    rows.ORDER = Vector<int>(n);
    if (n < 1) return 0;
    KernelStepBoundaries steps(progress, RunPhase::Factorisation);
    const LuOutcome outcome = factorLu(n, A.data(), rows.ORDER.data(), PRAG_LU, rows.NR_SCHIMBARI, steps.forKernel());
    if (outcome.failedStep == 0) return 0;
    if (outcome.failedStep == 1) reportFirstStepFailure(outcome.diagonal, report, console);
    else reportStepFailure(outcome.failedStep, outcome.diagonal, report);
    return -1;
}

void solveColumnsWithFactors(const RealMatrix& A, RealMatrix& B, int n, int nb, const Vector<int>& ORDER,
                             RunProgress* progress) {
    // Each column is solved on its own, so the groups give the columns of one call.
    for (int first = 1; first <= nb; first += kColumnsPerStep) {
        stepBoundary(progress, RunPhase::Substitution, first - 1, nb);
        solveLu(n, A.data(), ORDER.data(), B.column(first), B.column(first), std::min(kColumnsPerStep, nb - first + 1));
    }
}

}  // namespace corvane
