// XᵀX of the condition number's 2-norm against the plain loop, bit for bit,
// for every instruction-set variant this processor runs, at orders around the
// tile sizes and the chunk of steps.

#include "direct/product_kernel.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_matrix_kinds.h"

namespace corvane {
namespace {

using testing::MatrixKind;

RealMatrix referenceTransposeTimesSelf(int n, const RealMatrix& X) {
    RealMatrix M(n, n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            float sum = 0.0f;
            for (int k = 1; k <= n; ++k) sum = sum + X(k, j) * X(k, i);
            M(j, i) = sum;
        }
    }
    return M;
}

class ProductKernel : public ::testing::TestWithParam<MatrixKind> {};

TEST_P(ProductKernel, TransposeTimesSelfMatchesThePlainLoop) {
    unsigned seed = 7;
    for (int n : {1, 2, 5, 11, 12, 13, 31, 32, 33, 63, 64, 65, 100, 255, 256, 257}) {
        const RealMatrix X = testing::specialMatrix(GetParam(), n, seed++);
        const RealMatrix expected = referenceTransposeTimesSelf(n, X);
        const KernelLevel chosen = selectedKernelLevel();
        for (KernelLevel level : supportedKernelLevels()) {
            selectKernelLevel(level);
            RealMatrix M(n, n);
            transposeTimesSelf(n, X.data(), M.data());
            EXPECT_EQ(testing::firstBitDifference(M, expected), -1)
                << testing::matrixKindName(GetParam()) << " n=" << n << " " << kernelLevelName(level);
        }
        selectKernelLevel(chosen);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ProductKernel, ::testing::ValuesIn(testing::kAllMatrixKinds),
                         [](const ::testing::TestParamInfo<MatrixKind>& info) {
                             return std::string(testing::matrixKindName(info.param));
                         });

}  // namespace
}  // namespace corvane
