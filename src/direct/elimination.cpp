#include "direct/elimination.h"

#include "kernels/elimination_kernel.h"
#include "report/matrix_printing.h"

namespace corvane {

SmallPivot eliminateAndSubstitute(int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, int& interchanges) {
    if (n < 1) return {};
    const EliminationOutcome outcome = eliminateAndSolve(n, nb, A.data(), B.data(), threshold, interchanges);
    return {outcome.failedRow, outcome.pivot};
}

void ELIM(RecordWriter& out, int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, bool& singular,
          int& interchanges) {
    const SmallPivot failure = eliminateAndSubstitute(n, nb, A, B, threshold, interchanges);
    singular = failure.row != 0;
    if (singular) {
        out.write(formatList("(/, a, i<>, a, 1pg15.7)", WIDTH(failure.row)), {" Linia ", failure.row, ": Pivot =", failure.pivot});
    }
}

}  // namespace corvane
