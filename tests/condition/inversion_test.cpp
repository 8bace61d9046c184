#include "condition/inversion.h"

#include <gtest/gtest.h>

#include "condition/matrix_literal.h"
#include "textio/record_sink.h"

namespace corvane {
namespace {

using testing::identity;
using testing::rows;

struct Inversion {
    bool singular;
    RealMatrix A;
    RealMatrix B;
    std::string report;
};

Inversion invert(RealMatrix A) {
    const int n = A.rows();
    RealMatrix B = identity(n);
    StringSink sink;
    RecordWriter out(sink);
    bool singular = false;
    ELIM2(out, n, n, A, B, 1.0e-8f, singular);
    return {singular, A, B, sink.text()};
}

TEST(Elim2, ExchangesRowsForTheLargerPivot) {
    Inversion result = invert(rows({{0, 1}, {1, 0}}));
    EXPECT_FALSE(result.singular);
    EXPECT_EQ(result.B, rows({{0, 1}, {1, 0}}));
    EXPECT_EQ(result.report, "");
}

TEST(Elim2, EqualMagnitudesKeepTheUpperRowAsPivot) {
    // No exchange: the multiplier -1 stays in row 2 and U keeps row 1 on top.
    Inversion result = invert(rows({{1, 2}, {-1, 2}}));
    EXPECT_FALSE(result.singular);
    EXPECT_EQ(result.A, rows({{1, 2}, {-1, 4}}));
    EXPECT_EQ(result.B, rows({{0.5f, -0.5f}, {0.25f, 0.25f}}));
}

TEST(Elim2, InvertsWithBackSubstitutionOverEveryColumn) {
    Inversion result = invert(rows({{2, 0, 0}, {0, 4, 0}, {1, 0, 8}}));
    EXPECT_FALSE(result.singular);
    EXPECT_EQ(result.B, rows({{0.5f, 0, 0}, {0, 0.25f, 0}, {-0.0625f, 0, 0.125f}}));
}

TEST(Elim2, SmallPivotsNameRowPivotAndThreshold) {
    struct Case {
        const char* name;
        RealMatrix A;
        std::string line;
    };
    const Case cases[] = {
        {"last pivot", rows({{1, 0}, {0, 5.0e-9f}}), "\r\n Linia 2: Pivot =  5.0000000E-09 <  1.000E-08\r\n"},
        {"order-1 zero matrix", rows({{0}}), "\r\n Linia 1: Pivot =   0.000000     <  1.000E-08\r\n"},
        {"pivot search in the first column", rows({{-1.0e-9f, 1}, {0, 1}}),
         "\r\n Linia 1: Pivot = -9.9999997E-10 <  1.000E-08\r\n"},
        {"exchanged, then zero", rows({{1, 2}, {2, 4}}), "\r\n Linia 2: Pivot =   0.000000     <  1.000E-08\r\n"},
    };
    for (const Case& c : cases) {
        Inversion result = invert(c.A);
        EXPECT_TRUE(result.singular) << c.name;
        EXPECT_EQ(result.report, c.line) << c.name;
    }
}

TEST(Elim2, StopsWithThePartlyReducedMatrix) {
    Inversion result = invert(rows({{1, 2}, {2, 4}}));
    EXPECT_EQ(result.A, rows({{2, 4}, {0.5f, 0}}));
    EXPECT_EQ(result.B, rows({{0, 1}, {1, -0.5f}}));
}

TEST(Elim2, EmptyMatrixIsNotSingular) {
    Inversion result = invert(RealMatrix());
    EXPECT_FALSE(result.singular);
    EXPECT_EQ(result.report, "");
}

}  // namespace
}  // namespace corvane
