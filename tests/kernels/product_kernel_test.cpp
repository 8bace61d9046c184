// The products of the solution check and of the 2-norm against the plain
// loop, bit for bit, for every instruction-set variant this processor runs,
// with 1, 2, 3 and 5 threads, at orders around the tile sizes and the chunk
// of steps.

#include "kernels/product_kernel.h"

#include <gtest/gtest.h>

#include <string>

#include "kernels/block_orders.h"
#include "kernels/kernel_setups.h"
#include "support/test_matrix_kinds.h"

namespace corvane {
namespace {

using testing::MatrixKind;

class FullFactor : public ProductFactor {
public:
    explicit FullFactor(const RealMatrix& F) : F_(F) {}
    void copyBlock(int i0, int rows, int j0, int steps, float* out, int stride) const override {
        for (int k = 0; k < steps; ++k)
            for (int r = 0; r < rows; ++r) out[static_cast<long>(k) * stride + r] = F_(i0 + r + 1, j0 + k + 1);
    }

private:
    const RealMatrix& F_;
};

// D = D + F·X, each D(i,c) summed over j in increasing order.
void referenceMultiplyAdd(int n, int columns, const RealMatrix& F, const RealMatrix& X, RealMatrix& D) {
    for (int c = 1; c <= columns; ++c)
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) D(i, c) = D(i, c) + F(i, j) * X(j, c);
}

class ProductKernel : public ::testing::TestWithParam<MatrixKind> {};

// X has more columns than the product takes; D starts from values of its
// own, which each sum continues.
TEST_P(ProductKernel, MultiplyAddMatchesThePlainLoop) {
    unsigned seed = 7;
    for (int n : testing::ordersAroundBlockSizes(&KernelBlockSizes::product, {11, 12, 13, 100})) {
        for (int columns : {1, 12, 13, 40}) {
            const RealMatrix F = testing::specialMatrix(GetParam(), n, seed++);
            const RealMatrix X = testing::uniformMatrix(n, columns + 1, seed++);
            const RealMatrix D0 = testing::uniformMatrix(n, columns, seed++);
            RealMatrix expected = D0;
            referenceMultiplyAdd(n, columns, F, X, expected);
            for (const testing::KernelSetup& setup : testing::kernelSetups()) {
                const testing::KernelSetupOverride selected(setup);
                RealMatrix D = D0;
                multiplyAdd(n, columns, FullFactor(F), X.data(), n, D.data());
                EXPECT_EQ(testing::firstBitDifference(D, expected), -1)
                    << testing::matrixKindName(GetParam()) << " n=" << n << " columns=" << columns << " "
                    << testing::kernelSetupName(setup);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ProductKernel, ::testing::ValuesIn(testing::kAllMatrixKinds),
                         testing::matrixKindTestName);

}  // namespace
}  // namespace corvane
