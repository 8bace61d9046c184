#include "cli/data_file_reading.h"

#include <fstream>

#include "app/infinite_reciprocal_note.h"
#include "app/known_exact_answer.h"
#include "app/true_error.h"
#include "problem/input_file.h"
#include "textio/stream_text.h"

namespace corvane {

void warnOfInfiniteReciprocal(const ProblemState& state) {
    if (state.INFINITE_RECIPROCAL) std::cerr << infiniteReciprocalLine(*state.INFINITE_RECIPROCAL) << std::endl;
}

std::optional<ExactAnswer> exactSolutions(const std::string& source, int n, int nb, MessageService& messages) {
    if (source == "ones") return allOnes(n, nb);
    std::ifstream in(source, std::ios::binary);
    std::optional<ExactAnswer> exact;
    if (in) {
        StreamText text(in);
        try {
            exact = exactSolutionsFrom(text, n, nb);
        } catch (const TextSourceError&) {
            exact.reset();
        }
    }
    if (!exact) {
        messages.show("cannot read " + std::to_string(n) + " x " + std::to_string(nb) + " exact solutions from " + source,
                      "Error", MessageIcon::Error);
    }
    return exact;
}

bool findExactAnswer(const std::string& exactOption, const ProblemState& state, std::optional<ExactAnswer>& exact,
                     MessageService& messages) {
    if (exactOption.empty()) {
        exact = knownExactInverse(state);
        return true;
    }
    exact = exactSolutions(exactOption, state.n, state.nb, messages);
    return exact.has_value();
}

}  // namespace corvane
