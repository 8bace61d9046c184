// When the warning is due and what it says.

#include "app/conditioning_warning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace corvane {
namespace {

TEST(ConditioningWarning, DueAboveTheThresholdWithTheDigitsToExpect) {
    const struct {
        double conditionOne;
        bool warned;
        int digits;
    } cases[] = {
        {1.0, false, 0},      {16777.0, false, 0},  // 16777·2⁻²⁴ is just below 1.0E-3
        {16778.0, true, 3},   {4.8e5, true, 2},     {9.4e5, true, 1},
        {1.0e8, true, 0},     {std::numeric_limits<double>::infinity(), true, 0},
        {std::numeric_limits<double>::quiet_NaN(), false, 0},
    };
    for (const auto& c : cases) {
        const std::optional<ConditioningWarning> warning = conditioningWarning(c.conditionOne);
        ASSERT_EQ(warning.has_value(), c.warned) << c.conditionOne;
        if (warning) EXPECT_EQ(warning->correctDigits, c.digits) << c.conditionOne;
    }
}

TEST(ConditioningWarning, OneLineForTheCommandLine) {
    EXPECT_EQ(warningLine({4.8e5, 2}),
              "Warning: ill-conditioned matrix, cond1(A) ~ 4.8E+05: expect about 2 correct digits in x");
    EXPECT_EQ(warningLine({9.4e5, 1}),
              "Warning: ill-conditioned matrix, cond1(A) ~ 9.4E+05: expect about 1 correct digit in x");
}

}  // namespace
}  // namespace corvane
