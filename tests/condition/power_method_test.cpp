#include "condition/power_method.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "condition/matrix_literal.h"

namespace corvane {
namespace {

using testing::rows;

// One call from the start (1, ..., 1), at the scale of a matrix whose largest
// entry is at least 0.5.
PowerRun power(const RealMatrix& A, int limit = 1000) {
    return POWER_COMPLEX(A.rows(), A, limit, 1.0e-7f, 1.0f, uniformStart(A.rows()));
}

TEST(PowerMethod, DominantRealEigenvalue) {
    struct Case {
        const char* name;
        RealMatrix A;
        float eigenvalue;
        int iterations;  // 0: not pinned
    };
    const Case cases[] = {
        {"diag(3, 1)", rows({{3, 0}, {0, 1}}), 3.0f, 2},
        {"symmetric 2x2", rows({{2, 1}, {1, 3}}), (5.0f + std::sqrt(5.0f)) / 2.0f, 0},
        {"start vector is an eigenvector", rows({{0, 1}, {1, 0}}), 1.0f, 2},
        // Estimates taken at two different components agree by chance
        // before the iteration has settled.
        {"band of order 6, constants 3, 1",
         rows({{3, 1, 0, 0, 0, 0}, {1, 3, 1, 0, 0, 0}, {0, 1, 3, 1, 0, 0}, {0, 0, 1, 3, 1, 0}, {0, 0, 0, 1, 3, 1},
               {0, 0, 0, 0, 1, 3}}),
         4.801938f, 0},
    };
    for (const Case& c : cases) {
        PowerRun run = power(c.A);
        EXPECT_EQ(run.estimate.status, kConverged) << c.name;
        if (c.iterations != 0) {
            EXPECT_EQ(run.iterations, c.iterations) << c.name;
        }
        EXPECT_NEAR(run.estimate.eigenvalue.re, c.eigenvalue, 3.0e-7f * c.eigenvalue) << c.name;
        EXPECT_EQ(run.estimate.eigenvalue.im, 0.0f) << c.name;
        EXPECT_LE(run.estimate.testValue, 1.0e-7f) << c.name;
    }
}

TEST(PowerMethod, StartVectorAlreadyAnEigenvectorGivesTestValueZero) {
    EXPECT_EQ(power(rows({{0, 1}, {1, 0}})).estimate.testValue, 0.0f);
}

TEST(PowerMethod, ConjugatePairIsSeparatedByTheShift) {
    // Eigenvalues ±i: the plain run cannot settle; A - i·I has the dominant
    // eigenvalue -2i, and adding i back gives -i.
    const RealMatrix A = rows({{0, 1}, {-1, 0}});
    PowerRun run = power(A);
    EXPECT_EQ(run.estimate.status, kConverged);
    EXPECT_EQ(run.estimate.eigenvalue.re, 0.0f);
    EXPECT_EQ(run.estimate.eigenvalue.im, -1.0f);
    EXPECT_EQ(modulus(run.estimate.eigenvalue), 1.0f);
    EXPECT_LT(run.iterations, 1000);  // counted in the second run
    EXPECT_EQ(A, rows({{0, 1}, {-1, 0}}));  // the shift is kept apart from A
}

TEST(PowerMethod, EqualModuliBeforeAndAfterTheShiftDoNotSettle) {
    // Eigenvalues ±2: A - i·I has 2 - i and -2 - i, again of equal modulus.
    PowerRun run = power(rows({{1, 3}, {1, -1}}));
    EXPECT_EQ(run.estimate.status, kNotConverged);
    EXPECT_EQ(run.iterations, 1000);
    EXPECT_GT(run.estimate.testValue, 1.0e-7f);
    // The estimate belongs to the shifted matrix: i is not added back.
    EXPECT_NE(run.estimate.eigenvalue.im, 0.0f);
}

TEST(PowerMethod, ZeroMatrixEndsWithNumbersThatAreNotNumbers) {
    PowerRun run = power(rows({{0, 0}, {0, 0}}));
    EXPECT_EQ(run.estimate.status, kNotConverged);
    EXPECT_TRUE(std::isnan(run.estimate.testValue));
    EXPECT_TRUE(std::isnan(modulus(run.estimate.eigenvalue)));
}

TEST(PowerMethod, EmptyMatrixHasNoEigenvalue) {
    const RealMatrix empty;
    PowerRun run = power(empty);
    EXPECT_EQ(run.estimate.status, kNotConverged);
    EXPECT_EQ(modulus(run.estimate.eigenvalue), 0.0f);
    EXPECT_TRUE(std::isnan(run.estimate.testValue));
}

TEST(PowerMethod, RealEntryPointLeavesTheMatrixAlone) {
    RealMatrix A = rows({{0, 1}, {-1, 0}});
    EigenEstimate estimate = EIGEN_POWER(2, A);
    EXPECT_EQ(estimate.status, kConverged);
    EXPECT_EQ(estimate.eigenvalue.im, -1.0f);
    EXPECT_EQ(A, rows({{0, 1}, {-1, 0}}));
}

TEST(PowerMethod, IterationLimitBelowTwoStillEnds) {
    PowerRun run = power(rows({{1, 3}, {1, -1}}), 1);
    EXPECT_EQ(run.estimate.status, kNotConverged);
}

// The start (1, ..., 1) is an eigenvector of [[2, -1], [-1, 2]] for the
// eigenvalue 1; the second start, (j, j), finds 3. The status and the test
// value are those of the first call.
TEST(PowerMethod, SecondStartFindsAnEigenvalueTheFirstCannotSee) {
    const RealMatrix A = rows({{2, -1}, {-1, 2}});
    const PowerRun first = power(A);
    ASSERT_EQ(first.estimate.status, kConverged);
    EXPECT_EQ(first.estimate.eigenvalue.re, 1.0f);
    const EigenEstimate estimate = EIGEN_POWER(2, A);
    EXPECT_EQ(estimate.status, kConverged);
    EXPECT_NEAR(estimate.eigenvalue.re, 3.0f, 3.0e-7f * 3);
    EXPECT_EQ(estimate.testValue, first.estimate.testValue);
}

// Both starts find the Perron root of this matrix, the second one larger in
// its last digits: the first estimate stays, since the second is not larger
// than it by more than a factor 1.001.
TEST(PowerMethod, TheSameEigenvalueFromTheSecondStartDoesNotReplaceTheFirst) {
    const RealMatrix A = rows({{2, 8, 9}, {1, 2, 9}, {8, 4, 5}});
    const PowerRun first = power(A);
    const PowerRun second = POWER_COMPLEX(3, A, 1000, 1.0e-7f, 1.0f, rampStart(3));
    ASSERT_EQ(second.estimate.status, kConverged);
    ASSERT_GT(modulus(second.estimate.eigenvalue), modulus(first.estimate.eigenvalue));
    const EigenEstimate estimate = EIGEN_POWER(3, A);
    EXPECT_EQ(estimate.eigenvalue.re, first.estimate.eigenvalue.re);
    EXPECT_EQ(estimate.eigenvalue.im, first.estimate.eigenvalue.im);
}

// A matrix whose largest entry lies in (0.5, 1], scaled down by a power of
// two, has its estimate scaled by the same power, bit for bit, and the same
// status and test value: the change test and the shift follow the scale.
// Scaled up, a matrix that settles without the shift keeps it too.
TEST(PowerMethod, ScalingByAPowerOfTwoScalesTheEstimate) {
    const struct {
        const char* name;
        RealMatrix A;
        std::vector<int> powers;
    } matrices[] = {
        {"symmetric 2 x 2", rows({{0.5f, 0.25f}, {0.25f, 0.75f}}), {-2, -40, 30}},
        {"rotation: settles after the shift", rows({{0, 1}, {-1, 0}}), {-2, -40}},
        {"eigenvalues +-0.5: settles never", rows({{0.25f, 0.75f}, {0.25f, -0.25f}}), {-1, -30}},
    };
    for (const auto& m : matrices) {
        const EigenEstimate unscaled = EIGEN_POWER(2, m.A);
        for (int power : m.powers) {
            RealMatrix A = m.A;
            for (int j = 1; j <= 2; ++j)
                for (int i = 1; i <= 2; ++i) A(i, j) = std::ldexp(A(i, j), power);
            const EigenEstimate estimate = EIGEN_POWER(2, A);
            EXPECT_EQ(estimate.status, unscaled.status) << m.name << ", 2^" << power;
            EXPECT_EQ(estimate.testValue, unscaled.testValue) << m.name << ", 2^" << power;
            EXPECT_EQ(estimate.eigenvalue.re, std::ldexp(unscaled.eigenvalue.re, power)) << m.name << ", 2^" << power;
            EXPECT_EQ(estimate.eigenvalue.im, std::ldexp(unscaled.eigenvalue.im, power)) << m.name << ", 2^" << power;
        }
    }
}

TEST(PowerMethod, ScaleOfASmallMatrix) {
    const float inf = std::numeric_limits<float>::infinity();
    const float smallest = std::numeric_limits<float>::denorm_min();
    struct Case {
        const char* name;
        RealMatrix A;
        float scale;
    };
    const Case cases[] = {
        {"largest entry 0.5", rows({{0.5f, 0}, {0.1f, 0}}), 1.0f},
        {"largest entry above 0.5", rows({{3, -7}, {0.1f, 0}}), 1.0f},
        {"largest entry just below 0.5", rows({{0.49f, 0}, {0, 0}}), 0.5f},
        {"a power of two is its own scale", rows({{0, -0.25f}, {0.125f, 0}}), 0.25f},
        {"just above a power of two", rows({{0, 0}, {0, 0.2500001f}}), 0.5f},
        {"negative entries count by magnitude", rows({{-0.3f, 0.01f}, {0, 0}}), 0.5f},
        {"tiny entries", rows({{std::ldexp(1.5f, -31), 0}, {0, 0}}), std::ldexp(1.0f, -30)},
        {"the smallest subnormal", rows({{smallest, 0}, {0, 0}}), smallest},
        {"zero matrix", rows({{0, 0}, {0, 0}}), 1.0f},
        {"an infinite entry", rows({{0.1f, inf}, {0, 0}}), 1.0f},
        {"an entry that is not a number", rows({{0.1f, NAN}, {0, 0}}), 1.0f},
    };
    for (const Case& c : cases) EXPECT_EQ(smallMatrixScale(2, c.A), c.scale) << c.name;
}

TEST(PowerMethod, StartVectors) {
    const ComplexVector uniform = uniformStart(2);
    EXPECT_EQ(uniform(1).re, 0.5f);
    EXPECT_EQ(uniform(2).im, 0.5f);
    // (1, 1), (2, 2), (3, 3) over sqrt(28).
    const ComplexVector ramp = rampStart(3);
    EXPECT_EQ(ramp(1).re, 1.0f / std::sqrt(28.0f));
    EXPECT_EQ(ramp(3).im, 3.0f / std::sqrt(28.0f));
}

TEST(MaxIndex, FirstOfLargestModulus) {
    struct Case {
        const char* name;
        ComplexVector V;
        int index;
    };
    const Case cases[] = {
        {"tie between a real and an imaginary component", {{3, 0}, {0, -3}, {1, 1}}, 1},
        {"later component larger", {{1, 1}, {0, -3}, {3, 0}, {-3, 0}}, 2},
        {"not a number is passed over", {{NAN, 0}, {0, 2}}, 2},
        {"only values that are not numbers", {{NAN, 0}, {0, NAN}}, 1},
        {"empty", {}, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(MAXINDEX(c.V.size(), c.V), c.index) << c.name;
}

TEST(VectorNorm2, SumOfSquaredModuli) {
    const float big = std::ldexp(1.0f, 70);     // its square overflows
    const float tiny = std::ldexp(1.0f, -80);   // its square underflows to 0
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* name;
        ComplexVector V;
        float norm;
    };
    const Case cases[] = {
        {"3 + 4i", {{3, 4}, {0, 0}}, 5.0f},
        {"four ones", {{1, 1}, {1, 1}}, 2.0f},
        {"empty", {}, 0.0f},
        {"zero", {{0, 0}, {0, 0}}, 0.0f},
        {"squares overflow", {{3 * big, 0}, {0, 4 * big}}, 5 * big},
        {"squares underflow", {{0, 3 * tiny}, {4 * tiny, 0}}, 5 * tiny},
        {"an infinite part", {{inf, 0}, {1, 1}}, inf},
    };
    for (const Case& c : cases) EXPECT_EQ(VECTOR_NORM2(c.V.size(), c.V), c.norm) << c.name;
    EXPECT_TRUE(std::isnan(VECTOR_NORM2(2, ComplexVector{{NAN, 0}, {1, 1}})));
}

TEST(SingleComplex, QuotientInDoublePrecision) {
    // (1 + 2i) / (3 - 4i) = (-5 + 10i) / 25
    Complex q = quotient({1, 2}, {3, -4});
    EXPECT_EQ(q.re, -0.2f);
    EXPECT_EQ(q.im, 0.4f);
}

}  // namespace
}  // namespace corvane
