#include "cli/solve_options.h"

#include <algorithm>
#include <array>

#include "app/option_rules.h"

namespace corvane {
namespace {


// The 1-based position of a name in a list of option values; 0 when absent.
template <std::size_t N>
int positionIn(const std::array<std::string_view, N>& names, const std::string& name) {
    auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? 0 : static_cast<int>(found - names.begin()) + 1;
}

constexpr std::array<std::string_view, kMethodCount> kMethodNames = {"gauss", "lu", "cholesky", "gauss-seidel", "sor"};
constexpr std::array<std::string_view, kNormCount> kNormNames = {"inf", "1", "2", "cond"};

}  // namespace

std::string testMatrixNames() {
    std::string names;
    for (const TestMatrix& matrix : testMatrices()) {
        const std::string_view name = matrix.englishName;
        if (!names.empty()) names += ", ";
        names += name.find(' ') == std::string_view::npos ? std::string(name) : "\"" + std::string(name) + "\"";
    }
    return names;
}

std::string applyMatrixOptions(const std::string& matrix, const std::string& generate, bool invertEntries,
                               ProblemState& s) {
    setMatrixLayout(s, matrix == "general" ? MatrixLayout::General : MatrixLayout::Symmetric);
    setMatrixSource(s, generate.empty() ? MatrixSource::DataFile : MatrixSource::Generated);
    if (s.GENERARE) {
        s.IGENERATA = testMatrixPosition(generate);
        if (s.IGENERATA == 0) return "unknown generator \"" + generate + "\" (" + testMatrixNames() + ")";
    }
    s.INVERS_ELEMENTE = invertEntries;
    return "";
}

std::string applySolveOptions(const SolveOptions& o, ProblemState& s, MessageService& messages) {
    setProblemKind(s, o.problem == "inverse"     ? ProblemKind::Inverse
                      : o.problem == "condition" ? ProblemKind::Condition
                                                 : ProblemKind::System);
    const std::string matrixError = applyMatrixOptions(o.matrix, o.generate, o.invertEntries, s);
    if (!matrixError.empty()) return matrixError;

    if (s.CONDITIE) {
        if (!o.method.empty()) return "--method does not apply to --problem condition; choose a norm with --norm";
        if (o.norm.empty()) return "--problem condition needs --norm inf|1|2|cond";
        chooseNorm(s, normAt(positionIn(kNormNames, o.norm)));
    } else {
        if (!o.norm.empty()) return "--norm applies only to --problem condition";
        if (o.method.empty()) return "a system or an inverse needs --method gauss|lu|cholesky|gauss-seidel|sor";
        chooseMethod(s, methodAt(positionIn(kMethodNames, o.method)), messages);
    }

    if (!o.eps.empty()) s.EPS_TEXT = o.eps.substr(0, kParameterTextLength);
    if (!o.nlim.empty()) s.NLIM_TEXT = o.nlim.substr(0, kParameterTextLength);
    if (!o.omega.empty()) s.OMEGA_TEXT = o.omega.substr(0, kParameterTextLength);
    s.TIPAR_MATRICE = o.printMatrix;
    s.TIPAR_DETERMINANT = o.printDeterminant;
    s.TIPAR_ITERATII = o.printIterations;
    setCheck(s, o.check == "max" ? Check::Maximum : Check::EachEquation);
    if (!o.history.empty() && !isIterative(s.IMETODA)) return "--history needs --method gauss-seidel or sor";
    if (!o.exact.empty() && !s.SISTEM) return "--exact applies to --problem system";
    if (!o.plot.path.empty() && !isIterative(s.IMETODA)) return "--plot needs --method gauss-seidel or sor";
    return "";
}

}  // namespace corvane
