#include "app/known_exact_answer.h"

#include <cmath>
#include <cstdint>

#include "problem/test_matrices.h"

namespace corvane {
namespace {

// C(n, k) exactly; every value needed up to order 12 is far below 2⁶³.
std::int64_t binomial(int n, int k) {
    std::int64_t value = 1;
    for (int i = 1; i <= k; ++i) value = value * (n - k + i) / i;
    return value;
}

// Agreement to about six significant digits, on the scale of the row.
constexpr double kRowSumTolerance = 1.0e-6;

// Whether column k of B equals A·(1, ..., 1) row by row.
bool madeFromOnes(const ProblemState& s, int k) {
    for (int i = 1; i <= s.n; ++i) {
        double sum = 0.0, scale = 0.0;
        for (int j = 1; j <= s.n; ++j) {
            sum += matrixEntry(s, i, j);
            scale += std::fabs(matrixEntry(s, i, j));
        }
        if (std::fabs(s.B(i, k) - sum) > kRowSumTolerance * scale) return false;
    }
    return true;
}

}  // namespace

ExactAnswer hilbertInverse(int n) {
    ExactAnswer inverse(n, n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            const std::int64_t c = binomial(i + j - 2, i - 1);
            const std::int64_t magnitude =
                (i + j - 1) * binomial(n + i - 1, n - j) * binomial(n + j - 1, n - i) * c * c;
            inverse(i, j) = static_cast<double>((i + j) % 2 == 0 ? magnitude : -magnitude);
        }
    }
    return inverse;
}

std::optional<ExactAnswer> knownExactInverse(const ProblemState& read) {
    const bool inverse = read.INVERSARE;
    const bool hilbert = read.GENERARE && read.IGENERATA == testMatrixPosition("Hilbert");
    if (!inverse || !hilbert || read.n < 1 || read.n > kLargestExactHilbertInverse) return std::nullopt;
    return hilbertInverse(read.n);
}

std::optional<ExactAnswer> recognisedOnesSolution(const ProblemState& read) {
    const bool matrixRead = read.AV_INPUT || read.A.rows() >= read.n;
    if (!read.SISTEM || !read.DATE_CITITE || read.n < 1 || read.nb < 1 || !matrixRead || read.B.cols() < read.nb) {
        return std::nullopt;
    }
    for (int k = 1; k <= read.nb; ++k) {
        if (!madeFromOnes(read, k)) return std::nullopt;
    }
    return allOnes(read.n, read.nb);
}

}  // namespace corvane
