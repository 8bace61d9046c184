#include "direct/cholesky_factorisation.h"

#include <cmath>

#include "problem/problem_state.h"
#include "report/matrix_printing.h"

namespace corvane {
namespace {

void writeNotPositiveDefinite(RecordWriter& out, int n, int j, float radicand) {
    const int w = WIDTH(n + 1);
    out.write("(/, a)", {" * Matricea nu este pozitiv definita:"});
    out.write(formatList("(a, i<>, a, i<>, a, i<>, a, 1pg15.7)", w, w, w),
              {" Linia ", j, ": s(", j, ",", j, ") =", radicand});
}

// Zero counts as a failure; a radicand that is not a number compares false and
// goes on, like every other comparison of the methods.
bool notPositive(float radicand) { return radicand <= 0.0f; }

}  // namespace

int SUB_CHOLESKY_S(int n, RealVector& A, RecordWriter& report, RecordWriter& console) {
    auto s = [&A](int i, int j) -> float& { return A(LOCA(i, j)); };
    auto fail = [&](int j, float radicand) {
        writeNotPositiveDefinite(console, n, j, radicand);
        writeNotPositiveDefinite(report, n, j, radicand);
        return -1;
    };

    const float first = s(1, 1);
    if (notPositive(first)) return fail(1, first);
    s(1, 1) = std::sqrt(first);
    for (int i = 2; i <= n; ++i) s(1, i) = s(1, i) / s(1, 1);

    for (int j = 2; j <= n; ++j) {
        float squares = 0.0f;
        for (int k = 1; k < j; ++k) squares = squares + s(k, j) * s(k, j);
        const float radicand = s(j, j) - squares;
        if (notPositive(radicand)) return fail(j, radicand);
        s(j, j) = std::sqrt(radicand);
        for (int i = j + 1; i <= n; ++i) {
            float sum = 0.0f;
            for (int k = 1; k < j; ++k) sum = sum + s(k, j) * s(k, i);
            s(j, i) = (s(j, i) - sum) / s(j, j);
        }
    }
    return 0;
}

void FORWARD(int n, const RealVector& S, float* B) {
    auto s = [&S](int i, int j) { return S(LOCA(i, j)); };
    auto y = [B](int i) -> float& { return B[i - 1]; };
    y(1) = y(1) / s(1, 1);
    for (int j = 2; j <= n; ++j) {
        float sum = 0.0f;
        for (int i = 1; i < j; ++i) sum = sum + s(i, j) * y(i);
        y(j) = (y(j) - sum) / s(j, j);
    }
}

void BACK(int n, const RealVector& S, float* B) {
    auto s = [&S](int i, int j) { return S(LOCA(i, j)); };
    auto x = [B](int i) -> float& { return B[i - 1]; };
    x(n) = x(n) / s(n, n);
    for (int i = n - 1; i >= 1; --i) {
        float sum = 0.0f;
        for (int j = i + 1; j <= n; ++j) sum = sum + s(i, j) * x(j);
        x(i) = (x(i) - sum) / s(i, i);
    }
}

}  // namespace corvane
