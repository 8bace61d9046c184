#include "iterative/row_ordering.h"

#include <gtest/gtest.h>

#include "iterative/gauss_seidel.h"
#include "iterative/iterative_fixture.h"

namespace corvane {
namespace {

using testing::Rows;
using testing::RunFixture;
using testing::rowsOf;
using testing::setSystem;

struct OrderingCase {
    const char* name;
    Rows rows;
    Rows expectedRows;  // A after the pass
    const char* countLine;
};

class RowOrdering : public ::testing::TestWithParam<OrderingCase> {};

TEST_P(RowOrdering, MovesRowsOfAAndBTogether) {
    const OrderingCase& c = GetParam();
    RunFixture f;
    // The right-hand sides tag each row with its number as read.
    setSystem(f.state, c.rows, {{1, 2, 3}, {11, 12, 13}});
    ASSERT_TRUE(orderRowsForIteration(f.context));
    EXPECT_EQ(rowsOf(f.state.A), c.expectedRows);
    for (int i = 1; i <= 3; ++i) {
        const float readRow = f.state.B(i, 1);
        EXPECT_EQ(f.state.B(i, 2), readRow + 10) << "row " << i;
        EXPECT_EQ(f.state.A(i, 3), c.rows[static_cast<std::size_t>(readRow - 1)][2]) << "row " << i;
    }
    EXPECT_EQ(f.reportText(), std::string("\r\n") + c.countLine + "\r\n");
    EXPECT_EQ(f.consoleSink.text(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowOrdering,
    ::testing::Values(
        OrderingCase{"LargestMagnitudeWins", {{0, 11, 12}, {3, 21, 22}, {-5, 31, 32}},
                     {{-5, 31, 32}, {3, 21, 22}, {0, 11, 12}}, "Numar de schimbari de linii: 1"},
        OrderingCase{"NearestOfEqualMagnitudesWins", {{0, 11, 12}, {4, 21, 22}, {-4, 31, 32}},
                     {{4, 21, 22}, {0, 11, 12}, {-4, 31, 32}}, "Numar de schimbari de linii: 1"},
        // The old first row lands in row 2, where it is tested again.
        OrderingCase{"MovedRowIsTestedAgain", {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
                     {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, "Numar de schimbari de linii: 2"},
        OrderingCase{"DiagonalExactlyAtThresholdStays", {{1.0e-6f, 0, 0}, {5, 1, 0}, {0, 0, 1}},
                     {{1.0e-6f, 0, 0}, {5, 1, 0}, {0, 0, 1}}, "Numar de schimbari de linii: 0"},
        OrderingCase{"CandidateExactlyAtThresholdIsTaken", {{0, 1, 0}, {-1.0e-6f, 0, 1}, {0, 0, 1}},
                     {{-1.0e-6f, 0, 1}, {0, 1, 0}, {0, 0, 1}}, "Numar de schimbari de linii: 1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RowOrderingCount, FieldIsAsWideAsTheOrder) {
    RunFixture f;
    Rows identity(10, std::vector<float>(10, 0.0f));
    for (int i = 0; i < 10; ++i) identity[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = 1.0f;
    setSystem(f.state, identity, {std::vector<float>(10, 1.0f)});
    ASSERT_TRUE(orderRowsForIteration(f.context));
    EXPECT_EQ(f.reportText(), "\r\nNumar de schimbari de linii:  0\r\n");
}

TEST(RowOrderingFailure, ColumnWithoutUsableEntryEndsTheMethod) {
    RunFixture f;
    // Row 1 takes row 2; then column 2 offers only 0 and -5.0E-7 below the diagonal.
    setSystem(f.state, {{0, 0, 1}, {2, 0, 1}, {0, -5.0e-7f, 1}}, {{1, 2, 3}});
    f.state.EPS = 1.0e-5f;
    f.state.NLIM = 10;
    GAUSS_SEIDEL(f.context);
    EXPECT_EQ(f.reportText(),
              "\r\n Linia 2: Pivot = -5.0000000E-07\r\n"
              " Pivot < prag, linia:           2\r\n");
    EXPECT_EQ(f.consoleSink.text(), " Pivot < prag, linia:           2\r\n");
    // The interchange made for row 1 stays.
    EXPECT_EQ(rowsOf(f.state.A), (Rows{{2, 0, 1}, {0, 0, 1}, {0, -5.0e-7f, 1}}));
    EXPECT_EQ(rowsOf(f.state.B), (Rows{{2}, {1}, {3}}));
}

TEST(RowOrderingFailure, RowNumberTakesItsOwnWidth) {
    RunFixture f;
    Rows rows(12, std::vector<float>(12, 0.0f));
    for (int i = 0; i < 12; ++i) rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = i == 6 ? 0.0f : 1.0f;
    setSystem(f.state, rows, {std::vector<float>(12, 1.0f)});
    EXPECT_FALSE(orderRowsForIteration(f.context));
    EXPECT_EQ(f.reportText(),
              "\r\n Linia 7: Pivot =   0.000000    \r\n"
              " Pivot < prag, linia:           7\r\n");
}

TEST(Pivotare, CandidateBelowThresholdChangesNothing) {
    RunFixture f;
    setSystem(f.state, {{0, 1}, {9.9e-7f, 1}}, {{1, 2}});
    int count = 0;
    EXPECT_EQ(PIVOTARE(f.report, 2, 1, f.state.A, f.state.B, PRAG, 1, count), -1);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(rowsOf(f.state.A), (Rows{{0, 1}, {9.9e-7f, 1}}));
    EXPECT_EQ(f.reportText(), "\r\n Linia 1: Pivot =  9.8999999E-07\r\n");
}

TEST(DiagonalScaling, DividesEachEquationByItsDiagonal) {
    RunFixture f;
    setSystem(f.state, {{2, 4}, {1, 4}}, {{6, 5}, {2, 8}});
    f.state.TIPAR_MATRICE = true;
    scaleByDiagonal(f.context);
    EXPECT_EQ(rowsOf(f.state.A), (Rows{{1, 2}, {0.25f, 1}}));
    EXPECT_EQ(rowsOf(f.state.B), (Rows{{3, 1}, {1.25f, 2}}));
    EXPECT_EQ(f.reportText(),
              "\r\nMatricea A - scalata\r\n"
              "    1.000000       2.000000    \r\n"
              "   0.2500000       1.000000    \r\n"
              "\r\nTermenii liberi b - scalati\r\n"
              "    3.000000       1.000000    \r\n"
              "    1.250000       2.000000    \r\n");

    // A second scaling finds a unit diagonal and changes nothing.
    f.state.TIPAR_MATRICE = false;
    scaleByDiagonal(f.context);
    EXPECT_EQ(rowsOf(f.state.A), (Rows{{1, 2}, {0.25f, 1}}));
    EXPECT_EQ(rowsOf(f.state.B), (Rows{{3, 1}, {1.25f, 2}}));
}

}  // namespace
}  // namespace corvane
