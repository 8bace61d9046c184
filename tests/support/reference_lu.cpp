#include "support/reference_lu.h"

#include <cmath>
#include <utility>

namespace corvane::testing {
namespace {

double innerProduct(const RealMatrix& A, int r, int c, int count) {
    double sum = 0.0;
    for (int l = 1; l <= count; ++l) sum += static_cast<double>(A(r, l)) * static_cast<double>(A(l, c));
    return sum;
}

void swapRows(int n, RealMatrix& A, Vector<int>& order, int i, int j) {
    for (int c = 1; c <= n; ++c) std::swap(A(i, c), A(j, c));
    std::swap(order(i), order(j));
}

float candidateInPlace(const RealMatrix& A, int k) {
    return static_cast<float>(static_cast<double>(A(k, k)) - innerProduct(A, k, k, k - 1));
}

// Every row i >= k tried in the pivot position, then exchanged back.
void searchPivot(RealMatrix& A, int n, Vector<int>& order, int k, int& exchanges) {
    float best = 0.0f;
    int bestRow = k;
    for (int i = k; i <= n; ++i) {
        if (i > k) swapRows(n, A, order, k, i);
        const float candidate = k == 1 ? A(1, 1) : candidateInPlace(A, k);
        if (std::fabs(candidate) > std::fabs(best)) {
            bestRow = i;
            best = candidate;
        }
        if (i > k) swapRows(n, A, order, i, k);
    }
    if (bestRow > k) {
        swapRows(n, A, order, k, bestRow);
        ++exchanges;
    }
}

}  // namespace

LuOutcome referenceFactorLu(int n, RealMatrix& A, Vector<int>& order, float threshold, int& exchanges) {
    order = Vector<int>(n);
    for (int i = 1; i <= n; ++i) order(i) = i;
    searchPivot(A, n, order, 1, exchanges);
    if (std::fabs(A(1, 1)) < threshold) return {1, A(1, 1)};
    for (int i = 2; i <= n; ++i) A(i, 1) = A(i, 1) / A(1, 1);
    for (int j = 2; j <= n; ++j) {
        if (j < n) searchPivot(A, n, order, j, exchanges);
        for (int c = j; c <= n; ++c) {
            A(j, c) = static_cast<float>(static_cast<double>(A(j, c)) - innerProduct(A, j, c, j - 1));
        }
        if (std::fabs(A(j, j)) < threshold) return {j, A(j, j)};
        const double pivot = A(j, j);
        for (int r = j + 1; r <= n; ++r) {
            A(r, j) = static_cast<float>((static_cast<double>(A(r, j)) - innerProduct(A, r, j, j - 1)) / pivot);
        }
    }
    return {};
}

void referenceSolveLu(int n, const RealMatrix& A, const Vector<int>& order, const float* b, float* x) {
    auto X = [x](int i) -> float& { return x[i - 1]; };
    for (int i = 1; i <= n; ++i) X(i) = b[order(i) - 1];
    for (int i = 2; i <= n; ++i) {
        double sum = 0.0;
        for (int j = 1; j < i; ++j) sum += static_cast<double>(A(i, j)) * static_cast<double>(X(j));
        X(i) = static_cast<float>(static_cast<double>(X(i)) - sum);
    }
    X(n) = X(n) / A(n, n);
    for (int i = n - 1; i >= 1; --i) {
        double sum = 0.0;
        for (int j = i + 1; j <= n; ++j) sum += static_cast<double>(A(i, j)) * static_cast<double>(X(j));
        X(i) = static_cast<float>((static_cast<double>(X(i)) - sum) / static_cast<double>(A(i, i)));
    }
}

}  // namespace corvane::testing
