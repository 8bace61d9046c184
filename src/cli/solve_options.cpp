#include "cli/solve_options.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace corvane {
namespace {

constexpr std::string_view kCholeskyNeedsSymmetric = "Metoda Cholesky:\nTipul Matrice: trebuie sa fie 'Simetrica'";
constexpr std::size_t kParameterTextLength = 10;

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

int indexOf(const std::array<std::string_view, 5>& names, const std::string& name) {
    auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? 0 : static_cast<int>(found - names.begin()) + 1;
}

void chooseMethod(int index, ProblemState& s, MessageService& messages) {
    s.IMETODA = index;
    s.ESTE_GS = index == 4;
    s.ESTE_SOR = index == 5;
    s.ESTE_ITERATIV = s.ESTE_GS || s.ESTE_SOR;
    if (index == 3 && !s.SIMETRICA) {
        messages.show(kCholeskyNeedsSymmetric, "Info", MessageIcon::Information);
        s.GENERALA = false;
        s.SIMETRICA = true;
    }
    s.METODA_ALEASA = true;
}

}  // namespace

int generatorIndex(const ProblemState& state, const std::string& name) {
    for (int k = 1; k <= static_cast<int>(state.GENERATA.size()); ++k) {
        if (sameLetters(trimmed(state.generatorName(k)), name)) return k;
    }
    return sameLetters("Constant Band", name) ? 7 : 0;
}

std::string applySolveOptions(const SolveOptions& o, ProblemState& s, MessageService& messages) {
    s.SISTEM = o.problem == "system";
    s.INVERSARE = o.problem == "inverse";
    s.CONDITIE = o.problem == "condition";
    s.GENERALA = o.matrix == "general";
    s.SIMETRICA = !s.GENERALA;
    s.FISIER_DATE = o.generate.empty();
    s.GENERARE = !s.FISIER_DATE;
    if (s.GENERARE) {
        s.IGENERATA = generatorIndex(s, o.generate);
        if (s.IGENERATA == 0) {
            return "unknown generator \"" + o.generate +
                   "\" (Hilbert, Lotkin, Companion, \"Wilkinson 5\", \"Wilkinson 20\", Cauchy, \"Constant Band\")";
        }
    }
    s.INVERS_ELEMENTE = o.invertEntries;

    if (s.CONDITIE) {
        if (!o.method.empty()) return "--method does not apply to --problem condition; choose a norm with --norm";
        if (o.norm.empty()) return "--problem condition needs --norm inf|1|2|cond";
        s.INORMA = indexOf({"inf", "1", "2", "cond"}, o.norm);
        s.KNORMA = s.INORMA - 1;
    } else {
        if (!o.norm.empty()) return "--norm applies only to --problem condition";
        if (o.method.empty()) return "a system or an inverse needs --method gauss|lu|cholesky|gauss-seidel|sor";
        chooseMethod(indexOf({"gauss", "lu", "cholesky", "gauss-seidel", "sor"}, o.method), s, messages);
    }

    if (!o.eps.empty()) s.EPS_TEXT = o.eps.substr(0, kParameterTextLength);
    if (!o.nlim.empty()) s.NLIM_TEXT = o.nlim.substr(0, kParameterTextLength);
    if (!o.omega.empty()) s.OMEGA_TEXT = o.omega.substr(0, kParameterTextLength);
    s.TIPAR_MATRICE = o.printMatrix;
    s.TIPAR_DETERMINANT = o.printDeterminant;
    s.TIPAR_ITERATII = o.printIterations;
    s.VERIF_MAXIM = o.check == "max";
    s.VERIF_ECUATII = !s.VERIF_MAXIM;
    return "";
}

}  // namespace corvane
