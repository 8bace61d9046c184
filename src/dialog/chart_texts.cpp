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
};
constexpr OmegaExplorerTexts kExplorerEnglish{
    "Omega explorer", "omega", "Sweeps", "Sweeps to the tolerance", "Tolerance not reached", "Best omega",
    "No omega reached the tolerance", "Stop", "Use this omega", "Close", "Outcome", "not run",
};

}  // namespace

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
        case IterationEnd::Divergence: return english ? "Divergence" : "Divergenta";
        case IterationEnd::Stagnation: return english ? "Stagnation" : "Iteratie stationara";
        case IterationEnd::Limit: return english ? "Iteration limit reached" : "Numar de iteratii depasit";
    }
    return {};
}

}  // namespace corvane
