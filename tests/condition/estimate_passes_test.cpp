// The passes of the cond1 estimate give, with 1, 2, 3 and 5 threads, the bits
// of plain loops that take one unknown at a time: every value the same
// operations in the same order, whatever the blocks and the threads.

#include "condition/estimate_passes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "kernels/kernel_threads.h"
#include "problem/problem_state.h"

namespace corvane {
namespace {

// A sum down a column keeps four interleaved partial sums (two each when two
// vectors are solved together), products i, i+1, ... from `from` on, and the
// last (to − from) mod 4 (mod 2) into the first.
double plainDot(const float* c, const std::vector<double>& v, int from, int to) {
    double s[4] = {0.0, 0.0, 0.0, 0.0};
    int i = from;
    for (; i + 3 < to; i += 4)
        for (int r = 0; r < 4; ++r) s[r] += c[i + r] * v[i + r];
    for (; i < to; ++i) s[0] += c[i] * v[i];
    return (s[0] + s[1]) + (s[2] + s[3]);
}

int plainFirstNonzero(const std::vector<double>& v, const std::vector<double>* w) {
    const int n = static_cast<int>(v.size());
    for (int i = 0; i < n; ++i)
        if (v[i] != 0.0 || (w && (*w)[i] != 0.0)) return i;
    return n;
}

// Column j of a column-major n × n array, or of a packed upper triangle.
const float* columnOf(const RealMatrix& F, int j) { return F.data() + static_cast<std::size_t>(j) * F.rows(); }
const float* columnOf(const RealVector& S, int j) { return S.data() + static_cast<std::size_t>(j) * (j + 1) / 2; }

// v[i] −= c[i]·v[j] (and w) for i in [from, to).
void plainStep(const float* c, int j, std::vector<double>& v, std::vector<double>* w, int from, int to) {
    for (int i = from; i < to; ++i) {
        v[i] -= c[i] * v[j];
        if (w) (*w)[i] -= c[i] * (*w)[j];
    }
}

// U·y = v (and w), last column first.
template <typename Factor>
void plainBackUpper(const Factor& F, std::vector<double>& v, std::vector<double>* w) {
    for (int j = static_cast<int>(v.size()) - 1; j >= 0; --j) {
        const float* c = columnOf(F, j);
        v[j] /= c[j];
        if (w) (*w)[j] /= c[j];
        plainStep(c, j, v, w, 0, j);
    }
}

void plainSolveLu(const RealMatrix& F, std::vector<double>& v, std::vector<double>* w) {
    const int n = static_cast<int>(v.size());
    for (int j = plainFirstNonzero(v, w); j < n; ++j) plainStep(columnOf(F, j), j, v, w, j + 1, n);
    plainBackUpper(F, v, w);
}

void plainSolveLuTransposed(const RealMatrix& F, std::vector<double>& v) {
    const int n = static_cast<int>(v.size());
    for (int j = 0; j < n; ++j) v[j] = (v[j] - plainDot(columnOf(F, j), v, 0, j)) / columnOf(F, j)[j];
    for (int j = n - 1; j >= 0; --j) v[j] -= plainDot(columnOf(F, j), v, j + 1, n);
}

void plainSolveCholesky(const RealVector& S, std::vector<double>& v, std::vector<double>* w) {
    const int n = static_cast<int>(v.size());
    const int first = plainFirstNonzero(v, w);
    for (int j = first; j < n; ++j) {
        const float* c = columnOf(S, j);
        if (!w) {
            v[j] = (v[j] - plainDot(c, v, first, j)) / c[j];
            continue;
        }
        double sv[2] = {0.0, 0.0}, sw[2] = {0.0, 0.0};
        int i = first;
        for (; i + 1 < j; i += 2) {
            for (int r = 0; r < 2; ++r) {
                sv[r] += c[i + r] * v[i + r];
                sw[r] += c[i + r] * (*w)[i + r];
            }
        }
        for (; i < j; ++i) {
            sv[0] += c[i] * v[i];
            sw[0] += c[i] * (*w)[i];
        }
        v[j] = (v[j] - (sv[0] + sv[1])) / c[j];
        (*w)[j] = ((*w)[j] - (sw[0] + sw[1])) / c[j];
    }
    plainBackUpper(S, v, w);
}

double plainLargestColumnSum(const RealMatrix& A, int n) {
    double largest = 0.0;
    for (int j = 0; j < n; ++j) {
        const float* c = columnOf(A, j);
        double s[4] = {0.0, 0.0, 0.0, 0.0};
        int i = 0;
        for (; i + 3 < n; i += 4)
            for (int r = 0; r < 4; ++r) s[r] += std::fabs(c[i + r]);
        for (; i < n; ++i) s[0] += std::fabs(c[i]);
        largest = std::max(largest, (s[0] + s[1]) + (s[2] + s[3]));
    }
    return largest;
}

// Column j's part of the upper triangle, then row j's, in order.
double plainLargestColumnSumOfPacked(const RealVector& A, int n) {
    std::vector<double> sums(n, 0.0);
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i <= j; ++i) sums[j] += std::fabs(columnOf(A, j)[i]);
        for (int k = j + 1; k < n; ++k) sums[j] += std::fabs(columnOf(A, k)[j]);
    }
    return *std::max_element(sums.begin(), sums.end());
}

std::vector<std::uint64_t> bitsOf(const std::vector<double>& v) {
    std::vector<std::uint64_t> bits;
    for (double x : v) bits.push_back(std::bit_cast<std::uint64_t>(x));
    return bits;
}

std::vector<double> randomValues(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> v(n);
    for (double& x : v) x = value(random);
    return v;
}

std::vector<double> unitVector(int n, int at) {
    std::vector<double> v(n, 0.0);
    v[at] = 1.0;
    return v;
}

// Orders past a few blocks of unknowns, so that the work of a block is
// shared; one not a multiple of anything the passes group by.
TEST(EstimatePasses, TheBitsOfPlainLoopsWithAnyNumberOfThreads) {
    const int n = 531;
    std::mt19937 random(5);
    std::uniform_real_distribution<float> entry(-1.0f, 1.0f);
    RealMatrix A(n, n), F(n, n);  // F: a unit lower L and an upper U, well away from singular
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) {
            A(i, j) = entry(random);
            F(i, j) = i == j ? 4.0f + entry(random) : entry(random) / static_cast<float>(n);
        }
    }
    RealVector packed(n * (n + 1) / 2), S(n * (n + 1) / 2);
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= j; ++i) {
            packed(LOCA(i, j)) = entry(random);
            S(LOCA(i, j)) = F(i, j);
        }
    }

    using Solve = std::function<void(std::vector<double>&, std::vector<double>*)>;
    struct Case {
        std::string name;
        Solve solve, plain;
        std::vector<double> v;
        bool withW;
    };
    const Solve lu = [&](auto& v, auto* w) { solveWithLu(F, v, w); };
    const Solve plainLu = [&](auto& v, auto* w) { plainSolveLu(F, v, w); };
    const Solve luT = [&](auto& v, auto*) { solveWithLuTransposed(F, v); };
    const Solve plainLuT = [&](auto& v, auto*) { plainSolveLuTransposed(F, v); };
    const Solve cholesky = [&](auto& v, auto* w) { solveWithCholesky(S, v, w); };
    const Solve plainCholesky = [&](auto& v, auto* w) { plainSolveCholesky(S, v, w); };
    const std::vector<Case> cases = {
        {"LU, two vectors", lu, plainLu, randomValues(n, 1), true},
        {"LU, a unit vector", lu, plainLu, unitVector(n, 201), false},
        {"LU transposed", luT, plainLuT, randomValues(n, 2), false},
        {"Cholesky, two vectors", cholesky, plainCholesky, randomValues(n, 3), true},
        {"Cholesky, a unit vector", cholesky, plainCholesky, unitVector(n, 201), false},
    };
    for (const Case& c : cases) {
        std::vector<double> v = c.v, w = randomValues(n, 4);
        c.plain(v, c.withW ? &w : nullptr);
        for (int threads : {1, 2, 3, 5}) {
            const KernelThreadsOverride selected(threads);
            std::vector<double> u = c.v, x = randomValues(n, 4);
            c.solve(u, c.withW ? &x : nullptr);
            EXPECT_EQ(bitsOf(u), bitsOf(v)) << c.name << ", " << threads << " threads";
            if (c.withW) {
                EXPECT_EQ(bitsOf(x), bitsOf(w)) << c.name << " (second vector), " << threads << " threads";
            }
        }
    }

    // The largest column sums, with the largest column made first, in the
    // middle of a group of four, at the end of a range and last in turn.
    for (int big : {0, 17, 264, n - 1}) {
        RealMatrix B = A;
        RealVector P = packed;
        for (int i = 1; i <= n; ++i) {
            B(i, big + 1) *= 3.0f;
            P(i <= big + 1 ? LOCA(i, big + 1) : LOCA(big + 1, i)) *= 3.0f;
        }
        for (int threads : {1, 2, 3, 5}) {
            const KernelThreadsOverride selected(threads);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(largestColumnSum(B, n)),
                      std::bit_cast<std::uint64_t>(plainLargestColumnSum(B, n)))
                << "column " << big << ", " << threads << " threads";
            EXPECT_EQ(std::bit_cast<std::uint64_t>(largestColumnSumOfPacked(P, n)),
                      std::bit_cast<std::uint64_t>(plainLargestColumnSumOfPacked(P, n)))
                << "packed column " << big << ", " << threads << " threads";
        }
    }
}

}  // namespace
}  // namespace corvane
