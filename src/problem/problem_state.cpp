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
    const char* methods[] = {"Gauss", "LU", "Cholesky", "Gauss-Seidel", "SOR"};
    for (std::size_t k = 0; k < state.METODA.size(); ++k) state.METODA[k] = padded(methods[k], kNameLength);

    const char* generators[] = {"Hilbert", "Lotkin", "Companion", "Wilkinson 5", "Wilkinson 20", "Cauchy", "Banda constanta"};
    for (std::size_t k = 0; k < state.GENERATA.size(); ++k) state.GENERATA[k] = padded(generators[k], kNameLength);

    const char* norms[4][2] = {
        {"Infinit  (linii)", "Infinity  (Row)"},
        {"1  (coloane)", "1  (Column)"},
        {"2  (euclidiana)", "2  (Euclidian)"},
        {"Cond(A)*", "Cond(A)*"},
    };
    for (std::size_t code = 0; code < 4; ++code) {
        for (std::size_t language = 0; language < 2; ++language) {
            state.NORMA_CONTROL[code][language] = padded(norms[code][language], kNameLength);
        }
    }

    state.GEN_HELPFILE = {"Help-Generare.txt", "Generate-Help.txt"};

    state.SISTEM = true;
    state.INVERSARE = false;
    state.CONDITIE = false;
    state.GENERALA = true;
    state.SIMETRICA = false;
    state.FISIER_DATE = true;
    state.GENERARE = false;
    state.INVERS_ELEMENTE = false;
    state.TIPAR_MATRICE = false;
    state.TIPAR_DETERMINANT = false;
    state.TIPAR_ITERATII = false;
    state.VERIF_MAXIM = true;
    state.VERIF_ECUATII = false;
    state.IMETODA = 0;
    state.IGENERATA = 0;
    state.INORMA = 0;
    state.DATE_CITITE = false;
    state.METODA_ALEASA = false;

    state.EPS_TEXT = "0.";
    state.NLIM_TEXT = "0";
    state.OMEGA_TEXT = "0.";
    state.EPS = 0.0f;
    state.NLIM = 0;
    state.OMEGA = 0.0f;
}

}  // namespace corvane
