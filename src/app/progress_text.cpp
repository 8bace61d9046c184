#include "app/progress_text.h"

#include "app/numbered_marks.h"

namespace corvane {
namespace {

struct PhaseText {
    const char* romanian;
    const char* english;
};

// Indexed by RunPhase; %1 is the step, %2 the total.
constexpr PhaseText kPhases[kRunPhaseCount] = {
    {"Tiparire: linia %1 din %2", "Printing: row %1 of %2"},
    {"Eliminare gaussiana: pasul %1 din %2", "Gaussian elimination: step %1 of %2"},
    {"Factorizare: pasul %1 din %2", "Factorisation: step %1 of %2"},
    {"Substitutie: termenul liber %1 din %2", "Substitution: right-hand side %1 of %2"},
    {"Scrierea solutiilor: %1 din %2", "Writing the solutions: %1 of %2"},
    {"Iteratia %1 din NLIM = %2", "Sweep %1 of NLIM = %2"},
    {"Metoda puterii: iteratia %1 (cel mult %2)", "Power method: iteration %1 (at most %2)"},
    {"Produsul A_transpus*A: coloana %1 din %2", "Product A'A: column %1 of %2"},
    {"Proba: termenul liber %1 din %2", "Check: right-hand side %1 of %2"},
    {"Eliminare in termenii liberi: pasul %1 din %2", "Elimination in the right-hand sides: step %1 of %2"},
    {"Citirea datelor: %1 din %2 MB", "Reading the data: %1 of %2 MB"},
    {"Diferente in dubla precizie: coloana %1 din %2", "Residuals in double precision: column %1 of %2"},
    {"Erori fata de solutia exacta: coloana %1 din %2", "Errors against the exact answer: column %1 of %2"},
};

constexpr PhaseText kStarting{"Pornire...", "Starting..."};

std::string filled(const char* pattern, int step, int total) {
    return withNumberedMarks(pattern, {std::to_string(step), std::to_string(total)});
}

}  // namespace

std::string progressText(const ProgressSnapshot& where, int language) {
    const PhaseText& text = where.started ? kPhases[static_cast<int>(where.phase)] : kStarting;
    return filled(language == 2 ? text.english : text.romanian, where.step, where.total);
}

std::optional<double> progressFraction(const ProgressSnapshot& where) {
    if (!where.started || where.total <= 0) return std::nullopt;
    const double fraction = static_cast<double>(where.step) / where.total;
    return fraction < 0 ? 0.0 : fraction > 1 ? 1.0 : fraction;
}

}  // namespace corvane
