#pragma once
// Preparing a system for Gauss-Seidel or SOR, which divide by the diagonal:
// row interchanges that leave no negligibly small diagonal entry, and SOR's
// division of every equation by its diagonal entry. Both work in place on the
// problem state's A and B and are not undone after the run.

#include "problem/matrix.h"
#include "problem/run_context.h"
#include "textio/record_writer.h"

namespace corvane {

// A diagonal entry of smaller magnitude counts as too small to divide by.
inline constexpr float PRAG = 1.0e-6f;

// Replaces A(k,k) by the entry of largest magnitude at or below it in column k
// (the nearest one among equal magnitudes), interchanging the two rows of A and
// of B and adding 1 to count. Returns 0, or -1 after writing the line
// " Linia k: Pivot = p" when no candidate reaches prag; then nothing changes.
// `steps`, when given, hears the interchange or the failure.
int PIVOTARE(RecordWriter& out, int n, int nb, RealMatrix& A, RealMatrix& B, float prag, int k, int& count,
             StepListener* steps = nullptr);

// Settles the rows from the top, interchanging wherever |A(i,i)| < PRAG, and
// writes the interchange count. Returns false when a column has no usable
// entry: the failure has been reported and the method must end.
bool orderRowsForIteration(RunContext& context);

// Divides every equation by its diagonal entry, so that the diagonal becomes
// 1, and prints the scaled system when the matrix is to be printed. The
// context's step listener hears the scaling as one step.
void scaleByDiagonal(RunContext& context);

}  // namespace corvane
