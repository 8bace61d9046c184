// The exact answers known without being told: the closed-form inverse of
// the Hilbert matrix (checked in exact integer arithmetic) and right-hand
// sides recognised as A·(1, ..., 1).

#include "app/known_exact_answer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "problem/test_matrices.h"

namespace corvane {
namespace {

std::int64_t gcd(std::int64_t a, std::int64_t b) { return b == 0 ? a : gcd(b, a % b); }

// H·H⁻¹ = I exactly: with L = lcm(1, ..., 2n - 1), row i of H times L is the
// integers L / (i + j - 1), so L·(H·H⁻¹)(i, k) is an integer sum (in 128 bits).
TEST(HilbertInverse, TimesHilbertIsTheIdentityExactly) {
    for (int n = 1; n <= kLargestExactHilbertInverse; ++n) {
        std::int64_t lcm = 1;
        for (int d = 2; d <= 2 * n - 1; ++d) lcm = lcm / gcd(lcm, d) * d;
        const ExactAnswer inverse = hilbertInverse(n);
        for (int i = 1; i <= n; ++i) {
            for (int k = 1; k <= n; ++k) {
                __int128 sum = 0;
                for (int j = 1; j <= n; ++j) {
                    const double entry = inverse(j, k);
                    ASSERT_LT(std::fabs(entry), 9007199254740992.0) << "every entry exact in double";
                    ASSERT_EQ(entry, std::trunc(entry));
                    sum += static_cast<__int128>(entry) * (lcm / (i + j - 1));
                }
                ASSERT_TRUE(sum == (i == k ? lcm : 0)) << "n " << n << " row " << i << " column " << k;
            }
        }
    }
}

ProblemState generatedHilbert(int n, bool inverse) {
    ProblemState s;
    INITIALIZEDATA(s);
    s.GENERARE = true;
    s.IGENERATA = testMatrixPosition("Hilbert");
    s.SISTEM = !inverse;
    s.INVERSARE = inverse;
    s.n = n;
    s.DATE_CITITE = true;
    return s;
}

TEST(HilbertInverse, KnownForGeneratedHilbertInversesUpToOrder12) {
    EXPECT_TRUE(knownExactInverse(generatedHilbert(6, true)));
    EXPECT_TRUE(knownExactInverse(generatedHilbert(12, true)));
    EXPECT_FALSE(knownExactInverse(generatedHilbert(13, true))) << "entries beyond 2^53";
    EXPECT_FALSE(knownExactInverse(generatedHilbert(6, false))) << "a system";
    ProblemState lotkin = generatedHilbert(6, true);
    lotkin.IGENERATA = testMatrixPosition("Lotkin");
    EXPECT_FALSE(knownExactInverse(lotkin));
    ProblemState fromFile = generatedHilbert(6, true);
    fromFile.GENERARE = false;
    EXPECT_FALSE(knownExactInverse(fromFile)) << "a matrix read from a file is what it is";
}

// The 3 x 3 system [[4, 1, 0], [1, 3, 1], [0, 1, 2]] with the right-hand side given.
ProblemState system3(float b1, float b2, float b3, bool packed) {
    ProblemState s;
    INITIALIZEDATA(s);
    s.n = 3;
    s.nb = 1;
    const float a[3][3] = {{4, 1, 0}, {1, 3, 1}, {0, 1, 2}};
    if (packed) {
        s.AV_INPUT = RealVector(6);
        for (int j = 1; j <= 3; ++j)
            for (int i = 1; i <= j; ++i) (*s.AV_INPUT)(LOCA(i, j)) = a[i - 1][j - 1];
    } else {
        s.A = RealMatrix(3, 3);
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) s.A(i, j) = a[i - 1][j - 1];
    }
    s.B = RealMatrix(3, 1);
    s.B(1, 1) = b1, s.B(2, 1) = b2, s.B(3, 1) = b3;
    s.DATE_CITITE = true;
    return s;
}

TEST(OnesSolution, RecognisedWhenEveryRightHandSideIsTheRowSums) {
    const struct {
        ProblemState state;
        bool recognised;
    } cases[] = {
        {system3(5, 5, 3, false), true},
        {system3(5, 5, 3, true), true},                // the packed triangle read for Cholesky
        {system3(5.000001f, 5, 3, false), true},       // typed to seven digits
        {system3(5.0001f, 5, 3, false), false},
        {system3(5, 5, -3, false), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(recognisedOnesSolution(c.state).has_value(), c.recognised) << c.state.B(1, 1) << " " << c.state.B(3, 1);
    }
    ProblemState inverse = system3(5, 5, 3, false);
    inverse.SISTEM = false;
    EXPECT_FALSE(recognisedOnesSolution(inverse));
}

}  // namespace
}  // namespace corvane
