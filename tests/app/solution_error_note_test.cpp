// The residuals measured beside a run: max |A·x - b| (or |A·X - I|) with the
// sums of the plain double-precision loop, bit for bit, whatever the number
// of threads, from a full matrix or from the packed triangle a symmetric
// read keeps.

#include "app/solution_error_note.h"

#include <gtest/gtest.h>

#include <cmath>

#include "kernels/kernel_threads.h"
#include "support/test_matrix_kinds.h"

namespace corvane {
namespace {

// The plain loop: each A·x summed in double in increasing index order.
std::vector<double> plainResiduals(const ProblemState& read, const RealMatrix& X) {
    std::vector<double> residuals;
    for (int k = 1; k <= X.cols(); ++k) {
        double largest = 0.0;
        for (int i = 1; i <= read.n; ++i) {
            double sum = 0.0;
            for (int j = 1; j <= read.n; ++j) sum += static_cast<double>(read.A(i, j)) * X(j, k);
            const double b = read.INVERSARE ? (i == k ? 1.0 : 0.0) : read.B(i, k);
            largest = std::max(largest, std::fabs(sum - b));
        }
        residuals.push_back(largest);
    }
    return residuals;
}

ProblemState symmetricRead(int n, int nb, bool inverse, unsigned seed) {
    ProblemState s;
    INITIALIZEDATA(s);
    s.n = n;
    s.nb = inverse ? n : nb;
    s.SISTEM = !inverse;
    s.INVERSARE = inverse;
    s.A = testing::uniformMatrix(n, n, seed);
    for (int j = 1; j <= n; ++j)
        for (int i = j + 1; i <= n; ++i) s.A(i, j) = s.A(j, i);
    s.B = testing::uniformMatrix(n, s.nb, seed + 1);
    return s;
}

RealVector packedUpper(const ProblemState& s) {
    RealVector packed(s.n * (s.n + 1) / 2);
    for (int j = 1; j <= s.n; ++j)
        for (int i = 1; i <= j; ++i) packed(LOCA(i, j)) = s.A(i, j);
    return packed;
}

TEST(LargestResiduals, ThePlainDoubleLoopsForAnyThreadCountFullOrPacked) {
    const struct {
        int n;
        int nb;
        bool inverse;
    } cases[] = {{1, 1, false}, {7, 3, false}, {300, 2, false}, {130, 0, true}, {257, 0, true}};
    unsigned seed = 5;
    for (const auto& c : cases) {
        ProblemState read = symmetricRead(c.n, c.nb, c.inverse, seed);
        const RealMatrix X = testing::uniformMatrix(c.n, read.nb, seed + 2);
        seed += 3;
        const std::vector<double> expected = plainResiduals(read, X);
        for (int threads : {1, 2, 3}) {
            const KernelThreadsOverride override(threads);
            read.AV_INPUT.reset();
            EXPECT_EQ(largestResiduals(read, X), expected) << "n=" << c.n << " threads=" << threads;
            read.AV_INPUT = packedUpper(read);
            read.A = RealMatrix();  // a symmetric read keeps only the triangle
            EXPECT_EQ(largestResiduals(read, X), expected) << "packed, n=" << c.n << " threads=" << threads;
            read = symmetricRead(c.n, c.nb, c.inverse, seed - 3);
        }
    }
}

}  // namespace
}  // namespace corvane
