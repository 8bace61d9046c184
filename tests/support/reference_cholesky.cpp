#include "support/reference_cholesky.h"

#include <cmath>

#include "problem/problem_state.h"

namespace corvane::testing {

CholeskyOutcome referenceFactorPackedCholesky(int n, RealVector& A) {
    auto s = [&A](int i, int j) -> float& { return A(LOCA(i, j)); };
    const float first = s(1, 1);
    if (first <= 0.0f) return {1, first};
    s(1, 1) = std::sqrt(first);
    for (int i = 2; i <= n; ++i) s(1, i) = s(1, i) / s(1, 1);
    for (int j = 2; j <= n; ++j) {
        float squares = 0.0f;
        for (int k = 1; k < j; ++k) squares = squares + s(k, j) * s(k, j);
        const float radicand = s(j, j) - squares;
        if (radicand <= 0.0f) return {j, radicand};
        s(j, j) = std::sqrt(radicand);
        for (int i = j + 1; i <= n; ++i) {
            float sum = 0.0f;
            for (int k = 1; k < j; ++k) sum = sum + s(k, j) * s(k, i);
            s(j, i) = (s(j, i) - sum) / s(j, j);
        }
    }
    return {};
}

void referenceForward(int n, const RealVector& S, float* B) {
    auto s = [&S](int i, int j) { return S(LOCA(i, j)); };
    auto y = [B](int i) -> float& { return B[i - 1]; };
    y(1) = y(1) / s(1, 1);
    for (int j = 2; j <= n; ++j) {
        float sum = 0.0f;
        for (int i = 1; i < j; ++i) sum = sum + s(i, j) * y(i);
        y(j) = (y(j) - sum) / s(j, j);
    }
}

void referenceBack(int n, const RealVector& S, float* B) {
    auto s = [&S](int i, int j) { return S(LOCA(i, j)); };
    auto x = [B](int i) -> float& { return B[i - 1]; };
    x(n) = x(n) / s(n, n);
    for (int i = n - 1; i >= 1; --i) {
        float sum = 0.0f;
        for (int j = i + 1; j <= n; ++j) sum = sum + s(i, j) * x(j);
        x(i) = (x(i) - sum) / s(i, i);
    }
}

}  // namespace corvane::testing
