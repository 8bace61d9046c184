#include "condition/power_method.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "condition/matrix_literal.h"

namespace corvane {
namespace {

using testing::rows;

PowerRun power(const RealMatrix& A) { return POWER_COMPLEX(A.rows(), A, 1000, 1.0e-7f); }

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
    PowerRun run = POWER_COMPLEX(2, A, 1000, 1.0e-7f);
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
    PowerRun run = POWER_COMPLEX(0, empty, 1000, 1.0e-7f);
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
    PowerRun run = POWER_COMPLEX(2, rows({{1, 3}, {1, -1}}), 1, 1.0e-7f);
    EXPECT_EQ(run.estimate.status, kNotConverged);
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
