#include "condition/inversion.h"

#include <cmath>
#include <utility>

#include "report/matrix_printing.h"

namespace corvane {
namespace {

void reportSmallPivot(RecordWriter& out, int row, float pivot, float threshold) {
    out.write(formatList("(/, a, i<>, a, 1pg15.7, a, 1pg11.3)", WIDTH(row)),
              {" Linia ", row, ": Pivot =", pivot, " <", threshold});
}

// Row of the first entry of largest magnitude in column k, rows k..n.
int pivotRow(int n, const RealMatrix& A, int k) {
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

void exchangeRows(int n, int nb, RealMatrix& A, RealMatrix& B, int k, int l) {
    for (int j = 1; j <= n; ++j) std::swap(A(k, j), A(l, j));
    for (int j = 1; j <= nb; ++j) std::swap(B(k, j), B(l, j));
}

// Subtracts multiples of row k from the rows below it; rows whose entry in
// column k is already 0 are left alone.
void eliminateBelow(int n, int nb, RealMatrix& A, RealMatrix& B, int k) {
    for (int i = k + 1; i <= n; ++i) {
        if (A(i, k) == 0.0f) continue;
        const float m = A(i, k) / A(k, k);
        for (int j = k + 1; j <= n; ++j) A(i, j) = A(i, j) - m * A(k, j);
        for (int j = 1; j <= nb; ++j) B(i, j) = B(i, j) - m * B(k, j);
        A(i, k) = m;
    }
}

void substituteBack(int n, int nb, const RealMatrix& A, RealMatrix& B) {
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

void ELIM2(RecordWriter& out, int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, bool& singular) {
    singular = false;
    if (n < 1) return;
    for (int k = 1; k <= n - 1; ++k) {
        const int l = pivotRow(n, A, k);
        if (std::fabs(A(l, k)) < threshold) {
            reportSmallPivot(out, k, A(l, k), threshold);
            singular = true;
            return;
        }
        if (l != k) exchangeRows(n, nb, A, B, k, l);
        eliminateBelow(n, nb, A, B, k);
    }
    if (std::fabs(A(n, n)) < threshold) {
        reportSmallPivot(out, n, A(n, n), threshold);
        singular = true;
        return;
    }
    substituteBack(n, nb, A, B);
}

}  // namespace corvane
