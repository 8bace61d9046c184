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

// c[from..to) · v[from..to) and c[from..to) · w[from..to), reading c once
// for both, each in two interleaved partial sums.
CORVANE_VECTOR_CLONES void dots(const float* c, const double* v, const double* w, int from, int to, double& cv,
                                double& cw) {
    double v0 = 0.0, v1 = 0.0, w0 = 0.0, w1 = 0.0;
    int i = from;
    for (; i + 1 < to; i += 2) {
        v0 += c[i] * v[i];
        v1 += c[i + 1] * v[i + 1];
        w0 += c[i] * w[i];
        w1 += c[i + 1] * w[i + 1];
    }
    for (; i < to; ++i) {
        v0 += c[i] * v[i];
        w0 += c[i] * w[i];
    }
    cv = v0 + v1;
    cw = w0 + w1;
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

// v[from..to) -= c[from..to) · t and w[from..to) -= c[from..to) · u, reading
// c once for both.
CORVANE_VECTOR_CLONES void subtractMultiples(double* v, double t, double* w, double u, const float* c, int from,
                                             int to) {
    for (int i = from; i < to; ++i) {
        v[i] -= c[i] * t;
        w[i] -= c[i] * u;
    }
}

// Column j (0-based) of a column-major n x n array.
const float* columnOf(const RealMatrix& M, int j) { return M.data() + static_cast<std::size_t>(j) * M.rows(); }

// The first index where v or w is not zero (n when both are zero): a solve
// with a lower triangle leaves the zeros before it as they are, so it
// starts there (the estimator's unit vectors skip most of that half).
int firstNonzero(const std::vector<double>& v, const std::vector<double>* w) {
    const int n = static_cast<int>(v.size());
    for (int i = 0; i < n; ++i) {
        if (v[static_cast<std::size_t>(i)] != 0.0 || (w && (*w)[static_cast<std::size_t>(i)] != 0.0)) return i;
    }
    return n;
}

// v[from..to) -= c[from..to) · v[j] (and the same for w), column j's step of
// a substitution.
void eliminateColumn(const float* c, int j, std::vector<double>& v, std::vector<double>* w, int from, int to) {
    if (w) {
        subtractMultiples(v.data(), v[static_cast<std::size_t>(j)], w->data(), (*w)[static_cast<std::size_t>(j)], c,
                          from, to);
    } else {
        subtractMultiple(v.data(), c, v[static_cast<std::size_t>(j)], from, to);
    }
}

// L·U·y = v (and w): forward with the unit lower L, then back with U,
// column by column.
void solveLu(const RealMatrix& F, std::vector<double>& v, std::vector<double>* w) {
    const int n = static_cast<int>(v.size());
    for (int j = firstNonzero(v, w); j < n; ++j) eliminateColumn(columnOf(F, j), j, v, w, j + 1, n);
    for (int j = n - 1; j >= 0; --j) {
        const float* c = columnOf(F, j);
        v[static_cast<std::size_t>(j)] /= c[j];
        if (w) (*w)[static_cast<std::size_t>(j)] /= c[j];
        eliminateColumn(c, j, v, w, 0, j);
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

// Column j of the packed upper S (s(0..j, j)).
const float* packedColumn(const RealVector& S, int j) { return S.data() + static_cast<std::size_t>(j) * (j + 1) / 2; }

// Sᵀ·y = v (and w) forward from the first nonzero, each step a sum down
// column j.
void solveLowerPacked(const RealVector& S, std::vector<double>& v, std::vector<double>* w, int first) {
    const int n = static_cast<int>(v.size());
    for (int j = first; j < n; ++j) {
        const float* c = packedColumn(S, j);
        const std::size_t at = static_cast<std::size_t>(j);
        if (w) {
            double cv = 0.0, cw = 0.0;
            dots(c, v.data(), w->data(), first, j, cv, cw);
            v[at] = (v[at] - cv) / c[j];
            (*w)[at] = ((*w)[at] - cw) / c[j];
        } else {
            v[at] = (v[at] - dot(c, v.data(), first, j)) / c[j];
        }
    }
}

// SᵀS·y = v (and w) with the packed upper S.
void solveCholesky(const RealVector& S, std::vector<double>& v, std::vector<double>* w) {
    const int n = static_cast<int>(v.size());
    const int first = firstNonzero(v, w);
    solveLowerPacked(S, v, w, first);
    for (int j = n - 1; j >= 0; --j) {
        const float* c = packedColumn(S, j);
        v[static_cast<std::size_t>(j)] /= c[j];
        if (w) (*w)[static_cast<std::size_t>(j)] /= c[j];
        eliminateColumn(c, j, v, w, 0, j);
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
    // Higham's extra vector with alternating signs catches the matrices that
    // make the iteration stop early; it is solved with the first vector, in
    // the same pass over the factors.
    std::vector<double> alternating(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        alternating[static_cast<std::size_t>(i)] = (i % 2 == 0 ? 1.0 : -1.0) * (1.0 + (n > 1 ? double(i) / (n - 1) : 0.0));
    }
    std::vector<double> x(static_cast<std::size_t>(n), 1.0 / n);
    solve(x, &alternating);
    double estimate = oneNorm(x);
    if (n > 1) {
        std::vector<double> signs = signsOf(x);
        std::vector<double> z = signs;
        solveTransposed(z, nullptr);
        for (int iteration = 2; iteration <= kMaxIterations; ++iteration) {
            const std::size_t j = largestMagnitude(z);
            std::fill(x.begin(), x.end(), 0.0);
            x[j] = 1.0;
            solve(x, nullptr);
            const double previous = estimate;
            estimate = oneNorm(x);
            std::vector<double> newSigns = signsOf(x);
            if (newSigns == signs || estimate <= previous) {
                estimate = std::max(estimate, previous);
                break;
            }
            signs = std::move(newSigns);
            z = signs;
            solveTransposed(z, nullptr);
            if (std::fabs(z[largestMagnitude(z)]) == std::fabs(z[j])) break;
        }
    }
    return std::max(estimate, 2.0 * oneNorm(alternating) / (3.0 * n));
}

double conditionOneFromLu(int n, const RealMatrix& original, const RealMatrix& factors) {
    const double inverse = estimateInverseOneNorm(
        n, [&](std::vector<double>& v, std::vector<double>* w) { solveLu(factors, v, w); },
        [&](std::vector<double>& v, std::vector<double>*) { solveLuTransposed(factors, v); });
    return largestColumnSum(original, n) * inverse;
}

double conditionOneFromCholesky(int n, const RealVector& original, const RealVector& factor) {
    const auto solve = [&](std::vector<double>& v, std::vector<double>* w) { solveCholesky(factor, v, w); };
    return largestColumnSumOfPacked(original, n) * estimateInverseOneNorm(n, solve, solve);
}

}  // namespace corvane
