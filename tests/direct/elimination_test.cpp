#include "direct/elimination.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

struct Elimination {
    RealMatrix A, B;
    bool singular = false;
    int interchanges = 0;
    std::string report;
};

Elimination eliminate(const std::vector<std::vector<float>>& rows, const std::vector<float>& b) {
    const int n = static_cast<int>(rows.size());
    Elimination e;
    e.A = RealMatrix(n, n);
    e.B = RealMatrix(n, 1);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) e.A(i, j) = rows[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
        e.B(i, 1) = b[static_cast<std::size_t>(i - 1)];
    }
    StringSink sink;
    RecordWriter out(sink);
    ELIM(out, n, 1, e.A, e.B, 1.0e-6f, e.singular, e.interchanges);
    e.report = sink.text();
    return e;
}

std::vector<float> solution(const Elimination& e) { return {e.B.column(1), e.B.column(1) + e.B.rows()}; }

TEST(Elim, OrderOne) {
    Elimination e = eliminate({{2}}, {4});
    EXPECT_FALSE(e.singular);
    EXPECT_EQ(e.interchanges, 0);
    EXPECT_EQ(solution(e), (std::vector<float>{2}));
    EXPECT_EQ(e.report, "");
}

TEST(Elim, ExchangesRowsForTheLargerPivot) {
    Elimination e = eliminate({{0, 1}, {1, 0}}, {1, 2});
    EXPECT_FALSE(e.singular);
    EXPECT_EQ(e.interchanges, 1);
    EXPECT_EQ(solution(e), (std::vector<float>{2, 1}));
}

TEST(Elim, TiesKeepTheUppermostRow) {
    Elimination e = eliminate({{1, 1, 0}, {-1, 1, 1}, {1, 0, 1}}, {2, 1, 2});
    EXPECT_EQ(e.interchanges, 0);
    EXPECT_EQ(e.A(2, 1), -1.0f);  // multiplier of row 2 stays in place
}

TEST(Elim, SmallPivotsStopWithTheirRow) {
    struct Case {
        std::vector<std::vector<float>> rows;
        const char* line;
    };
    const Case cases[] = {
        {{{1, 2}, {2, 4}}, "\r\n Linia 2: Pivot =   0.000000    \r\n"},
        {{{5.0e-7f, 1}, {-4.0e-7f, 1}}, "\r\n Linia 1: Pivot =  5.0000000E-07\r\n"},
        {{{1, 0}, {0, -9.9e-7f}}, "\r\n Linia 2: Pivot = -9.8999999E-07\r\n"},
    };
    for (const Case& c : cases) {
        Elimination e = eliminate(c.rows, {1, 1});
        EXPECT_TRUE(e.singular);
        EXPECT_EQ(e.report, c.line);
    }
    EXPECT_FALSE(eliminate({{1, 0}, {0, 1.0e-6f}}, {1, 1}).singular);
}

TEST(Elim, ZeroBelowThePivotCostsNoArithmetic) {
    Elimination e = eliminate({{2, 1}, {0, 3}}, {3, 3});
    EXPECT_EQ(e.A(2, 1), 0.0f);
    EXPECT_EQ(solution(e), (std::vector<float>{1, 1}));
}

}  // namespace
}  // namespace corvane
