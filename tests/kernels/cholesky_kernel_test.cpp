// The packed square-root kernels against the plain loops, bit for bit: the
// factor, the failing row with its radicand, and both solves, for every
// instruction-set variant this processor runs, with 1, 2, 3 and 5 threads.

#include "kernels/cholesky_kernel.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "kernels/block_orders.h"
#include "kernels/kernel_setups.h"
#include "problem/problem_state.h"
#include "direct/plain_cholesky.h"
#include "support/test_matrix_kinds.h"

namespace corvane {
namespace {

enum class Kind { PositiveDefinite, Graded, Hilbert, IndefiniteMidway, ZerosAndInfinities, Underflow };

const char* kindName(Kind kind) {
    switch (kind) {
        case Kind::PositiveDefinite: return "positive_definite";
        case Kind::Graded: return "graded";
        case Kind::Hilbert: return "hilbert";
        case Kind::IndefiniteMidway: return "indefinite_midway";
        case Kind::ZerosAndInfinities: return "zeros_and_infinities";
        case Kind::Underflow: return "underflow";
    }
    return "?";
}

// The packed upper triangle of a symmetric matrix of the kind.
RealVector packedMatrix(Kind kind, int n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    std::vector<double> m(static_cast<std::size_t>(n) * n);
    for (double& v : m) v = uniform(random);
    std::vector<double> scale(static_cast<std::size_t>(n), 1.0);
    if (kind == Kind::Graded) {
        for (double& d : scale) d = std::pow(10.0, static_cast<int>(random() % 13) - 6);
    }
    RealVector packed(n * (n + 1) / 2);
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= j; ++i) {
            double a = 0;  // (M^T M)(i,j) + n on the diagonal
            for (int k = 0; k < n; ++k) a += m[static_cast<std::size_t>(k) * n + i - 1] * m[static_cast<std::size_t>(k) * n + j - 1];
            if (i == j) a += n;
            a *= scale[static_cast<std::size_t>(i - 1)] * scale[static_cast<std::size_t>(j - 1)];
            if (kind == Kind::Hilbert) a = 1.0 / (i + j - 1);
            if (kind == Kind::IndefiniteMidway && i == j && i == n / 2 + 1) a = -1.0;
            if (kind == Kind::Underflow) a *= 1.0e-30;
            float value = static_cast<float>(a);
            if (kind == Kind::ZerosAndInfinities) {
                const unsigned p = random() % 100;
                if (p < 10 && i != j) value = p % 2 == 0 ? 0.0f : -0.0f;
                if (p == 10 && i != j) value = std::numeric_limits<float>::infinity();
            }
            packed(LOCA(i, j)) = value;
        }
    }
    return packed;
}

long firstBitDifference(const float* x, const float* y, long count) {
    for (long k = 0; k < count; ++k) {
        if (std::bit_cast<std::uint32_t>(x[k]) != std::bit_cast<std::uint32_t>(y[k])) return k;
    }
    return -1;
}

void expectSameAsReference(Kind kind, int n, int nb, unsigned seed) {
    const RealVector input = packedMatrix(kind, n, seed);
    RealVector expected = input;
    const CholeskyOutcome reference = plainFactorPackedCholesky(n, expected);
    const RealMatrix B = testing::uniformMatrix(n, nb, seed + 1000);
    RealMatrix expectedY = B, expectedX = B;
    if (reference.failedRow == 0) {
        for (int k = 1; k <= nb; ++k) {
            plainForward(n, expected, expectedY.column(k));
            plainForward(n, expected, expectedX.column(k));
            plainBack(n, expected, expectedX.column(k));
        }
    }
    const long size = expected.size();
    for (const testing::KernelSetup& setup : testing::kernelSetups()) {
        const testing::KernelSetupOverride selected(setup);
        const std::string where = std::string(kindName(kind)) + " n=" + std::to_string(n) + " " + testing::kernelSetupName(setup);
        RealVector S = input;
        const CholeskyOutcome outcome = factorPackedCholesky(n, S.data());
        EXPECT_EQ(outcome.failedRow, reference.failedRow) << where;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(outcome.radicand), std::bit_cast<std::uint32_t>(reference.radicand)) << where;
        EXPECT_EQ(firstBitDifference(S.data(), expected.data(), size), -1) << where << " (factor)";
        if (reference.failedRow != 0) continue;
        RealMatrix Y = B, X = B;
        solvePackedCholesky(n, S.data(), Y.data(), nb, true, false);
        solvePackedCholesky(n, S.data(), X.data(), nb, true, true);
        EXPECT_EQ(testing::firstBitDifference(Y, expectedY), -1) << where << " (forward)";
        EXPECT_EQ(testing::firstBitDifference(X, expectedX), -1) << where << " (back)";
    }
}

// Around every block size of the Cholesky kernels, and past the step chunk.
const std::vector<int> kOrders = testing::ordersAroundBlockSizes(&KernelBlockSizes::cholesky, {300});

class CholeskyKernel : public ::testing::TestWithParam<Kind> {};

TEST_P(CholeskyKernel, MatchesThePlainLoopsAtOrdersAroundTheBlockSizes) {
    unsigned seed = 1;
    for (int n : kOrders) expectSameAsReference(GetParam(), n, 1 + n % 3, seed++);
}

TEST(CholeskyKernelLarge, MoreColumnsThanOnePackedChunk) {
    expectSameAsReference(Kind::PositiveDefinite, 700, 2, 99);
    expectSameAsReference(Kind::PositiveDefinite, 60, 70, 98);  // more than one group of right-hand sides
}

INSTANTIATE_TEST_SUITE_P(Kinds, CholeskyKernel,
                         ::testing::Values(Kind::PositiveDefinite, Kind::Graded, Kind::Hilbert, Kind::IndefiniteMidway,
                                           Kind::ZerosAndInfinities, Kind::Underflow),
                         [](const ::testing::TestParamInfo<Kind>& info) { return std::string(kindName(info.param)); });

}  // namespace
}  // namespace corvane
