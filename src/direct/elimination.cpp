#include "direct/elimination.h"

#include "direct/elimination_kernel.h"
#include "report/matrix_printing.h"

namespace corvane {

void ELIM(RecordWriter& out, int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, bool& singular,
          int& interchanges) {
    const EliminationOutcome outcome = eliminateAndSolve(n, nb, A.data(), B.data(), threshold, interchanges);
    singular = outcome.failedRow != 0;
    if (singular) {
        out.write(formatList("(/, a, i<>, a, 1pg15.7)", WIDTH(outcome.failedRow)),
                  {" Linia ", outcome.failedRow, ": Pivot =", outcome.pivot});
    }
}

}  // namespace corvane
