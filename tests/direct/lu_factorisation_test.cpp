#include "direct/lu_factorisation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "direct/direct_test_support.h"

namespace corvane {
namespace {

using testing::matrixFromRows;
using testing::Rows;

constexpr float k2p24 = 16777216.0f;  // 2^24: adding 1 to it is lost in single precision

struct Outputs {
    StringSink reportSink;
    StringSink consoleSink;
    RecordWriter report{reportSink};
    RecordWriter console{consoleSink};
};

std::vector<int> orderOf(const LuPermutation& rows) {
    return std::vector<int>(rows.ORDER.data(), rows.ORDER.data() + rows.ORDER.size());
}

struct FactorCase {
    const char* name;
    Rows input;
    Rows factors;  // l(i,j) below the diagonal, u(i,j) on and above it
    std::vector<int> order;
    int exchanges;
};

void PrintTo(const FactorCase& c, std::ostream* os) { *os << c.name; }

class LuFactorisation : public ::testing::TestWithParam<FactorCase> {};

TEST_P(LuFactorisation, GivesTheFactorsOrderAndExchanges) {
    const FactorCase& c = GetParam();
    RealMatrix A = matrixFromRows(c.input);
    const int n = A.rows();
    Outputs out;
    LuPermutation rows;
    ASSERT_EQ(LUDECOMP(A, n, rows, out.report, out.console), 0) << out.reportSink.text();
    EXPECT_EQ(A, matrixFromRows(c.factors));
    EXPECT_EQ(orderOf(rows), c.order);
    EXPECT_EQ(rows.NR_SCHIMBARI, c.exchanges);
    EXPECT_EQ(out.reportSink.text(), "");
    EXPECT_EQ(out.consoleSink.text(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LuFactorisation,
    ::testing::Values(
        FactorCase{"OrderOne", {{5}}, {{5}}, {1}, 0},
        FactorCase{"NoExchangeNeeded", {{4, 2}, {2, 3}}, {{4, 2}, {0.5f, 2}}, {1, 2}, 0},
        // Column (1, -1, 1): equal magnitudes, the upper row stays.
        FactorCase{"TieKeepsTheUpperRow",
                   {{1, 2, 0}, {-1, 1, 0}, {1, 0, 1}},
                   {{1, 2, 0}, {-1, 3, 0}, {1, -2.0f / 3.0f, 1}},
                   {1, 2, 3},
                   0},
        // The second step prefers row 3 (u = 1.5 against 0); the multiplier
        // row 3 received in step 1 moves with it.
        FactorCase{"ExchangeAtSecondStepMovesMultipliers",
                   {{2, 1, 1}, {1, 0.5f, 3}, {-1, 1, 1}},
                   {{2, 1, 1}, {-0.5f, 1.5f, 1.5f}, {0.5f, 0, 2.5f}},
                   {1, 3, 2},
                   1},
        FactorCase{"ReversedIdentity", {{0, 0, 1}, {0, 1, 0}, {1, 0, 0}}, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {3, 2, 1}, 1},
        FactorCase{"ReversedIdentityOfFour",
                   {{0, 0, 0, 1}, {0, 0, 1, 0}, {0, 1, 0, 0}, {1, 0, 0, 0}},
                   {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}},
                   {4, 3, 2, 1},
                   2},
        // Sums such as 2^24 + 1 exist only in double precision: in single
        // precision u(3,3) would be 2 and l(4,3) would be 0. Steps 2 and 3
        // also meet ties (1, 1, 1 and 1, -1).
        FactorCase{"InnerProductsInDoublePrecision",
                   {{1, 0, k2p24, 0}, {0, 1, 1, 0}, {1, 1, k2p24 + 2, 0}, {1, 1, k2p24, 1}},
                   {{1, 0, k2p24, 0}, {0, 1, 1, 0}, {1, 1, 1, 0}, {1, 1, -1, 1}},
                   {1, 2, 3, 4},
                   0},
        FactorCase{"LargestCandidate",
                   {{0, 1, 0}, {1, 0, 0}, {2, 0, 1}},
                   {{2, 0, 1}, {0, 1, 0}, {0.5f, 0, -0.5f}},
                   {3, 1, 2},
                   2}),
    [](const ::testing::TestParamInfo<FactorCase>& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    Rows input;
    std::string report;
    std::string console;
    std::vector<int> order;
    int exchanges;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class LuFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(LuFailure, ReportsTheStepAndStops) {
    const FailureCase& c = GetParam();
    RealMatrix A = matrixFromRows(c.input);
    Outputs out;
    LuPermutation rows;
    EXPECT_EQ(LUDECOMP(A, A.rows(), rows, out.report, out.console), -1);
    EXPECT_EQ(out.reportSink.text(), c.report);
    EXPECT_EQ(out.consoleSink.text(), c.console);
    EXPECT_EQ(orderOf(rows), c.order);
    EXPECT_EQ(rows.NR_SCHIMBARI, c.exchanges);
}

const std::string kZeroFirstPivot = "  u(1,1) =   0.000000     <  9.9999999E-09\r\n";

Rows identityWithLastZero(int n) {
    Rows rows(static_cast<std::size_t>(n), std::vector<float>(static_cast<std::size_t>(n), 0.0f));
    for (int i = 0; i < n - 1; ++i) rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = 1.0f;
    return rows;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LuFailure,
    ::testing::Values(
        FailureCase{"OrderOneZero", {{0}}, kZeroFirstPivot, kZeroFirstPivot, {1}, 0},
        FailureCase{"ZeroFirstColumn", {{0, 1}, {0, 2}}, kZeroFirstPivot, kZeroFirstPivot, {1, 2}, 0},
        FailureCase{"NegativeFirstPivot",
                    {{-5.0e-9f}},
                    "  u(1,1) = -5.0000000E-09 <  9.9999999E-09\r\n",
                    "  u(1,1) = -5.0000000E-09 <  9.9999999E-09\r\n",
                    {1},
                    0},
        // Later steps write one record, to the report only.
        FailureCase{"SingularAtLastStep", {{1, 2}, {2, 4}}, "\r\n u(2,2) =    0.000000    \r\n", "", {2, 1}, 1},
        // Every candidate of step 2 is zero: no exchange, then the failure.
        FailureCase{"SingularAtSecondOfThreeSteps",
                    {{1, 2, 3}, {2, 4, 6}, {4, 8, 13}},
                    "\r\n u(2,2) =    0.000000    \r\n",
                    "",
                    {3, 2, 1},
                    1},
        FailureCase{"TwoDigitStep",
                    identityWithLastZero(10),
                    "\r\n u(10,10) =    0.000000    \r\n",
                    "",
                    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                    0}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(LuThreshold, MagnitudeEqualToTheThresholdIsAccepted) {
    const float below = std::nextafter(PRAG_LU, 0.0f);
    const struct {
        Rows input;
        int status;
    } cases[] = {
        {{{PRAG_LU}}, 0},
        {{{-PRAG_LU}}, 0},
        {{{below}}, -1},
        {{{1, 0}, {0, PRAG_LU}}, 0},
        {{{1, 0}, {0, -PRAG_LU}}, 0},
        {{{1, 0}, {0, below}}, -1},
    };
    for (const auto& c : cases) {
        RealMatrix A = matrixFromRows(c.input);
        Outputs out;
        LuPermutation rows;
        EXPECT_EQ(LUDECOMP(A, A.rows(), rows, out.report, out.console), c.status)
            << "n = " << A.rows() << ", last diagonal " << c.input.back().back();
    }
}

TEST(LuThreshold, NotANumberPassesTheStrictTest) {
    RealMatrix A = matrixFromRows({{1, 0}, {0, std::numeric_limits<float>::quiet_NaN()}});
    Outputs out;
    LuPermutation rows;
    EXPECT_EQ(LUDECOMP(A, 2, rows, out.report, out.console), 0);
    EXPECT_EQ(out.reportSink.text(), "");
}

std::vector<float> solve(const Rows& input, const std::vector<float>& b) {
    RealMatrix A = matrixFromRows(input);
    const int n = A.rows();
    Outputs out;
    LuPermutation rows;
    EXPECT_EQ(LUDECOMP(A, n, rows, out.report, out.console), 0);
    RealMatrix x(n, 1);
    std::copy(b.begin(), b.end(), x.data());
    solveColumnsWithFactors(A, x, n, 1, rows.ORDER);
    return std::vector<float>(x.data(), x.data() + n);
}

TEST(LuSolve, AppliesTheRowOrderFirst) {
    EXPECT_EQ(solve({{0, 0, 1}, {0, 1, 0}, {1, 0, 0}}, {1, 2, 3}), (std::vector<float>{3, 2, 1}));
    EXPECT_EQ(solve({{4}}, {2}), (std::vector<float>{0.5f}));
}

// Forward substitution, back substitution and their sums in double precision:
// in single precision x(3) would come out 0 instead of -1.
TEST(LuSolve, SubstitutesInDoublePrecision) {
    EXPECT_EQ(solve({{1, 0, k2p24, 0}, {0, 1, 1, 0}, {1, 1, k2p24 + 2, 0}, {1, 1, k2p24, 1}}, {k2p24, 1, k2p24, k2p24}),
              (std::vector<float>{2 * k2p24, 2, -1, -2}));
}

int permutationParity(std::vector<int> order) {
    int swaps = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        while (order[i] != static_cast<int>(i) + 1) {
            std::swap(order[i], order[static_cast<std::size_t>(order[i] - 1)]);
            ++swaps;
        }
    }
    return swaps % 2;
}

// Rows of the input in ORDER equal L*U up to rounding; the multipliers stay
// within 1 in magnitude; the exchange count has the parity of ORDER.
TEST(LuProperty, RowsInOrderEqualLTimesU) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<float> entry(-1.0f, 1.0f);
    const float eps = std::numeric_limits<float>::epsilon();
    for (int n : {1, 2, 3, 4, 5, 7, 10, 16, 25}) {
        for (int trial = 0; trial < 4; ++trial) {
            RealMatrix input(n, n);
            for (int j = 1; j <= n; ++j)
                for (int i = 1; i <= n; ++i) input(i, j) = entry(random);
            RealMatrix A = input;
            Outputs out;
            LuPermutation rows;
            ASSERT_EQ(LUDECOMP(A, n, rows, out.report, out.console), 0);

            std::vector<int> order = orderOf(rows);
            std::vector<int> sorted = order;
            std::sort(sorted.begin(), sorted.end());
            for (int i = 1; i <= n; ++i) ASSERT_EQ(sorted[static_cast<std::size_t>(i - 1)], i);
            EXPECT_EQ(permutationParity(order), rows.NR_SCHIMBARI % 2);

            for (int i = 1; i <= n; ++i) {
                for (int c = 1; c <= n; ++c) {
                    if (i > c) {
                        EXPECT_LE(std::fabs(A(i, c)), 1.0f + eps);
                    }
                    double product = 0.0;
                    double magnitude = 0.0;
                    for (int l = 1; l <= std::min(i, c); ++l) {
                        const double lower = l == i ? 1.0 : A(i, l);
                        product += lower * A(l, c);
                        magnitude += std::fabs(lower * A(l, c));
                    }
                    EXPECT_NEAR(product, input(rows.ORDER(i), c), 2.0 * n * eps * magnitude + 1e-30)
                        << "n = " << n << ", row " << i << ", column " << c;
                }
            }
        }
    }
}

}  // namespace
}  // namespace corvane
