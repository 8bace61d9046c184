#include "condition/inversion.h"

#include "direct/elimination.h"
#include "report/matrix_printing.h"

namespace corvane {
namespace {

void reportSmallPivot(RecordWriter& out, int row, float pivot, float threshold) {
    out.write("(/, a, i0, a, 1pg15.7, a, 1pg11.3)", {" Linia ", row, ": Pivot =", pivot, " <", threshold});
}

}  // namespace

EliminationOutcome ELIM2(RecordWriter& out, int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, bool& singular,
           RunProgress* progress) {
    int interchanges = 0;  // not reported by the inversion
    const EliminationOutcome failure = eliminateAndSubstitute(n, nb, A, B, threshold, interchanges, progress);
    singular = failure.failedRow != 0;
    if (singular) reportSmallPivot(out, failure.failedRow, failure.pivot, threshold);
    return failure;
}

}  // namespace corvane
