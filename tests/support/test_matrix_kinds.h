#pragma once
// Matrices that exercise the corners of the numerical kernels: random,
// ill-conditioned, singular part way, and special (zeros in the pivot column,
// ties, infinities, values that underflow), and a bitwise comparison.

#include <gtest/gtest.h>

#include <string>

#include "problem/matrix.h"

namespace corvane::testing {

enum class MatrixKind { Uniform, Graded, Hilbert, Sparse, Ties, Infinities, TinyLowerRows, Underflow, ZeroColumn };

inline constexpr MatrixKind kAllMatrixKinds[] = {
    MatrixKind::Uniform, MatrixKind::Graded, MatrixKind::Hilbert, MatrixKind::Sparse, MatrixKind::Ties,
    MatrixKind::Infinities, MatrixKind::TinyLowerRows, MatrixKind::Underflow, MatrixKind::ZeroColumn};

const char* matrixKindName(MatrixKind kind);

// The name of a test parameterised by the matrix kind.
inline std::string matrixKindTestName(const ::testing::TestParamInfo<MatrixKind>& info) {
    return matrixKindName(info.param);
}

// An n x n matrix of the kind; TinyLowerRows scales rows n/2+1..n by `tiny`
// so that the pivots fall below a threshold half way.
RealMatrix specialMatrix(MatrixKind kind, int n, unsigned seed, float tiny = 1.0e-8f);

// Entries uniform in [-1, 1].
RealMatrix uniformMatrix(int rows, int cols, unsigned seed);

// Offset of the first element whose bits differ (NaNs compared by their
// bits too), or -1 when the matrices are identical.
long firstBitDifference(const RealMatrix& x, const RealMatrix& y);
long firstBitDifference(const Matrix<double>& x, const Matrix<double>& y);

}  // namespace corvane::testing
