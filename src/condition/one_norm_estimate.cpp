#include "condition/one_norm_estimate.h"

#include <algorithm>
#include <cmath>

namespace corvane {
namespace {

constexpr int kMaxIterations = 5;

double oneNorm(const std::vector<double>& v) {
    double sum = 0.0;
    for (double x : v) sum += std::fabs(x);
    return sum;
}

std::vector<double> signsOf(const std::vector<double>& v) {
    std::vector<double> signs(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) signs[i] = v[i] >= 0.0 ? 1.0 : -1.0;
    return signs;
}

std::size_t largestMagnitude(const std::vector<double>& v) {
    std::size_t at = 0;
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (std::fabs(v[i]) > std::fabs(v[at])) at = i;
    }
    return at;
}

// The inner loops come in one version per instruction set, chosen when the
// program starts; each gives the same bits (the same sums in the same order).
#if defined(__x86_64__)
#define CORVANE_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define CORVANE_VECTOR_CLONES
#endif

// c[from..to) · v[from..to) in four interleaved partial sums, so that the
// loop runs in vector registers (an estimate needs no fixed order of sums).
CORVANE_VECTOR_CLONES double dot(const float* c, const double* v, int from, int to) {
    double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
    int i = from;
    for (; i + 3 < to; i += 4) {
        s0 += c[i] * v[i];
        s1 += c[i + 1] * v[i + 1];
        s2 += c[i + 2] * v[i + 2];
        s3 += c[i + 3] * v[i + 3];
    }
    for (; i < to; ++i) s0 += c[i] * v[i];
    return (s0 + s1) + (s2 + s3);
}

// |c[0]| + ... + |c[count - 1]| in four interleaved partial sums.
CORVANE_VECTOR_CLONES double absoluteSum(const float* c, int count) {
    double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
    int i = 0;
    for (; i + 3 < count; i += 4) {
        s0 += std::fabs(c[i]);
        s1 += std::fabs(c[i + 1]);
        s2 += std::fabs(c[i + 2]);
        s3 += std::fabs(c[i + 3]);
    }
    for (; i < count; ++i) s0 += std::fabs(c[i]);
    return (s0 + s1) + (s2 + s3);
}

// v[from..to) -= c[from..to) · t.
CORVANE_VECTOR_CLONES void subtractMultiple(double* v, const float* c, double t, int from, int to) {
    for (int i = from; i < to; ++i) v[i] -= c[i] * t;
}

// Column j (0-based) of a column-major n x n array.
const float* columnOf(const RealMatrix& M, int j) { return M.data() + static_cast<std::size_t>(j) * M.rows(); }

// L·U·y = v: forward with the unit lower L, then back with U, column by column.
void solveLu(const RealMatrix& F, std::vector<double>& v) {
    const int n = static_cast<int>(v.size());
    for (int j = 0; j < n; ++j) {
        const float* c = columnOf(F, j);
        subtractMultiple(v.data(), c, v[j], j + 1, n);
    }
    for (int j = n - 1; j >= 0; --j) {
        const float* c = columnOf(F, j);
        v[j] /= c[j];
        subtractMultiple(v.data(), c, v[j], 0, j);
    }
}

// (L·U)ᵀ·y = v: Uᵀ forward, then Lᵀ back, each a sum down one column.
void solveLuTransposed(const RealMatrix& F, std::vector<double>& v) {
    const int n = static_cast<int>(v.size());
    for (int j = 0; j < n; ++j) {
        const float* c = columnOf(F, j);
        v[j] = (v[j] - dot(c, v.data(), 0, j)) / c[j];
    }
    for (int j = n - 1; j >= 0; --j) {
        const float* c = columnOf(F, j);
        v[j] -= dot(c, v.data(), j + 1, n);
    }
}

// SᵀS·y = v with the packed upper S (column j holds s(0..j, j)).
void solveCholesky(const RealVector& S, std::vector<double>& v) {
    const int n = static_cast<int>(v.size());
    const float* s = S.data();
    for (int j = 0; j < n; ++j) {
        const float* c = s + static_cast<std::size_t>(j) * (j + 1) / 2;
        v[j] = (v[j] - dot(c, v.data(), 0, j)) / c[j];
    }
    for (int j = n - 1; j >= 0; --j) {
        const float* c = s + static_cast<std::size_t>(j) * (j + 1) / 2;
        v[j] /= c[j];
        subtractMultiple(v.data(), c, v[j], 0, j);
    }
}

double largestColumnSum(const RealMatrix& A, int n) {
    double largest = 0.0;
    for (int j = 0; j < n; ++j) {
        largest = std::max(largest, absoluteSum(columnOf(A, j), n));
    }
    return largest;
}

double largestColumnSumOfPacked(const RealVector& A, int n) {
    std::vector<double> sums(static_cast<std::size_t>(n), 0.0);
    for (int j = 0; j < n; ++j) {
        const float* c = A.data() + static_cast<std::size_t>(j) * (j + 1) / 2;
        for (int i = 0; i < j; ++i) {
            sums[static_cast<std::size_t>(j)] += std::fabs(c[i]);
            sums[static_cast<std::size_t>(i)] += std::fabs(c[i]);
        }
        sums[static_cast<std::size_t>(j)] += std::fabs(c[j]);
    }
    return sums.empty() ? 0.0 : *std::max_element(sums.begin(), sums.end());
}

}  // namespace

double estimateInverseOneNorm(int n, const InPlaceSolve& solve, const InPlaceSolve& solveTransposed) {
    if (n < 1) return 0.0;
    std::vector<double> x(static_cast<std::size_t>(n), 1.0 / n);
    solve(x);
    double estimate = oneNorm(x);
    if (n > 1) {
        std::vector<double> signs = signsOf(x);
        std::vector<double> z = signs;
        solveTransposed(z);
        for (int iteration = 2; iteration <= kMaxIterations; ++iteration) {
            const std::size_t j = largestMagnitude(z);
            std::fill(x.begin(), x.end(), 0.0);
            x[j] = 1.0;
            solve(x);
            const double previous = estimate;
            estimate = oneNorm(x);
            std::vector<double> newSigns = signsOf(x);
            if (newSigns == signs || estimate <= previous) {
                estimate = std::max(estimate, previous);
                break;
            }
            signs = std::move(newSigns);
            z = signs;
            solveTransposed(z);
            if (std::fabs(z[largestMagnitude(z)]) == std::fabs(z[j])) break;
        }
    }
    // Higham's extra vector with alternating signs catches the matrices that
    // make the iteration stop early.
    std::vector<double> alternating(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        alternating[static_cast<std::size_t>(i)] = (i % 2 == 0 ? 1.0 : -1.0) * (1.0 + (n > 1 ? double(i) / (n - 1) : 0.0));
    }
    solve(alternating);
    return std::max(estimate, 2.0 * oneNorm(alternating) / (3.0 * n));
}

double conditionOneFromLu(int n, const RealMatrix& original, const RealMatrix& factors) {
    const double inverse = estimateInverseOneNorm(
        n, [&](std::vector<double>& v) { solveLu(factors, v); },
        [&](std::vector<double>& v) { solveLuTransposed(factors, v); });
    return largestColumnSum(original, n) * inverse;
}

double conditionOneFromCholesky(int n, const RealVector& original, const RealVector& factor) {
    const auto solve = [&](std::vector<double>& v) { solveCholesky(factor, v); };
    return largestColumnSumOfPacked(original, n) * estimateInverseOneNorm(n, solve, solve);
}

}  // namespace corvane
