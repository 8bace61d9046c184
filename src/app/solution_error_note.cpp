#include "app/solution_error_note.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/known_exact_answer.h"
#include "kernels/product_kernel.h"
#include "report/matrix_columns.h"

namespace corvane {
namespace {

// Right-hand sides listed one by one; the rest are summed up in one line.
constexpr int kListedRightHandSides = 10;

// Residuals worked out together: enough columns for the product's tiles to
// run long, few enough for a small array of sums (n x 96 doubles).
constexpr int kResidualColumnsAtOnce = 96;

// The step boundaries inside one product: the columns done so far.
class ColumnsDone : public KernelProgress {
public:
    ColumnsDone(RunProgress* progress, int done, int total) : progress_(progress), done_(done), total_(total) {}
    void reached(KernelStage, int, int) override { stepBoundary(progress_, RunPhase::Residuals, done_, total_); }
    KernelProgress* forKernel() { return progress_ != nullptr ? this : nullptr; }

private:
    RunProgress* progress_;
    int done_;
    int total_;
};

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

std::vector<double> largestResiduals(const ProblemState& read, const RealMatrix& X, RunProgress* progress) {
    const int n = read.n;
    const MatrixColumns A = read.AV_INPUT ? MatrixColumns(n, *read.AV_INPUT) : MatrixColumns(read.A);
    std::vector<double> residuals;
    residuals.reserve(static_cast<std::size_t>(X.cols()));
    for (int first = 1; first <= X.cols(); first += kResidualColumnsAtOnce) {
        stepBoundary(progress, RunPhase::Residuals, first - 1, X.cols());
        const int columns = std::min(kResidualColumnsAtOnce, X.cols() - first + 1);
        Matrix<double> products(n, columns);
        ColumnsDone steps(progress, first - 1, X.cols());
        if (n > 0) multiplyAddWidened(n, columns, A, X.column(first), X.rows(), products.data(), steps.forKernel());
        for (int c = 1; c <= columns; ++c) {
            double largest = 0.0;
            for (int i = 1; i <= n; ++i) largest = std::max(largest, std::fabs(products(i, c) - rightHandSide(read, i, first + c - 1)));
            residuals.push_back(largest);
        }
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
