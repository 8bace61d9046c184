// The products of the solution check and of the 2-norm, and the same product
// in double precision, against the plain loops, bit for bit, for every
// instruction-set variant this processor runs, with 1, 2, 3 and 5 threads, at
// orders around the tile sizes and the chunk of steps.

#include "kernels/product_kernel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// D = D + F·X in double, each D(i,c) summed over j in increasing order.
void referenceMultiplyAddWidened(int n, int columns, const RealMatrix& F, const RealMatrix& X, Matrix<double>& D) {
    for (int c = 1; c <= columns; ++c)
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) D(i, c) = D(i, c) + static_cast<double>(F(i, j)) * static_cast<double>(X(j, c));
}

Matrix<double> widened(const RealMatrix& m) {
    Matrix<double> d(m.rows(), m.cols());
    for (int j = 1; j <= m.cols(); ++j)
        for (int i = 1; i <= m.rows(); ++i) d(i, j) = m(i, j);
    return d;
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

TEST_P(ProductKernel, WidenedMultiplyAddMatchesThePlainDoubleLoop) {
    unsigned seed = 17;
    for (int n : testing::ordersAroundBlockSizes(&KernelBlockSizes::product, {11, 12, 13, 100})) {
        for (int columns : {1, 12, 13, 25, 40}) {
            const RealMatrix F = testing::specialMatrix(GetParam(), n, seed++);
            const RealMatrix X = testing::uniformMatrix(n, columns + 1, seed++);
            const Matrix<double> D0 = widened(testing::uniformMatrix(n, columns, seed++));
            Matrix<double> expected = D0;
            referenceMultiplyAddWidened(n, columns, F, X, expected);
            for (const testing::KernelSetup& setup : testing::kernelSetups()) {
                const testing::KernelSetupOverride selected(setup);
                Matrix<double> D = D0;
                multiplyAddWidened(n, columns, FullFactor(F), X.data(), n, D.data(), nullptr);
                EXPECT_EQ(testing::firstBitDifference(D, expected), -1)
                    << testing::matrixKindName(GetParam()) << " n=" << n << " columns=" << columns << " "
                    << testing::kernelSetupName(setup);
            }
        }
    }
}

struct Stopped {};

// Hears the steps of a product; throws Stopped at the report `stopAt` (from 0).
class StepRecorder : public KernelProgress {
public:
    explicit StepRecorder(int stopAt = -1) : stopAt_(stopAt) {}
    void reached(KernelStage stage, int step, int total) override {
        EXPECT_EQ(stage, KernelStage::Product);
        steps.push_back(step);
        EXPECT_EQ(total, total_);
        if (static_cast<int>(steps.size()) - 1 == stopAt_) throw Stopped{};
    }
    std::vector<int> steps;
    int total_ = 0;

private:
    int stopAt_;
};

// The double product tells its steps forward, chunk by chunk, to the end; a
// call stopped at a report leaves the threads ready for the next, which gives
// the same bits as one that was never stopped.
TEST(ProductKernelProgress, TellsItsStepsAndMayBeStoppedThere) {
    constexpr int n = 700;  // three chunks of steps
    const RealMatrix F = testing::uniformMatrix(n, n, 3);
    const RealMatrix X = testing::uniformMatrix(n, 30, 4);
    for (const testing::KernelSetup& setup : testing::kernelSetups()) {
        const testing::KernelSetupOverride selected(setup);
        StepRecorder followed;
        followed.total_ = n;
        Matrix<double> D(n, 30), quiet(n, 30);
        multiplyAddWidened(n, 30, FullFactor(F), X.data(), n, D.data(), &followed);
        multiplyAddWidened(n, 30, FullFactor(F), X.data(), n, quiet.data(), nullptr);
        EXPECT_EQ(followed.steps, (std::vector<int>{256, 512, n})) << testing::kernelSetupName(setup);
        EXPECT_EQ(testing::firstBitDifference(D, quiet), -1) << testing::kernelSetupName(setup);
        StepRecorder stopping(1);
        stopping.total_ = n;
        Matrix<double> part(n, 30);
        EXPECT_THROW(multiplyAddWidened(n, 30, FullFactor(F), X.data(), n, part.data(), &stopping), Stopped);
        Matrix<double> again(n, 30);
        multiplyAddWidened(n, 30, FullFactor(F), X.data(), n, again.data(), nullptr);
        EXPECT_EQ(testing::firstBitDifference(again, quiet), -1) << testing::kernelSetupName(setup);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ProductKernel, ::testing::ValuesIn(testing::kAllMatrixKinds),
                         testing::matrixKindTestName);

}  // namespace
}  // namespace corvane
