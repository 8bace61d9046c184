// The Gauss-Seidel sweep and the complex matrix-vector product of the power
// method against their plain loops, bit for bit, for every instruction-set
// variant this processor runs (the product with 1, 2, 3 and 5 threads too).

#include "kernels/iteration_kernel.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "condition/single_complex.h"
#include "kernels/block_orders.h"
#include "kernels/kernel_setups.h"
#include "support/test_matrix_kinds.h"

namespace corvane {
namespace {

using testing::MatrixKind;

// The sweep as the plain loop writes it (1-based).
void referenceSweep(const RealMatrix& A, int n, const std::vector<float>& b1, const std::vector<float>& x0,
                    std::vector<float>& x1) {
    for (int i = 1; i <= n; ++i) {
        float s = 0.0f;
        for (int j = 1; j <= n; ++j) {
            if (j == i) continue;
            const float y = j < i ? x1[static_cast<std::size_t>(j - 1)] : x0[static_cast<std::size_t>(j - 1)];
            s = s + A(i, j) * y;
        }
        x1[static_cast<std::size_t>(i - 1)] = (b1[static_cast<std::size_t>(i - 1)] - s) / A(i, i);
    }
}

void referenceProduct(int n, const ComplexMatrix& A, const ComplexVector& Z0, ComplexVector& Z) {
    Z.fill({0.0f, 0.0f});
    for (int l = 1; l <= n; ++l) {
        for (int j = 1; j <= n; ++j) Z(j) = plus(Z(j), times(A(j, l), Z0(l)));
    }
}

bool sameBits(const float* x, const float* y, long count) {
    for (long k = 0; k < count; ++k) {
        if (std::bit_cast<std::uint32_t>(x[k]) != std::bit_cast<std::uint32_t>(y[k])) return false;
    }
    return true;
}

// The same bits, except that any two values that are not numbers count as
// equal: the sign of a NaN produced by arithmetic is left open by the
// floating-point rules (the compiler may form x - y as x + -y), and no later
// operation or report can tell it.
bool sameValues(const float* x, const float* y, long count) {
    for (long k = 0; k < count; ++k) {
        if (std::isnan(x[k]) && std::isnan(y[k])) continue;
        if (std::bit_cast<std::uint32_t>(x[k]) != std::bit_cast<std::uint32_t>(y[k])) return false;
    }
    return true;
}

// Around the sweep's blocks of rows (they hold the power method's columns
// too), and orders between and past them.
const std::vector<int> kOrders = testing::ordersAroundBlockSizes(&KernelBlockSizes::iteration, {7, 100, 200});

class IterationKernels : public ::testing::TestWithParam<MatrixKind> {};

TEST_P(IterationKernels, SweepsMatchThePlainLoop) {
    unsigned seed = 1;
    for (int n : kOrders) {
        RealMatrix A = testing::specialMatrix(GetParam(), n, seed++);
        for (int i = 1; i <= n; ++i) A(i, i) = A(i, i) + static_cast<float>(n);  // mostly dominant diagonal
        const RealMatrix b = testing::uniformMatrix(n, 1, seed + 500);
        const std::vector<float> b1(b.data(), b.data() + n);
        // Three sweeps in a row from 0, as the method makes them.
        std::vector<float> expected0(static_cast<std::size_t>(n), 0.0f), expected1 = expected0;
        std::vector<std::vector<float>> expected;
        for (int sweep = 0; sweep < 3; ++sweep) {
            referenceSweep(A, n, b1, expected0, expected1);
            expected.push_back(expected1);
            expected0 = expected1;
        }
        for (KernelLevel level : supportedKernelLevels()) {
            const KernelLevelOverride selected(level);
            std::vector<float> x0(static_cast<std::size_t>(n), 0.0f), x1 = x0;
            for (int sweep = 0; sweep < 3; ++sweep) {
                gaussSeidelSweep(n, A.data(), b1.data(), x0.data(), x1.data());
                EXPECT_TRUE(sameBits(x1.data(), expected[static_cast<std::size_t>(sweep)].data(), n))
                    << testing::matrixKindName(GetParam()) << " n=" << n << " sweep " << sweep << " "
                    << kernelLevelName(level);
                x0 = x1;
            }
        }
    }
}

// The matrix is real with imaginary parts on the diagonal only (none, or the
// power method's shift); the vector holds the matrix kind's values and, in a
// second round, signed zeros, infinities and a value that is not a number,
// whose products with the zero imaginary parts are -0 or not a number.
TEST_P(IterationKernels, ComplexProductsMatchThePlainLoop) {
    unsigned seed = 100;
    const float special[] = {-0.0f, 0.0f, INFINITY, -INFINITY, NAN, -1.5f, 2.0f};
    for (int n : kOrders) {
        const RealMatrix re = testing::specialMatrix(GetParam(), n, seed++);
        const RealMatrix im = testing::uniformMatrix(n, 2, seed + 500);
        for (int round = 0; round < 2; ++round) {
            for (float diagonal : {0.0f, -1.0f}) {
                ComplexMatrix A(n, n);
                ComplexVector z0(n);
                std::vector<float> diagonalIm(static_cast<std::size_t>(n), diagonal);
                for (int l = 1; l <= n; ++l) {
                    for (int j = 1; j <= n; ++j) A(j, l) = {re(j, l), j == l ? diagonal : 0.0f};
                    if (round == 0) z0(l) = {im(l, 1), re(l, 1)};
                    else z0(l) = {special[(l * 3) % 7], l % 4 == 0 ? im(l, 2) : special[(l * 5 + 1) % 7]};
                }
                ComplexVector expected(n);
                referenceProduct(n, A, z0, expected);
                for (const testing::KernelSetup& setup : testing::kernelSetups()) {
                    const testing::KernelSetupOverride selected(setup);
                    ComplexVector z(n);
                    complexMatrixVector(n, re.data(), diagonalIm.data(), &z0.data()->re, &z.data()->re);
                    EXPECT_TRUE(sameValues(&z.data()->re, &expected.data()->re, 2L * n))
                        << testing::matrixKindName(GetParam()) << " n=" << n << " round " << round
                        << " diagonal " << diagonal << " " << testing::kernelSetupName(setup);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, IterationKernels, ::testing::ValuesIn(testing::kAllMatrixKinds),
                         testing::matrixKindTestName);

}  // namespace
}  // namespace corvane
