#include "support/test_matrix_kinds.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace corvane::testing {
namespace {

float uniform(std::mt19937& random) { return std::uniform_real_distribution<float>(-1.0f, 1.0f)(random); }

float entry(MatrixKind kind, int n, int i, int j, float tiny, std::mt19937& random) {
    std::uniform_int_distribution<int> percent(0, 99);
    switch (kind) {
        case MatrixKind::Uniform: return uniform(random);
        case MatrixKind::Graded: return uniform(random) * std::pow(10.0f, static_cast<float>(percent(random) % 31 - 15));
        case MatrixKind::Hilbert: return 1.0f / static_cast<float>(i + j - 1);
        case MatrixKind::Sparse: return percent(random) < 85 ? (percent(random) < 50 ? 0.0f : -0.0f) : uniform(random);
        case MatrixKind::Ties: return static_cast<float>(percent(random) % 5 - 2);
        case MatrixKind::Infinities: {
            const int p = percent(random);
            if (p == 0) return std::numeric_limits<float>::infinity();
            if (p == 1) return -std::numeric_limits<float>::infinity();
            if (p < 10) return 0.0f;
            return uniform(random);
        }
        case MatrixKind::TinyLowerRows: return i >= n / 2 + 1 ? uniform(random) * tiny : uniform(random);
        case MatrixKind::Underflow: {
            const int p = percent(random);
            if (p < 15) return p % 2 == 0 ? 0.0f : -0.0f;
            if (p < 25) return uniform(random) * 1.0e-38f;
            if (p < 35) return uniform(random) * 1.0e30f;
            return uniform(random) * std::pow(10.0f, static_cast<float>(percent(random) % 21 - 10));
        }
        case MatrixKind::ZeroColumn: return j == n / 3 + 1 ? 0.0f : uniform(random);
    }
    return 0.0f;
}

}  // namespace

const char* matrixKindName(MatrixKind kind) {
    switch (kind) {
        case MatrixKind::Uniform: return "uniform";
        case MatrixKind::Graded: return "graded";
        case MatrixKind::Hilbert: return "hilbert";
        case MatrixKind::Sparse: return "sparse";
        case MatrixKind::Ties: return "ties";
        case MatrixKind::Infinities: return "infinities";
        case MatrixKind::TinyLowerRows: return "tiny_lower_rows";
        case MatrixKind::Underflow: return "underflow";
        case MatrixKind::ZeroColumn: return "zero_column";
    }
    return "?";
}

RealMatrix specialMatrix(MatrixKind kind, int n, unsigned seed, float tiny) {
    std::mt19937 random(seed);
    RealMatrix A(n, n);
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) A(i, j) = entry(kind, n, i, j, tiny, random);
    return A;
}

RealMatrix uniformMatrix(int rows, int cols, unsigned seed) {
    std::mt19937 random(seed);
    RealMatrix M(rows, cols);
    for (int j = 1; j <= cols; ++j)
        for (int i = 1; i <= rows; ++i) M(i, j) = uniform(random);
    return M;
}

namespace {

template <typename Bits, typename T>
long firstBitDifferenceOf(const Matrix<T>& x, const Matrix<T>& y) {
    if (x.rows() != y.rows() || x.cols() != y.cols()) return 0;
    const long count = static_cast<long>(x.rows()) * x.cols();
    for (long k = 0; k < count; ++k) {
        if (std::bit_cast<Bits>(x.data()[k]) != std::bit_cast<Bits>(y.data()[k])) return k;
    }
    return -1;
}

}  // namespace

long firstBitDifference(const RealMatrix& x, const RealMatrix& y) { return firstBitDifferenceOf<std::uint32_t>(x, y); }

long firstBitDifference(const Matrix<double>& x, const Matrix<double>& y) {
    return firstBitDifferenceOf<std::uint64_t>(x, y);
}

}  // namespace corvane::testing
