#include "app/true_error.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace corvane {

namespace {

// The error of columns from..to of X against the same columns of `exact`,
// with a step boundary before each column (`total` columns in all).
TrueError errorOfColumns(const RealMatrix& X, const ExactAnswer& exact, int from, int to, int total,
                         RunProgress* progress) {
    const int n = std::min(X.rows(), exact.rows());
    double largest = 0.0, scale = 0.0;
    for (int k = from; k <= to; ++k) {
        stepBoundary(progress, RunPhase::Errors, k - 1, total);
        for (int i = 1; i <= n; ++i) {
            largest = std::max(largest, std::fabs(static_cast<double>(X(i, k)) - exact(i, k)));
            scale = std::max(scale, std::fabs(exact(i, k)));
        }
    }
    return {largest, scale > 0.0 ? largest / scale : largest};
}

// "Error in <subject>: max |<symbol> - <symbol>_exact| = ..., relative ..."
std::string errorLine(const std::string& subject, const char* symbol, const TrueError& error) {
    char line[200];
    std::snprintf(line, sizeof line, "Error in %s: max |%s - %s_exact| = %.1E, relative %.1E", subject.c_str(), symbol,
                  symbol, error.largest, error.relative);
    return line;
}

}  // namespace

std::vector<TrueError> trueErrors(const RealMatrix& X, const ExactAnswer& exact, RunProgress* progress) {
    const int columns = std::min(X.cols(), exact.cols());
    std::vector<TrueError> errors;
    for (int k = 1; k <= columns; ++k) errors.push_back(errorOfColumns(X, exact, k, k, columns, progress));
    return errors;
}

TrueError wholeError(const RealMatrix& X, const ExactAnswer& exact, RunProgress* progress) {
    const int columns = std::min(X.cols(), exact.cols());
    return errorOfColumns(X, exact, 1, columns, columns, progress);
}

ExactAnswer allOnes(int n, int nb) {
    ExactAnswer ones(n, nb);
    ones.fill(1.0);
    return ones;
}

// Read as the data file's numbers are (single precision), then kept in double.
std::optional<ExactAnswer> exactSolutionsFrom(TextSource& text, int n, int nb) {
    ListDirectedInput input(text);
    RealMatrix read(n, nb);
    std::vector<ReadTarget> column(static_cast<std::size_t>(n));
    for (int k = 1; k <= nb; ++k) {
        for (int i = 1; i <= n; ++i) column[static_cast<std::size_t>(i - 1)] = &read(i, k);
        if (input.read(column) != ReadStatus::Ok) return std::nullopt;
    }
    ExactAnswer exact(n, nb);
    std::copy(read.data(), read.data() + static_cast<std::size_t>(n) * nb, exact.data());
    return exact;
}

std::string trueErrorLine(int rightHandSide, const TrueError& error) {
    return errorLine("x, right-hand side " + std::to_string(rightHandSide), "x", error);
}

std::string inverseErrorLine(const TrueError& error) { return errorLine("the inverse", "X", error); }

}  // namespace corvane
