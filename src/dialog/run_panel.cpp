#include "dialog/run_panel.h"

#include <cmath>
#include <cstdio>

#include "problem/problem_state.h"

namespace corvane {
namespace {

struct Words {
    const char* romanian;
    const char* english;
};

const char* in(const Words& words, int language) { return language == kEnglish ? words.english : words.romanian; }

constexpr Words kElimination{"Gauss", "Gauss"};
constexpr Words kInversion{"Inversare", "Inversion"};
constexpr Words kAtRow{"la linia", "at row"};
constexpr Words kSystemUnsolved{"Sistemul nu se poate rezolva.", "The system cannot be solved."};
constexpr Words kNotInverted{"Matricea nu se poate inversa.", "The matrix cannot be inverted."};
constexpr Words kNoConditionNumber{"Matrice aproape singulara: fara numar de conditie.",
                                   "Nearly singular matrix: no condition number."};

const Words& meaning(EliminationTask task) {
    switch (task) {
        case EliminationTask::System: return kSystemUnsolved;
        case EliminationTask::Inverse: return kNotInverted;
        case EliminationTask::ConditionNumber: return kNoConditionNumber;
    }
    return kSystemUnsolved;
}

}  // namespace

std::string pivotFailureText(const PivotFailure& failure, int language) {
    const Words& who = failure.task == EliminationTask::ConditionNumber ? kInversion : kElimination;
    char line[160];
    std::snprintf(line, sizeof line, "%s: |pivot| = %.1E < %.1E %s %d.", in(who, language),
                  std::fabs(static_cast<double>(failure.pivot.pivot)), static_cast<double>(failure.pivot.threshold),
                  in(kAtRow, language), failure.pivot.row);
    return std::string(line) + "\n" + in(meaning(failure.task), language);
}

std::string RunPanel::text(int language) const {
    std::string text = consoleLines;
    if (pivotFailure) {
        if (!text.empty()) text += "\n";
        text += pivotFailureText(*pivotFailure, language);
    }
    return text;
}

}  // namespace corvane
