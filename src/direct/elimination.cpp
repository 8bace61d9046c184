#include "direct/elimination.h"

#include "direct/kernel_step_boundaries.h"
#include "report/matrix_printing.h"

namespace corvane {

EliminationOutcome eliminateAndSubstitute(int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, int& interchanges,
                                          RunProgress* progress) {
    if (n < 1) return {};
    KernelStepBoundaries steps(progress, RunPhase::Elimination);
    return eliminateAndSolve(n, nb, A.data(), B.data(), threshold, interchanges, steps.forKernel());
}

EliminationOutcome ELIM(RecordWriter& out, int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, bool& singular,
          int& interchanges, RunProgress* progress) {
    const EliminationOutcome failure = eliminateAndSubstitute(n, nb, A, B, threshold, interchanges, progress);
    singular = failure.failedRow != 0;
    if (singular) {
        out.write("(/, a, i0, a, 1pg15.7)", {" Linia ", failure.failedRow, ": Pivot =", failure.pivot});
    }
    return failure;
}

}  // namespace corvane
