#include "direct/solution_blocks.h"

#include "report/matrix_printing.h"

namespace corvane {

void writeSolutionBlocks(RecordWriter& out, const ProblemState& s) {
    const std::string header = formatList("(/, a, i<>)", WIDTH(s.nb));
    for (int k = 1; k <= s.nb; ++k) {
        out.write(header, {s.SISTEM ? " * Solutia pentru termenii liberi nr. " : " * Coloana ", k});
        for (int i = 1; i <= s.n; ++i) {
            out.write(formatList("(a, i<>, a, g15.7)", WIDTH(i)), {" x(", i, ") = ", s.B(i, k)});
        }
    }
}

}  // namespace corvane
