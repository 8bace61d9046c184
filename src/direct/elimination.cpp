#include "direct/elimination.h"

#include "direct/kernel_step_boundaries.h"
#include "direct/plain_elimination.h"
#include "report/matrix_printing.h"

namespace corvane {

EliminationOutcome eliminateAndSubstitute(int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, int& interchanges,
                                          RunProgress* progress, StepListener* steps) {
    if (n < 1) return {};
    if (steps != nullptr) return plainEliminateAndSolve(n, nb, A, B, threshold, interchanges, steps);
    KernelStepBoundaries boundaries(progress, RunPhase::Elimination);
    return eliminateAndSolve(n, nb, A.data(), B.data(), threshold, interchanges, boundaries.forKernel());
}

void ELIM(RecordWriter& out, int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, bool& singular,
          int& interchanges, RunProgress* progress, StepListener* steps) {
    const EliminationOutcome failure = eliminateAndSubstitute(n, nb, A, B, threshold, interchanges, progress, steps);
    singular = failure.failedRow != 0;
    if (singular) {
        out.write("(/, a, i0, a, 1pg15.7)", {" Linia ", failure.failedRow, ": Pivot =", failure.pivot});
    }
}

}  // namespace corvane
