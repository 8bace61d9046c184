#pragma once
// Compact (Doolittle) LU factorisation in place, with a pivot search that
// tries every remaining row in the pivot position, and the solve that uses the
// factors. Values are stored in single precision; every inner product, and the
// subtraction and division that use it, are carried out in double precision.

#include "problem/matrix.h"
#include "problem/run_progress.h"
#include "problem/step_listener.h"
#include "textio/record_writer.h"

namespace corvane {

// |u(j,j)| below this stops the factorisation; equal to it is accepted.
inline constexpr float PRAG_LU = 1.0E-8f;

// The row bookkeeping of one factorisation.
struct LuPermutation {
    Vector<int> ORDER;     // ORDER(i): the row of the input matrix now standing in row i
    int NR_SCHIMBARI = 0;  // row exchanges kept by the pivot search; its parity is the permutation's sign
};

// Factorises A (n x n) in place: l(i,j) below the diagonal, u(i,j) on and above
// it, so that row i of L*U is row ORDER(i) of the input. Sets ORDER and adds
// the exchanges to NR_SCHIMBARI (the caller resets it). The pivot row of every
// step but the last is the one giving the u(k,k) of largest magnitude (each
// candidate computed where its row stands), ties going to the lowest row.
// Returns 0, or -1 when a diagonal element of U failed the threshold; the
// failure has then been reported (step 1 to the console and the report, a
// later step to the report). With `steps` the plain loops run instead of the
// kernel and tell every step.
int LUDECOMP(RealMatrix& A, int n, LuPermutation& rows, RecordWriter& report, RecordWriter& console,
             RunProgress* progress = nullptr, StepListener* steps = nullptr);

// Solves L*U*x = P*b with the factors and ORDER of LUDECOMP for every column
// of B (n x nb), each solution replacing its column; a few columns at a time,
// with a step boundary before each group. With `steps` the plain loops solve
// one column after the other and tell every step.
void solveColumnsWithFactors(const RealMatrix& A, RealMatrix& B, int n, int nb, const Vector<int>& ORDER,
                             RunProgress* progress = nullptr, StepListener* steps = nullptr);

}  // namespace corvane
