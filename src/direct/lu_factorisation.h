#pragma once
// Compact (Doolittle) LU factorisation in place, with a pivot search that
// tries every remaining row in the pivot position, and the solve that uses the
// factors. Values are stored in single precision; every inner product, and the
// subtraction and division that use it, are carried out in double precision.

#include "problem/matrix.h"
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
// it, so that row i of L*U is row ORDER(i) of the input. Sets ORDER to 1..n and
// adds the exchanges to NR_SCHIMBARI (the caller resets it). With pivoting the
// pivot row of every step but the last is chosen by APVT. Returns 0, or -1 when
// a diagonal element of U failed the threshold; the failure has then been
// reported (step 1 to the console and the report, a later step to the report).
int LUDECOMP(RealMatrix& A, int n, LuPermutation& rows, bool pivoting, int searchSwitch, RecordWriter& report,
             RecordWriter& console);

// Chooses the pivot row of step k among rows k..n by the u(k,k) each would
// give, and moves it into row k. With searchSwitch 0 the first row giving a
// nonzero value is taken; otherwise the largest magnitude wins, ties going to
// the lowest row.
void APVT(RealMatrix& A, int n, LuPermutation& rows, int k, int searchSwitch);

// A(k,k) - sum over i < k of A(k,i)*A(i,k): the u(k,k) that step k would
// produce with the row now standing in row k.
float COMPUTE_A_II(int n, const RealMatrix& A, int k);

// Exchanges rows i and j of A over all n columns, and ORDER(i) with ORDER(j).
void SWAP_ROW(int n, RealMatrix& A, Vector<int>& ORDER, int i, int j);

// Solves L*U*x = P*b with the factors and ORDER of LUDECOMP; b and x hold n values.
void LUSOLVE(const RealMatrix& A, const float* b, int n, float* x, const Vector<int>& ORDER);

// LUSOLVE for every column of B (n x nb) at once, each solution replacing its
// column; the same values as one LUSOLVE per column, computed side by side.
void solveColumnsWithFactors(const RealMatrix& A, RealMatrix& B, int n, int nb, const Vector<int>& ORDER);

}  // namespace corvane
