#include "problem/problem_state.h"

namespace corvane {

std::string padded(std::string_view text, std::size_t length) {
    std::string out(text.substr(0, length));
    out.resize(length, ' ');
    return out;
}

std::string_view trimmed(std::string_view text) {
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

void INITIALIZEDATA(ProblemState& state) {
    const char* methods[kMethodCount] = {"Gauss", "LU", "Cholesky", "Gauss-Seidel", "SOR"};
    for (std::size_t k = 0; k < state.METODA.size(); ++k) state.METODA[k] = padded(methods[k], kNameLength);

    for (std::size_t k = 0; k < state.GENERATA.size(); ++k) {
        state.GENERATA[k] = padded(testMatrices()[k].name, kNameLength);
    }

    const char* norms[kNormCount][2] = {
        {"Infinit  (linii)", "Infinity  (Row)"},
        {"1  (coloane)", "1  (Column)"},
        {"2  (euclidiana)", "2  (Euclidian)"},
        {"Cond(A)*", "Cond(A)*"},
    };
    for (std::size_t code = 0; code < state.NORMA_CONTROL.size(); ++code) {
        for (std::size_t language = 0; language < 2; ++language) {
            state.NORMA_CONTROL[code][language] = padded(norms[code][language], kNameLength);
        }
    }

    state.GEN_HELPFILE = {"Help-Generare.txt", "Generate-Help.txt"};

    static_cast<ProblemOptions&>(state) = ProblemOptions{};
    state.DATE_CITITE = false;
    state.METODA_ALEASA = false;
}

float matrixEntry(const ProblemState& state, int i, int j) {
    if (state.AV_INPUT) return (*state.AV_INPUT)(i <= j ? LOCA(i, j) : LOCA(j, i));
    return state.A(i, j);
}

}  // namespace corvane
