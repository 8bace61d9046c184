#pragma once
// The eigenvalue of largest modulus by the power method, carried out in
// complex arithmetic so that a complex dominant eigenvalue can be found. When
// the iteration does not settle, the matrix is shifted once by -i·I, which
// separates dominant eigenvalues of equal modulus (a conjugate pair, or ±λ),
// and the iteration runs again.

#include "condition/single_complex.h"
#include "problem/matrix.h"
#include "problem/run_progress.h"

namespace corvane {

constexpr int kConverged = 0;
constexpr int kNotConverged = -1;

struct EigenEstimate {
    Complex eigenvalue;    // the last estimate
    int status = kNotConverged;
    float testValue = 0.0f;  // the last measured change of the estimate
};

struct PowerRun {
    EigenEstimate estimate;
    int iterations = 0;  // iterations of the last run
};

// The power method on a real matrix, with at most 1000 iterations per run and
// the tolerance 1.0E-7. A is not changed. The change test and the shift are
// scaled by smallMatrixScale(A), so that a matrix of small entries is
// treated as the same matrix at a larger scale. A converged estimate is
// checked by a second call from another start, rampStart: the vector
// (1, ..., 1) of the first is orthogonal to the dominant eigenvector of every
// matrix whose eigenvectors are symmetric or antisymmetric. When that call
// converges too, to an eigenvalue of modulus greater than 1.001 times the
// first one's, its eigenvalue is taken; the status and the test value stay
// those of the first call.
EigenEstimate EIGEN_POWER(int n, const RealMatrix& A, RunProgress* progress = nullptr);

// The power method in complex arithmetic on A, a real matrix taken as a
// complex one (imaginary parts +0), from the normalised vector `start`. An
// iteration counts as converged only when its estimate was taken at the same
// component of the product as the one before it in the same run, and its
// change is within the tolerance: the change relative to the estimate's
// modulus when that modulus is above 1.0E-6·scale, else the change divided by
// scale. After `limit` iterations without settling, the diagonal is shifted
// by -i·scale (kept apart: A itself is not changed) and a second run starts
// from the last vectors; on convergence after the shift the estimate has
// i·scale added back, so it belongs to the matrix passed in. When the second
// run fails too, the estimate is the last one for the shifted matrix.
// A matrix of order n < 1 has no eigenvalue: the status is then "not
// converged", the estimate 0 and the test value not a number.
// Each iteration starts at a step boundary of `progress`.
PowerRun POWER_COMPLEX(int n, const RealMatrix& A, int limit, float tolerance, float scale, const ComplexVector& start,
                       RunProgress* progress = nullptr);

// The scale s of the power method for A: with m the largest magnitude among
// A's entries, the power of two with s/2 < m <= s when 0 < m < 0.5, else 1
// (also for a zero matrix and for one with an entry that is not finite).
float smallMatrixScale(int n, const RealMatrix& A);

// The start vectors of EIGEN_POWER's two calls, each divided by its
// VECTOR_NORM2: (1, 1) in every component, and (j, j) in component j.
ComplexVector uniformStart(int n);
ComplexVector rampStart(int n);

// Euclidean norm of V(1..n), the sum of squares accumulated in single precision.
// Where that sum overflows, or underflows to 0 for a vector that is not 0, the
// norm is taken again with every part scaled by the largest one, so that a
// vector of large or tiny components keeps a finite, nonzero norm.
float VECTOR_NORM2(int n, const ComplexVector& V);

// Position of the first component of largest modulus; 1 when no component
// reaches the largest modulus (none at all, or only values that are not numbers).
int MAXINDEX(int n, const ComplexVector& V);

}  // namespace corvane
