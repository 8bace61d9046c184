#include "problem/test_matrices.h"

#include <algorithm>
#include <cctype>

#include "problem/problem_state.h"

namespace corvane {
namespace {

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

void wilkinson5(int, RealMatrix& A, int, const RealVector& c) {
    const float scaled = c(1) * 1.8144f;
    for (int j = 1; j <= 5; ++j) {
        for (int i = 1; i <= 5; ++i) A(i, j) = scaled / static_cast<float>(i + j + 1);
    }
}

void wilkinson20(int n, RealMatrix& A, int, const RealVector& c) {
    const float alpha = c(1);
    for (int i = 1; i <= n; ++i) A(i, i) = static_cast<float>(i);
    for (int i = 1; i < n; ++i) A(i, i + 1) = static_cast<float>(n);
    A(n, 1) = alpha;
}

void cauchy(int n, RealMatrix& A, int, const RealVector& c) {
    RealVector x(n), y(n);
    for (int i = 1; i <= n; ++i) {
        x(i) = c(i);
        y(i) = c(5 + i);
    }
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) A(i, j) = 1.0f / (x(i) + y(j));
    }
}

void companion(int n, RealMatrix& A, int, const RealVector& c) {
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

void hilbert(int n, RealMatrix& A, int, const RealVector&) { hilbertLike(n, A, false); }
void lotkin(int n, RealMatrix& A, int, const RealVector&) { hilbertLike(n, A, true); }

bool anyInput(int, int) { return true; }
bool orderFiveAndOneConstant(int n, int nc) { return n >= 5 && nc >= 1; }
bool oneConstant(int, int nc) { return nc >= 1; }
bool nConstants(int n, int nc) { return nc >= n; }
bool nPlusFiveConstants(int n, int nc) { return nc >= n + 5; }

constexpr TestMatrix kTestMatrices[kTestMatrixCount] = {
    {"Hilbert", "Hilbert", anyInput, hilbert},
    {"Lotkin", "Lotkin", anyInput, lotkin},
    {"Companion", "Companion", nConstants, companion},
    {"Wilkinson 5", "Wilkinson 5", orderFiveAndOneConstant, wilkinson5},
    {"Wilkinson 20", "Wilkinson 20", oneConstant, wilkinson20},
    {"Cauchy", "Cauchy", nPlusFiveConstants, cauchy},
    {"Banda constanta", "Constant Band", oneConstant, constantBand},
};

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// The test matrix with exactly this name (as stored in the state, blanks
// after it dropped), in either language.
const TestMatrix* testMatrixNamedExactly(std::string_view name) {
    name = trimmed(name);
    for (const TestMatrix& matrix : kTestMatrices) {
        if (name == matrix.name || name == matrix.englishName) return &matrix;
    }
    return nullptr;
}

}  // namespace

std::span<const TestMatrix, kTestMatrixCount> testMatrices() { return kTestMatrices; }

const TestMatrix* testMatrixAt(int position) {
    return position >= 1 && position <= kTestMatrixCount ? &kTestMatrices[position - 1] : nullptr;
}

int testMatrixPosition(std::string_view name) {
    for (int k = 0; k < kTestMatrixCount; ++k) {
        const TestMatrix& matrix = kTestMatrices[k];
        if (sameLetters(matrix.name, name) || sameLetters(matrix.englishName, name)) return k + 1;
    }
    return 0;
}

bool generatorInputSuffices(std::string_view name, int n, int nc) {
    const TestMatrix* matrix = testMatrixNamedExactly(name);
    return matrix == nullptr || matrix->inputSuffices(n, nc);
}

void GEN_A(int n, RealMatrix& A, int nc, const RealVector& c, std::string_view name) {
    A.fill(0.0f);
    if (const TestMatrix* matrix = testMatrixNamedExactly(name)) matrix->fill(n, A, nc, c);
}

}  // namespace corvane
