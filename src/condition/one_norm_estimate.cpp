#include "condition/one_norm_estimate.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "condition/estimate_passes.h"

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
    // ‖A‖₁ is worked out beside the first transposed solve, whose Lᵀ half
    // leaves the other threads idle.
    std::optional<double> norm;
    const std::function<void()> workOutNorm = [&] { norm = largestColumnSum(original, n); };
    const double inverse = estimateInverseOneNorm(
        n, [&](std::vector<double>& v, std::vector<double>* w) { solveWithLu(factors, v, w); },
        [&](std::vector<double>& v, std::vector<double>*) {
            solveWithLuTransposed(factors, v, norm ? nullptr : workOutNorm);
        });
    if (!norm) workOutNorm();
    return *norm * inverse;
}

double conditionOneFromCholesky(int n, const RealVector& original, const RealVector& factor) {
    const auto solve = [&](std::vector<double>& v, std::vector<double>* w) { solveWithCholesky(factor, v, w); };
    return largestColumnSumOfPacked(original, n) * estimateInverseOneNorm(n, solve, solve);
}

}  // namespace corvane
