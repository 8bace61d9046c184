#include "app/true_error.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace corvane {

std::vector<TrueError> trueErrors(const RealMatrix& X, const RealMatrix& exact) {
    std::vector<TrueError> errors;
    const int n = std::min(X.rows(), exact.rows());
    for (int k = 1; k <= std::min(X.cols(), exact.cols()); ++k) {
        double largest = 0.0, scale = 0.0;
        for (int i = 1; i <= n; ++i) {
            largest = std::max(largest, std::fabs(static_cast<double>(X(i, k)) - exact(i, k)));
            scale = std::max(scale, std::fabs(static_cast<double>(exact(i, k))));
        }
        errors.push_back({largest, scale > 0.0 ? largest / scale : largest});
    }
    return errors;
}

RealMatrix allOnes(int n, int nb) {
    RealMatrix ones(n, nb);
    ones.fill(1.0f);
    return ones;
}

std::optional<RealMatrix> exactSolutionsFrom(TextSource& text, int n, int nb) {
    ListDirectedInput input(text);
    RealMatrix exact(n, nb);
    std::vector<ReadTarget> column(static_cast<std::size_t>(n));
    for (int k = 1; k <= nb; ++k) {
        for (int i = 1; i <= n; ++i) column[static_cast<std::size_t>(i - 1)] = &exact(i, k);
        if (input.read(column) != ReadStatus::Ok) return std::nullopt;
    }
    return exact;
}

std::string trueErrorLine(int rightHandSide, const TrueError& error) {
    char line[160];
    std::snprintf(line, sizeof line, "Error in x, right-hand side %d: max |x - x_exact| = %.1E, relative %.1E",
                  rightHandSide, error.largest, error.relative);
    return line;
}

}  // namespace corvane
