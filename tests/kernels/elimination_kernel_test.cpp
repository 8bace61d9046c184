// The blocked elimination kernel against the textbook loops, bit for bit:
// matrices, right-hand sides (solutions), interchange counts and the failing
// row with its pivot, for every instruction-set variant this processor runs,
// with 1, 2, 3 and 5 threads.

#include "kernels/elimination_kernel.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "kernels/block_orders.h"
#include "kernels/kernel_setups.h"
#include "direct/plain_elimination.h"
#include "support/test_matrix_kinds.h"

namespace corvane {
namespace {

using testing::MatrixKind;

constexpr float kGaussThreshold = 1.0e-6f;

void expectSameAsReference(MatrixKind kind, int n, int nb, unsigned seed) {
    const RealMatrix A0 = testing::specialMatrix(kind, n, seed);
    const RealMatrix B0 = testing::uniformMatrix(n, nb, seed + 1000);
    RealMatrix expectedA = A0, expectedB = B0;
    int expectedInterchanges = 0;
    const EliminationOutcome reference =
        plainEliminateAndSolve(n, nb, expectedA, expectedB, kGaussThreshold, expectedInterchanges);

    for (const testing::KernelSetup& setup : testing::kernelSetups()) {
        const testing::KernelSetupOverride selected(setup);
        RealMatrix A = A0, B = B0;
        int interchanges = 0;
        const EliminationOutcome outcome = eliminateAndSolve(n, nb, A.data(), B.data(), kGaussThreshold, interchanges);
        const std::string where = std::string(testing::matrixKindName(kind)) + " n=" + std::to_string(n) +
                                  " nb=" + std::to_string(nb) + " seed=" + std::to_string(seed) + " " +
                                  testing::kernelSetupName(setup);
        EXPECT_EQ(outcome.failedRow, reference.failedRow) << where;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(outcome.pivot), std::bit_cast<std::uint32_t>(reference.pivot)) << where;
        EXPECT_EQ(interchanges, expectedInterchanges) << where;
        EXPECT_EQ(testing::firstBitDifference(A, expectedA), -1) << where << " (A)";
        EXPECT_EQ(testing::firstBitDifference(B, expectedB), -1) << where << " (B)";
    }
}

// Around every block size of the elimination kernels, orders well past the
// step chunk, and one whose rows below the first half of the steps fill
// several chunks (the chunks the threads share).
const std::vector<int> kOrders = testing::ordersAroundBlockSizes(&KernelBlockSizes::elimination, {200, 258, 300, 520});

class EliminationKernel : public ::testing::TestWithParam<MatrixKind> {};

TEST_P(EliminationKernel, MatchesThePlainLoopsAtOrdersAroundTheBlockSizes) {
    unsigned seed = 1;
    for (int n : kOrders) expectSameAsReference(GetParam(), n, 1 + n % 3, seed++);
}

TEST(EliminationKernelRightHandSides, ManyColumnsMatchThePlainLoops) {
    // More columns than one packed chunk of pivot rows (2040 at most), and
    // more than one group of the back substitution.
    expectSameAsReference(MatrixKind::Uniform, 40, 2100, 7);
    expectSameAsReference(MatrixKind::TinyLowerRows, 70, 130, 8);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EliminationKernel, ::testing::ValuesIn(testing::kAllMatrixKinds),
                         testing::matrixKindTestName);

}  // namespace
}  // namespace corvane
