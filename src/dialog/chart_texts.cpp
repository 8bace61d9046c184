#include "dialog/chart_texts.h"

#include "problem/problem_state.h"

namespace corvane {
namespace {

constexpr ConvergenceChartTexts kConvergenceRomanian{
    "Convergenta", "Iteratia", "Diferenta dx", "EPS", "dx = 0", "dx infinit sau NaN",
};
constexpr ConvergenceChartTexts kConvergenceEnglish{
    "Convergence", "Sweep", "Difference dx", "EPS", "dx = 0", "dx infinite or NaN",
};

constexpr OmegaExplorerTexts kExplorerRomanian{
    "Explorare omega", "omega", "Iteratii", "Iteratii pana la toleranta", "Fara toleranta atinsa", "Omega optim",
    "Niciun omega nu a atins toleranta", "Opreste", "Foloseste acest omega", "Inchide", "Rezultat", "nerulat",
    "Continua dupa cresterea lui dx (nu ca SOLVE)", "Nu ca SOLVE",
    "* a continuat dupa cresterea lui dx: un SOLVE se opreste mai devreme",
    "Un SOLVE se termina la iteratia %1 (%2)",
};
constexpr OmegaExplorerTexts kExplorerEnglish{
    "Omega explorer", "omega", "Sweeps", "Sweeps to the tolerance", "Tolerance not reached", "Best omega",
    "No omega reached the tolerance", "Stop", "Use this omega", "Close", "Outcome", "not run",
    "Go on past dx growth (not as SOLVE)", "Not as SOLVE",
    "* went on past dx growth: a SOLVE stops earlier",
    "A SOLVE ends at sweep %1 (%2)",
};

constexpr ComparisonTexts kComparisonRomanian{
    "Compararea metodelor", "Metoda", "nr. b", "Rezultat", "secunde", "relativa", "iteratii",
    "valorile 0 apar la baza axei", "cond1(A) estimat ~", "nu a rulat", "Ruleaza...", "Gata", "Oprita", "Opreste",
    "Inchide",
};
constexpr ComparisonTexts kComparisonEnglish{
    "Comparison of the methods", "Method", "rhs", "Outcome", "seconds", "relative", "sweeps",
    "values of 0 are drawn at the foot of the axis", "Estimated cond1(A) ~", "not run", "Running...", "Done", "Stopped",
    "Stop", "Close",
};

constexpr ComparedQuantityTexts kSystemRomanian{
    "max |A*x - b|", "max |x - x_exact|", "Diferenta max |A*x - b|", "Eroarea max |x - x_exact|",
};
constexpr ComparedQuantityTexts kSystemEnglish{
    "max |A*x - b|", "max |x - x_exact|", "Residual max |A*x - b|", "Error max |x - x_exact|",
};
constexpr ComparedQuantityTexts kInverseRomanian{
    "max |A*X - I|", "max |X - X_exact|", "Diferenta max |A*X - I|", "Eroarea max |X - X_exact|",
};
constexpr ComparedQuantityTexts kInverseEnglish{
    "max |A*X - I|", "max |X - X_exact|", "Residual max |A*X - I|", "Error max |X - X_exact|",
};

}  // namespace

const ComparisonTexts& comparisonTexts(int language) {
    return language == kEnglish ? kComparisonEnglish : kComparisonRomanian;
}

const ComparedQuantityTexts& comparedQuantityTexts(int language, bool inverse) {
    if (inverse) return language == kEnglish ? kInverseEnglish : kInverseRomanian;
    return language == kEnglish ? kSystemEnglish : kSystemRomanian;
}

std::string_view outcomeText(RunOutcome outcome, int language) {
    const bool english = language == kEnglish;
    switch (outcome) {
        case RunOutcome::Solved: return english ? "Solved" : "Rezolvat";
        case RunOutcome::SmallPivot: return english ? "Small pivot" : "Pivot mic";
        case RunOutcome::NotPositiveDefinite: return english ? "Not positive definite" : "Nu e pozitiv definita";
        case RunOutcome::Tolerance: return outcomeText(IterationEnd::Tolerance, language);
        case RunOutcome::Divergence: return outcomeText(IterationEnd::Divergence, language);
        case RunOutcome::Stagnation: return outcomeText(IterationEnd::Stagnation, language);
        case RunOutcome::Limit: return outcomeText(IterationEnd::Limit, language);
    }
    return {};
}

const ConvergenceChartTexts& convergenceChartTexts(int language) {
    return language == kEnglish ? kConvergenceEnglish : kConvergenceRomanian;
}

const OmegaExplorerTexts& omegaExplorerTexts(int language) {
    return language == kEnglish ? kExplorerEnglish : kExplorerRomanian;
}

std::string_view outcomeText(IterationEnd end, int language) {
    const bool english = language == kEnglish;
    switch (end) {
        case IterationEnd::Tolerance: return english ? "Tolerance reached" : "Toleranta atinsa";
        // The report's "Divergenta" is a stop on a growing dx, which also
        // happens while the iteration converges: the chart says what happened.
        case IterationEnd::Divergence: return english ? "stopped: dx grew" : "oprit: dx a crescut";
        case IterationEnd::Stagnation: return english ? "Stagnation" : "Iteratie stationara";
        case IterationEnd::Limit: return english ? "Iteration limit reached" : "Numar de iteratii depasit";
    }
    return {};
}

}  // namespace corvane
