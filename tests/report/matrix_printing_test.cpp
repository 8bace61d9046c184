#include "report/matrix_printing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace corvane {
namespace {

TEST(Imaxv, FirstOfLargestMagnitude) {
    const float a[] = {3, -5, 5};
    EXPECT_EQ(IMAXV(3, a), 2);
    const float zeros[] = {0, 0, 0};
    EXPECT_EQ(IMAXV(3, zeros), 1);
    EXPECT_EQ(IMAXV(0, a), 0);
    const float withNan[] = {NAN, 1, -2};
    EXPECT_EQ(IMAXV(3, withNan), 3);
}

std::string printed(int n, int nb, bool printB) {
    RealMatrix A(n, n), B(n, nb);
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) A(i, j) = static_cast<float>(10 * i + j);
    for (int k = 1; k <= nb; ++k)
        for (int i = 1; i <= n; ++i) B(i, k) = static_cast<float>(k);
    StringSink sink;
    RecordWriter out(sink);
    PRINTA(out, n, nb, A, B, printB);
    return sink.text();
}

// The 15-column field of a small whole number: seven significant digits.
std::string field(float v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, v < 10 ? "%11.6f    " : "%11.5f    ", v);
    return buffer;
}

TEST(Printa, ThreeByThreeWithTwoRightHandSides) {
    std::string expected = "\r\nMatricea A\r\n";
    for (int i = 1; i <= 3; ++i) expected += " " + field(10 * i + 1) + field(10 * i + 2) + field(10 * i + 3) + "\r\n";
    expected += "\r\nTermenii liberi b\r\n";
    for (int k = 1; k <= 2; ++k) expected += " " + field(k) + field(k) + field(k) + "\r\n";
    EXPECT_EQ(printed(3, 2, true), expected);
}

TEST(Printa, RowsOfSevenTakeTwoLinesWithoutSeparators) {
    std::string text = printed(7, 1, false);
    std::string row1 = " " + field(11) + field(12) + field(13) + field(14) + field(15) + "\r\n " + field(16) + field(17) + "\r\n";
    EXPECT_EQ(text.substr(0, 14 + row1.size()), "\r\nMatricea A\r\n" + row1);
    EXPECT_EQ(text.find("Termenii"), std::string::npos);
    EXPECT_EQ(text.find("\r\n\r\n", 2), std::string::npos);
}

TEST(Printa, RowsOfTenAreFollowedByAnEmptyLine) {
    std::string text = printed(10, 1, true);
    std::string row1 = " ";
    for (int j = 1; j <= 5; ++j) row1 += field(10 + j);
    row1 += "\r\n ";
    for (int j = 6; j <= 10; ++j) row1 += field(static_cast<float>(10 + j));
    row1 += "\r\n\r\n";
    EXPECT_EQ(text.substr(14, row1.size()), row1);
    std::string rhs = "Termenii liberi b\r\n ";
    for (int j = 1; j <= 5; ++j) rhs += field(1);
    rhs += "\r\n ";
    for (int j = 1; j <= 5; ++j) rhs += field(1);
    rhs += "\r\n\r\n";
    EXPECT_EQ(text.substr(text.find("Termenii")), rhs);
}

}  // namespace
}  // namespace corvane
