#include "problem/test_matrices.h"

#include "problem/problem_state.h"

namespace corvane {
namespace {

bool isBand(std::string_view name) { return name == "Banda constanta" || name == "Constant Band"; }

// Hilbert (and Lotkin below its first row): the integer i + j - 1 is stored
// as a real, then every stored entry is replaced by 1.0 divided by it.
void hilbertLike(int n, RealMatrix& A, bool lotkin) {
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) A(i, j) = static_cast<float>(i + j - 1);
        if (lotkin) A(1, j) = 1.0f;
    }
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) A(i, j) = 1.0f / A(i, j);
    }
}

void wilkinson5(RealMatrix& A, float z) {
    const float scaled = z * 1.8144f;
    for (int j = 1; j <= 5; ++j) {
        for (int i = 1; i <= 5; ++i) A(i, j) = scaled / static_cast<float>(i + j + 1);
    }
}

void wilkinson20(int n, RealMatrix& A, float alpha) {
    for (int i = 1; i <= n; ++i) A(i, i) = static_cast<float>(i);
    for (int i = 1; i < n; ++i) A(i, i + 1) = static_cast<float>(n);
    A(n, 1) = alpha;
}

void cauchy(int n, RealMatrix& A, const RealVector& c) {
    RealVector x(n), y(n);
    for (int i = 1; i <= n; ++i) {
        x(i) = c(i);
        y(i) = c(5 + i);
    }
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) A(i, j) = 1.0f / (x(i) + y(j));
    }
}

void companion(int n, RealMatrix& A, const RealVector& c) {
    for (int j = 1; j < n; ++j) A(j + 1, j) = 1.0f;
    for (int i = 1; i <= n; ++i) A(i, n) = -c(i);
}

void constantBand(int n, RealMatrix& A, int nc, const RealVector& c) {
    for (int i = 1; i <= n; ++i) A(i, i) = c(1);
    for (int k = 1; k <= nc - 1; ++k) {
        for (int i = 1; i + k <= n; ++i) A(i, i + k) = c(k + 1);
    }
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j < i; ++j) A(i, j) = A(j, i);
    }
}

}  // namespace

bool generatorInputSuffices(std::string_view name, int n, int nc) {
    name = trimmed(name);
    if (name == "Wilkinson 5") return n >= 5 && nc >= 1;
    if (name == "Wilkinson 20" || isBand(name)) return nc >= 1;
    if (name == "Cauchy") return nc >= n + 5;
    if (name == "Companion") return nc >= n;
    return true;
}

void GEN_A(int n, RealMatrix& A, int nc, const RealVector& c, std::string_view name) {
    A.fill(0.0f);
    name = trimmed(name);
    if (name == "Hilbert") hilbertLike(n, A, false);
    else if (name == "Lotkin") hilbertLike(n, A, true);
    else if (name == "Wilkinson 5") wilkinson5(A, c(1));
    else if (name == "Wilkinson 20") wilkinson20(n, A, c(1));
    else if (name == "Cauchy") cauchy(n, A, c);
    else if (name == "Companion") companion(n, A, c);
    else if (isBand(name)) constantBand(n, A, nc, c);
}

}  // namespace corvane
