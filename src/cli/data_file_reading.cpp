#include "cli/data_file_reading.h"

#include <fstream>

#include "app/known_exact_answer.h"
#include "app/true_error.h"
#include "problem/input_file.h"

namespace corvane {
namespace {

// A data file's text from an input stream, piece by piece.
class StreamText : public TextSource {
public:
    explicit StreamText(std::istream& in) : in_(in) {}
    void appendNext(std::string& text, std::size_t limit) override {
        const std::size_t start = text.size();
        text.resize(start + limit);
        in_.read(text.data() + start, static_cast<std::streamsize>(limit));
        text.resize(start + static_cast<std::size_t>(in_.gcount()));
        if (in_.bad()) throw TextSourceError("the data file cannot be read");
    }

private:
    std::istream& in_;
};

}  // namespace

bool readDataFileOnly(const std::string& path, ProblemState& state, MessageService& messages) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        messages.show("cannot read the data file " + path, "Error", MessageIcon::Error);
        return false;
    }
    StreamText text(in);
    return readProblemFrom(state, text, messages).has_value();
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
