#include "direct/cholesky_factorisation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "direct/direct_test_support.h"
#include "kernels/cholesky_kernel.h"
#include "problem/problem_state.h"

namespace corvane {
namespace {

using testing::packedFromUpperRows;
using testing::records;
using testing::Rows;

struct Outputs {
    StringSink reportSink;
    StringSink consoleSink;
    RecordWriter report{reportSink};
    RecordWriter console{consoleSink};
};

struct SolveCase {
    const char* name;
    Rows upper;        // a(i, i..n)
    Rows factor;       // s(i, i..n)
    std::vector<float> b;
    std::vector<float> x;
};

void PrintTo(const SolveCase& c, std::ostream* os) { *os << c.name; }

class CholeskyFactorisation : public ::testing::TestWithParam<SolveCase> {};

TEST_P(CholeskyFactorisation, FactorisesAndSolves) {
    const SolveCase& c = GetParam();
    const int n = static_cast<int>(c.upper.size());
    RealVector AV = packedFromUpperRows(c.upper);
    Outputs out;
    ASSERT_EQ(SUB_CHOLESKY_S(n, AV, out.report, out.console), 0);
    EXPECT_EQ(AV, packedFromUpperRows(c.factor));
    EXPECT_EQ(out.reportSink.text(), "");
    EXPECT_EQ(out.consoleSink.text(), "");

    std::vector<float> x = c.b;
    solvePackedCholesky(n, AV.data(), x.data(), 1, true, true);
    EXPECT_EQ(x, c.x);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CholeskyFactorisation,
    ::testing::Values(SolveCase{"OrderOne", {{4}}, {{2}}, {2}, {0.5f}},
                      SolveCase{"Identity", {{1, 0, 0}, {1, 0}, {1}}, {{1, 0, 0}, {1, 0}, {1}}, {3, -2, 5}, {3, -2, 5}},
                      SolveCase{"TwoByTwo", {{4, 2}, {5}}, {{2, 1}, {2}}, {6, 7}, {1, 1}},
                      SolveCase{"ThreeByThree", {{4, 2, 2}, {5, 3}, {3}}, {{2, 1, 1}, {2, 1}, {1}}, {8, 10, 8}, {1, 1, 1}}),
    [](const ::testing::TestParamInfo<SolveCase>& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    Rows upper;
    std::string line;   // the record naming the row and its radicand
    Rows afterwards;    // rows before the failing one hold S, the others are unchanged
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class CholeskyFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CholeskyFailure, ReportsTheRowToConsoleAndReport) {
    const FailureCase& c = GetParam();
    const int n = static_cast<int>(c.upper.size());
    RealVector AV = packedFromUpperRows(c.upper);
    Outputs out;
    EXPECT_EQ(SUB_CHOLESKY_S(n, AV, out.report, out.console), -1);
    const std::string expected = records({"", " * Matricea nu este pozitiv definita:", c.line});
    EXPECT_EQ(out.consoleSink.text(), expected);
    EXPECT_EQ(out.reportSink.text(), expected);
    EXPECT_EQ(AV, packedFromUpperRows(c.afterwards));
}

Rows identityWithNegativeFourth(int n) {
    Rows rows;
    for (int i = 1; i <= n; ++i) {
        std::vector<float> row(static_cast<std::size_t>(n - i + 1), 0.0f);
        row[0] = i == 4 ? -1.0f : 1.0f;
        rows.push_back(row);
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CholeskyFailure,
    ::testing::Values(
        FailureCase{"ZeroFirstDiagonal", {{0}}, " Linia 1: s(1,1) =   0.000000    ", {{0}}},
        FailureCase{"NegativeFirstDiagonal", {{-2, 1}, {3}}, " Linia 1: s(1,1) =  -2.000000    ", {{-2, 1}, {3}}},
        // Exactly dependent rows: the radicand of row 2 is exactly 0.
        FailureCase{"Semidefinite", {{1, 1}, {1}}, " Linia 2: s(2,2) =   0.000000    ", {{1, 1}, {1}}},
        FailureCase{"SemidefiniteAfterAFactorisedRow", {{4, 2}, {1}}, " Linia 2: s(2,2) =   0.000000    ", {{2, 1}, {1}}},
        FailureCase{"Indefinite", {{1, 2}, {1}}, " Linia 2: s(2,2) =  -3.000000    ", {{1, 2}, {1}}},
        // Row and column numbers take WIDTH(n+1) = 2 columns for n = 10.
        FailureCase{"OrderTen", identityWithNegativeFourth(10), " Linia  4: s( 4, 4) =  -1.000000    ",
                    identityWithNegativeFourth(10)}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(CholeskyRadicand, NotANumberIsNoFailure) {
    RealVector AV = packedFromUpperRows({{1, 0}, {std::numeric_limits<float>::quiet_NaN()}});
    Outputs out;
    EXPECT_EQ(SUB_CHOLESKY_S(2, AV, out.report, out.console), 0);
    EXPECT_EQ(out.reportSink.text(), "");
}

// S^T * S reproduces a symmetric positive definite input, and the two solves
// leave a small residual.
TEST(CholeskyProperty, FactorReproducesTheInput) {
    std::mt19937 random(7177);
    std::uniform_real_distribution<double> entry(-1.0, 1.0);
    const double eps = std::numeric_limits<float>::epsilon();
    for (int n : {1, 2, 3, 5, 8, 13, 21}) {
        for (int trial = 0; trial < 4; ++trial) {
            // A = M^T*M + n*I, positive definite with a moderate condition number.
            std::vector<double> M(static_cast<std::size_t>(n * n));
            for (double& m : M) m = entry(random);
            auto m = [&](int i, int j) { return M[static_cast<std::size_t>((i - 1) * n + (j - 1))]; };
            RealVector input(n * (n + 1) / 2);
            for (int j = 1; j <= n; ++j) {
                for (int i = 1; i <= j; ++i) {
                    double sum = i == j ? n : 0.0;
                    for (int k = 1; k <= n; ++k) sum += m(k, i) * m(k, j);
                    input(LOCA(i, j)) = static_cast<float>(sum);
                }
            }
            RealVector S = input;
            Outputs out;
            ASSERT_EQ(SUB_CHOLESKY_S(n, S, out.report, out.console), 0);

            for (int j = 1; j <= n; ++j) {
                EXPECT_GT(S(LOCA(j, j)), 0.0f);
                for (int i = 1; i <= j; ++i) {
                    double product = 0.0;
                    for (int k = 1; k <= i; ++k) product += static_cast<double>(S(LOCA(k, i))) * S(LOCA(k, j));
                    const double scale = std::sqrt(static_cast<double>(input(LOCA(i, i))) * input(LOCA(j, j)));
                    EXPECT_NEAR(product, input(LOCA(i, j)), 4.0 * n * eps * scale) << "n = " << n << " (" << i << "," << j << ")";
                }
            }

            std::vector<float> x(static_cast<std::size_t>(n), 1.0f);
            solvePackedCholesky(n, S.data(), x.data(), 1, true, true);
            for (int i = 1; i <= n; ++i) {
                double residual = -1.0;
                double magnitude = 1.0;
                for (int j = 1; j <= n; ++j) {
                    const double a = i <= j ? input(LOCA(i, j)) : input(LOCA(j, i));
                    residual += a * x[static_cast<std::size_t>(j - 1)];
                    magnitude += std::fabs(a * x[static_cast<std::size_t>(j - 1)]);
                }
                EXPECT_NEAR(residual, 0.0, 8.0 * n * eps * magnitude) << "n = " << n << ", equation " << i;
            }
        }
    }
}

}  // namespace
}  // namespace corvane
