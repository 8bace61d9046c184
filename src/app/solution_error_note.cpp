#include "app/solution_error_note.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/known_exact_answer.h"

namespace corvane {
namespace {

// Right-hand sides listed one by one; the rest are summed up in one line.
constexpr int kListedRightHandSides = 10;

double rightHandSide(const ProblemState& s, int i, int k) {
    if (s.INVERSARE) return i == k ? 1.0 : 0.0;
    return s.B(i, k);
}

std::string formatted(const char* format, double a, double b, double c) {
    char text[200];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

std::string heading(ExactAnswerKind kind, bool english) {
    if (kind == ExactAnswerKind::HilbertInverse) {
        return english ? "Against the exact inverse of the Hilbert matrix:" : "Fata de inversa exacta a matricei Hilbert:";
    }
    return english ? "Against the exact solution (1, ..., 1):" : "Fata de solutia exacta (1, ..., 1):";
}

// "x no. 2: error max |x - x_exact| = ..., relative ...; residual max |A*x - b| = ..."
std::string rightHandSideLine(int k, const TrueError& error, double residual, bool english) {
    const std::string name = (english ? "x no. " : "x nr. ") + std::to_string(k);
    return name + formatted(english ? ": error max |x - x_exact| = %.1E, relative %.1E; residual max |A*x - b| = %.1E"
                                    : ": eroare max |x - x_exact| = %.1E, relativa %.1E; diferenta max |A*x - b| = %.1E",
                            error.largest, error.relative, residual);
}

std::string inverseLine(const TrueError& error, double residual, bool english) {
    return formatted(english ? "X: error max |X - X_exact| = %.1E, relative %.1E; residual max |A*X - I| = %.1E"
                             : "X: eroare max |X - X_exact| = %.1E, relativa %.1E; diferenta max |A*X - I| = %.1E",
                     error.largest, error.relative, residual);
}

}  // namespace

std::optional<KnownAnswer> knownAnswer(const ProblemState& read) {
    if (std::optional<ExactAnswer> inverse = knownExactInverse(read)) {
        return KnownAnswer{ExactAnswerKind::HilbertInverse, std::move(*inverse)};
    }
    if (std::optional<ExactAnswer> ones = recognisedOnesSolution(read)) {
        return KnownAnswer{ExactAnswerKind::OnesSolution, std::move(*ones)};
    }
    return std::nullopt;
}

std::vector<double> largestResiduals(const ProblemState& read, const RealMatrix& X) {
    std::vector<double> residuals;
    for (int k = 1; k <= X.cols(); ++k) {
        double largest = 0.0;
        for (int i = 1; i <= read.n; ++i) {
            double sum = 0.0;
            for (int j = 1; j <= read.n; ++j) sum += static_cast<double>(matrixEntry(read, i, j)) * X(j, k);
            largest = std::max(largest, std::fabs(sum - rightHandSide(read, i, k)));
        }
        residuals.push_back(largest);
    }
    return residuals;
}

std::string solutionErrorTitle(int language) { return language == kEnglish ? "Error of the solution" : "Eroarea solutiei"; }

std::string solutionErrorText(const ProblemState& read, const KnownAnswer& answer, const RealMatrix& X, int language) {
    const bool english = language == kEnglish;
    const std::vector<double> residuals = largestResiduals(read, X);
    std::string text = heading(answer.kind, english);
    if (read.INVERSARE) {
        return text + "\n" + inverseLine(wholeError(X, answer.exact), *std::max_element(residuals.begin(), residuals.end()), english);
    }
    const std::vector<TrueError> errors = trueErrors(X, answer.exact);
    const int listed = std::min<int>(static_cast<int>(errors.size()), kListedRightHandSides);
    for (int k = 1; k <= listed; ++k) text += "\n" + rightHandSideLine(k, errors[k - 1], residuals[k - 1], english);
    if (listed < static_cast<int>(errors.size())) {
        const int rest = static_cast<int>(errors.size()) - listed;
        text += "\n" + std::string(english ? "... and " : "... si inca ") + std::to_string(rest) +
                (english ? " more" : " solutii");
    }
    return text;
}

}  // namespace corvane
