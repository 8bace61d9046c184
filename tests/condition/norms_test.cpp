#include "condition/norms.h"

#include <gtest/gtest.h>

#include <cmath>

#include "condition/matrix_literal.h"

namespace corvane {
namespace {

using testing::rows;

TEST(Norms, RowAndColumnSums) {
    struct Case {
        const char* name;
        RealMatrix A;
        float infinity;
        float one;
    };
    const Case cases[] = {
        {"2x2", rows({{1, 2}, {3, 4}}), 7.0f, 6.0f},
        {"signs count as magnitudes", rows({{-1, 2}, {3, -4}}), 7.0f, 6.0f},
        {"order-1 zero matrix", rows({{0}}), 0.0f, 0.0f},
        {"a sum that is not a number is passed over", rows({{NAN, 1}, {2, 3}}), 5.0f, 4.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NORM_INF(c.A.rows(), c.A), c.infinity) << c.name;
        EXPECT_EQ(NORM1(c.A.rows(), c.A), c.one) << c.name;
    }
}

TEST(Norms, EmptyMatrixHasNormZero) {
    RealMatrix empty;
    EXPECT_EQ(NORM_INF(0, empty), 0.0f);
    EXPECT_EQ(NORM1(0, empty), 0.0f);
}

}  // namespace
}  // namespace corvane
