// The LU kernels against the plain loops, bit for bit: factors, row order,
// count of exchanges, the failing step with its u(j,j), and the solutions,
// for every instruction-set variant this processor runs, with 1, 2, 3 and 5
// threads.

#include "kernels/lu_kernel.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "direct/lu_factorisation.h"
#include "kernels/block_orders.h"
#include "kernels/kernel_setups.h"
#include "direct/plain_lu.h"
#include "support/test_matrix_kinds.h"

namespace corvane {
namespace {

using testing::MatrixKind;

std::vector<int> entries(const Vector<int>& v) { return {v.data(), v.data() + v.size()}; }

void expectSameAsReference(MatrixKind kind, int n, int nb, unsigned seed) {
    // Rows scaled by 1e-12 give pivots below the threshold of 1e-8 half way.
    const RealMatrix A0 = testing::specialMatrix(kind, n, seed, 1.0e-12f);
    const RealMatrix B = testing::uniformMatrix(n, nb, seed + 1000);
    RealMatrix expectedA = A0;
    Vector<int> expectedOrder;
    int expectedExchanges = 0;
    const LuOutcome reference = plainFactorLu(n, expectedA, expectedOrder, PRAG_LU, expectedExchanges);
    RealMatrix expectedX(n, nb);
    if (reference.failedStep == 0) {
        for (int k = 1; k <= nb; ++k) plainSolveLu(n, expectedA, expectedOrder, B.column(k), expectedX.column(k));
    }

    for (const testing::KernelSetup& setup : testing::kernelSetups()) {
        const testing::KernelSetupOverride selected(setup);
        const std::string where = std::string(testing::matrixKindName(kind)) + " n=" + std::to_string(n) +
                                  " seed=" + std::to_string(seed) + " " + testing::kernelSetupName(setup);
        RealMatrix A = A0;
        Vector<int> order(n);
        int exchanges = 0;
        const LuOutcome outcome = factorLu(n, A.data(), order.data(), PRAG_LU, exchanges);
        EXPECT_EQ(outcome.failedStep, reference.failedStep) << where;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(outcome.diagonal), std::bit_cast<std::uint32_t>(reference.diagonal)) << where;
        EXPECT_EQ(exchanges, expectedExchanges) << where;
        EXPECT_EQ(entries(order), entries(expectedOrder)) << where;
        EXPECT_EQ(testing::firstBitDifference(A, expectedA), -1) << where << " (factors)";
        if (reference.failedStep != 0) continue;
        RealMatrix X = B;  // solved in place
        solveLu(n, A.data(), order.data(), X.data(), X.data(), nb);
        EXPECT_EQ(testing::firstBitDifference(X, expectedX), -1) << where << " (solutions)";
    }
}

// Around every block size of the LU kernels; from order 290 on the step chunk
// of the products is split below and above a panel (400 crosses it more
// often).
const std::vector<int> kOrders = testing::ordersAroundBlockSizes(&KernelBlockSizes::lu, {100, 200, 290, 300, 400});

class LuKernel : public ::testing::TestWithParam<MatrixKind> {};

TEST_P(LuKernel, MatchesThePlainLoopsAtOrdersAroundTheBlockSizes) {
    unsigned seed = 1;
    for (int n : kOrders) expectSameAsReference(GetParam(), n, 1 + n % 3, seed++);
}

TEST(LuKernelRightHandSides, ManyColumnsMatchThePlainLoops) {
    expectSameAsReference(MatrixKind::Uniform, 60, 70, 9);  // more than one group of columns
}

// Several right-hand sides take the forward substitution by blocks of 64 rows
// and tiles of right-hand sides: orders around the block, widths around the
// tiles (6, 8, 24 columns) and the group (32).
TEST_P(LuKernel, SeveralRightHandSidesMatchThePlainLoops) {
    unsigned seed = 500;
    for (int n : {2, 63, 64, 65, 129, 200}) {
        for (int nb : {2, 7, 25, 33}) expectSameAsReference(GetParam(), n, nb, seed++);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, LuKernel, ::testing::ValuesIn(testing::kAllMatrixKinds),
                         testing::matrixKindTestName);

}  // namespace
}  // namespace corvane
