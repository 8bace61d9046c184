// The estimate of cond1(A) from a method's factors against the exact value
// (the inverse worked out in double precision): a lower bound, within a
// factor 3 of it; and the same bits with any number of threads.

#include "condition/one_norm_estimate.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "direct/cholesky_factorisation.h"
#include "direct/elimination.h"
#include "direct/lu_factorisation.h"
#include "kernels/kernel_threads.h"
#include "problem/problem_state.h"
#include "textio/record_writer.h"

namespace corvane {
namespace {

// cond1 of A from its inverse by Gauss-Jordan with partial pivoting in double.
double exactConditionOne(const RealMatrix& A) {
    const int n = A.rows();
    std::vector<std::vector<double>> M(n, std::vector<double>(2 * n, 0.0));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) M[i][j] = A(i + 1, j + 1);
        M[i][n + i] = 1.0;
    }
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i) if (std::fabs(M[i][k]) > std::fabs(M[p][k])) p = i;
        std::swap(M[k], M[p]);
        for (int i = 0; i < n; ++i) {
            if (i == k) continue;
            const double m = M[i][k] / M[k][k];
            for (int j = k; j < 2 * n; ++j) M[i][j] -= m * M[k][j];
        }
    }
    double normA = 0.0, normInverse = 0.0;
    for (int j = 0; j < n; ++j) {
        double a = 0.0, b = 0.0;
        for (int i = 0; i < n; ++i) {
            a += std::fabs(A(i + 1, j + 1));
            b += std::fabs(M[i][n + j] / M[i][i]);
        }
        normA = std::max(normA, a);
        normInverse = std::max(normInverse, b);
    }
    return normA * normInverse;
}

RealMatrix hilbert(int n) {
    RealMatrix A(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) A(i, j) = 1.0f / static_cast<float>(i + j - 1);
    return A;
}

RealMatrix randomMatrix(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> entry(-1.0f, 1.0f);
    RealMatrix A(n, n);
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) A(i, j) = entry(random);
    return A;
}

RealMatrix fromRows(const std::vector<std::vector<float>>& rows) {
    const int n = static_cast<int>(rows.size());
    RealMatrix A(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) A(i, j) = rows[i - 1][j - 1];
    return A;
}

struct Case {
    std::string name;
    RealMatrix A;
};

std::vector<Case> cases() {
    std::vector<Case> all;
    for (int n = 2; n <= 6; ++n) all.push_back({"Hilbert " + std::to_string(n), hilbert(n)});
    for (unsigned seed = 1; seed <= 6; ++seed) all.push_back({"random " + std::to_string(seed), randomMatrix(3 + 7 * seed, seed)});
    all.push_back({"system3", fromRows({{4, -2, 1}, {3, 6, -4}, {2, 1, 8}})});
    all.push_back({"spd4", fromRows({{4, 1, 0, 0}, {1, 4, 1, 0}, {0, 1, 4, 1}, {0, 0, 1, 4}})});
    return all;
}

// The estimate may exceed the exact value only by what the single-precision
// factors change: about cond1·2⁻²⁴ relative.
void expectCloseBelow(double estimate, double exact, const std::string& name) {
    const double rounding = 1.0 + 4.0 * exact / 16777216.0;
    EXPECT_LE(estimate, exact * rounding) << name << ": estimate " << estimate << ", exact " << exact;
    EXPECT_GE(estimate * 3.0, exact) << name << ": estimate " << estimate << ", exact " << exact;
}

TEST(ConditionOneEstimate, FromTheFactorsOfGaussAndLu) {
    for (const Case& c : cases()) {
        const int n = c.A.rows();
        const double exact = exactConditionOne(c.A);
        RealMatrix gauss = c.A, B(n, 1);
        int interchanges = 0;
        // Gauss refuses a pivot below 1.0E-6 (Hilbert 6): then it keeps no factors.
        if (eliminateAndSubstitute(n, 1, gauss, B, 1.0e-6f, interchanges).failedRow == 0) {
            expectCloseBelow(conditionOneFromLu(n, c.A, gauss), exact, c.name + " (Gauss)");
        }

        RealMatrix lu = c.A;
        StringSink sink;
        RecordWriter report(sink), console(sink);
        LuPermutation rows;
        ASSERT_EQ(LUDECOMP(lu, n, rows, report, console), 0) << c.name;
        expectCloseBelow(conditionOneFromLu(n, c.A, lu), exact, c.name + " (LU)");
    }
}

TEST(ConditionOneEstimate, FromTheCholeskyFactor) {
    for (const Case& c : cases()) {
        const int n = c.A.rows();
        if (c.name.rfind("Hilbert", 0) != 0 && c.name != "spd4") continue;  // the symmetric positive definite ones
        RealVector packed(n * (n + 1) / 2);
        for (int j = 1; j <= n; ++j)
            for (int i = 1; i <= j; ++i) packed(LOCA(i, j)) = c.A(i, j);
        RealVector S = packed;
        StringSink sink;
        RecordWriter report(sink), console(sink);
        ASSERT_EQ(SUB_CHOLESKY_S(n, S, report, console), 0) << c.name;
        expectCloseBelow(conditionOneFromCholesky(n, packed, S), exactConditionOne(c.A), c.name + " (Cholesky)");
    }
}

// The same bits with 1, 2, 3 and 5 threads, at an order where the passes
// over the factors share their blocks of unknowns over the threads.
TEST(ConditionOneEstimate, TheSameBitsWithAnyNumberOfThreads) {
    const int n = 517;
    const RealMatrix A = randomMatrix(n, 7);
    RealMatrix graded = randomMatrix(n, 8);  // ill-conditioned: more steps of the estimator
    for (int j = 1; j <= n; ++j)
        for (int i = j + 1; i <= n; ++i) graded(i, j) *= 1.0e-3f * static_cast<float>(j) / static_cast<float>(n);
    RealVector packed(n * (n + 1) / 2);  // symmetric, diagonally dominant
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= j; ++i) packed(LOCA(i, j)) = i == j ? static_cast<float>(n) : A(i, j);

    StringSink sink;
    RecordWriter report(sink), console(sink);
    RealMatrix gauss = A, B(n, 1);
    int interchanges = 0;
    ASSERT_EQ(eliminateAndSubstitute(n, 1, gauss, B, 1.0e-6f, interchanges).failedRow, 0);
    RealMatrix lu = graded;
    LuPermutation rows;
    ASSERT_EQ(LUDECOMP(lu, n, rows, report, console), 0);
    RealVector S = packed;
    ASSERT_EQ(SUB_CHOLESKY_S(n, S, report, console), 0);

    const std::vector<std::pair<std::string, std::function<double()>>> cases = {
        {"Gauss", [&] { return conditionOneFromLu(n, A, gauss); }},
        {"LU", [&] { return conditionOneFromLu(n, graded, lu); }},
        {"Cholesky", [&] { return conditionOneFromCholesky(n, packed, S); }},
    };
    for (const auto& [name, estimate] : cases) {
        std::uint64_t one = 0;
        {
            const KernelThreadsOverride selected(1);
            one = std::bit_cast<std::uint64_t>(estimate());
        }
        for (int threads : {2, 3, 5}) {
            const KernelThreadsOverride selected(threads);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(estimate()), one) << name << ", " << threads << " threads";
        }
    }
}

TEST(ConditionOneEstimate, OrderOne) {
    RealMatrix A(1, 1), F(1, 1);
    A(1, 1) = -4.0f;
    F(1, 1) = -4.0f;
    EXPECT_DOUBLE_EQ(conditionOneFromLu(1, A, F), 1.0);
}

}  // namespace
}  // namespace corvane
