#include "support/reference_elimination.h"

#include <cmath>
#include <utility>

namespace corvane::testing {
namespace {

int pivotRow(const RealMatrix& A, int n, int k) {
    float pivot = A(k, k);
    int row = k;
    for (int i = k + 1; i <= n; ++i) {
        if (std::fabs(A(i, k)) > std::fabs(pivot)) {
            pivot = A(i, k);
            row = i;
        }
    }
    return row;
}

void exchangeRows(RealMatrix& A, RealMatrix& B, int n, int nb, int k, int l) {
    for (int j = 1; j <= n; ++j) std::swap(A(k, j), A(l, j));
    for (int j = 1; j <= nb; ++j) std::swap(B(k, j), B(l, j));
}

void eliminateBelow(RealMatrix& A, RealMatrix& B, int n, int nb, int k) {
    for (int i = k + 1; i <= n; ++i) {
        if (A(i, k) == 0.0f) continue;
        const float m = A(i, k) / A(k, k);
        for (int j = k + 1; j <= n; ++j) A(i, j) = A(i, j) - m * A(k, j);
        for (int j = 1; j <= nb; ++j) B(i, j) = B(i, j) - m * B(k, j);
        A(i, k) = m;
    }
}

void backSubstitute(const RealMatrix& A, RealMatrix& B, int n, int nb) {
    for (int j = 1; j <= nb; ++j) {
        B(n, j) = B(n, j) / A(n, n);
        for (int i = n - 1; i >= 1; --i) {
            float s = 0.0f;
            for (int l = i + 1; l <= n; ++l) s = s + A(i, l) * B(l, j);
            B(i, j) = (B(i, j) - s) / A(i, i);
        }
    }
}

}  // namespace

EliminationOutcome referenceEliminateAndSolve(int n, int nb, RealMatrix& A, RealMatrix& B, float threshold,
                                              int& interchanges) {
    for (int k = 1; k <= n - 1; ++k) {
        const int l = pivotRow(A, n, k);
        const float pivot = A(l, k);
        if (std::fabs(pivot) < threshold) return {k, pivot};
        if (l != k) {
            ++interchanges;
            exchangeRows(A, B, n, nb, k, l);
        }
        eliminateBelow(A, B, n, nb, k);
    }
    if (std::fabs(A(n, n)) < threshold) return {n, A(n, n)};
    backSubstitute(A, B, n, nb);
    return {};
}

}  // namespace corvane::testing
