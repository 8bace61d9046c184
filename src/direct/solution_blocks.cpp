#include "direct/solution_blocks.h"

#include "textio/index_width_format.h"
#include "report/matrix_printing.h"

namespace corvane {

void writeSolutionBlocks(RecordWriter& out, const ProblemState& s) {
    const std::string header = formatList("(/, a, i<>)", WIDTH(s.nb));
    IndexWidthFormat line("(a, i<>, a, g15.7)");
    for (int k = 1; k <= s.nb; ++k) {
        out.write(header, {s.SISTEM ? " * Solutia pentru termenii liberi nr. " : " * Coloana ", k});
        for (int i = 1; i <= s.n; ++i) {
            out.write(line(i), {" x(", i, ") = ", s.B(i, k)});
        }
    }
}

}  // namespace corvane
