#include "direct/solution_blocks.h"

#include "report/matrix_printing.h"

namespace corvane {

void writeSolutionBlocks(RecordWriter& out, const ProblemState& s, RunProgress* progress) {
    const RuntimeFormat header = formatList("(/, a, i<>)", WIDTH(s.nb));
    for (int k = 1; k <= s.nb; ++k) {
        stepBoundary(progress, RunPhase::Solutions, k - 1, s.nb);
        out.write(header, {s.SISTEM ? " * Solutia pentru termenii liberi nr. " : " * Coloana ", k});
        for (int i = 1; i <= s.n; ++i) {
            out.write("(a, i0, a, g15.7)", {" x(", i, ") = ", s.B(i, k)});
        }
    }
}

}  // namespace corvane
