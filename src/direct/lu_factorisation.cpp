#include "direct/lu_factorisation.h"

#include <cmath>
#include <utility>

#include "kernels/lu_kernel.h"
#include "report/matrix_printing.h"

namespace corvane {
namespace {

// Sum over l = 1..count of A(r,l)*A(l,c), each factor widened to double.
double innerProduct(const RealMatrix& A, int r, int c, int count) {
    double sum = 0.0;
    for (int l = 1; l <= count; ++l) sum += static_cast<double>(A(r, l)) * static_cast<double>(A(l, c));
    return sum;
}

// Strict test: |u| equal to the threshold passes. A value that is not a
// number compares false and goes on, like every other comparison of the methods.
bool belowThreshold(float u) { return std::fabs(u) < PRAG_LU; }

void reportFirstStepFailure(float u, RecordWriter& report, RecordWriter& console) {
    console.writeList({" u(1,1) =", u, " <", PRAG_LU});
    report.writeList({" u(1,1) =", u, " <", PRAG_LU});
}

void reportStepFailure(int j, float u, RecordWriter& report) {
    const int w = WIDTH(j);
    report.write(formatList("(/, a, i<>, a, i<>, a, 1pg15.7)", w, w), {" u(", j, ",", j, ") = ", u});
}

// Row j of U: A(j,c) for c = j..n.
void computeRowOfU(RealMatrix& A, int n, int j) {
    for (int c = j; c <= n; ++c) {
        A(j, c) = static_cast<float>(static_cast<double>(A(j, c)) - innerProduct(A, j, c, j - 1));
    }
}

// Column j of L: A(r,j) for r = j+1..n, divided by u(j,j).
void computeColumnOfL(RealMatrix& A, int n, int j) {
    const double pivot = A(j, j);
    for (int r = j + 1; r <= n; ++r) {
        A(r, j) = static_cast<float>((static_cast<double>(A(r, j)) - innerProduct(A, r, j, j - 1)) / pivot);
    }
}

}  // namespace

int LUDECOMP(RealMatrix& A, int n, LuPermutation& rows, bool pivoting, int searchSwitch, RecordWriter& report,
             RecordWriter& console) {
    if (pivoting && searchSwitch != 0 && n >= 1) {
        // The search for the largest candidate, as the LU method uses it: the
        // blocked kernel with the same results.
        rows.ORDER = Vector<int>(n);
        const LuOutcome outcome = factorLu(n, A.data(), rows.ORDER.data(), PRAG_LU, rows.NR_SCHIMBARI);
        if (outcome.failedStep == 0) return 0;
        if (outcome.failedStep == 1) reportFirstStepFailure(outcome.diagonal, report, console);
        else reportStepFailure(outcome.failedStep, outcome.diagonal, report);
        return -1;
    }
    rows.ORDER = Vector<int>(n);
    for (int i = 1; i <= n; ++i) rows.ORDER(i) = i;

    if (pivoting) APVT(A, n, rows, 1, searchSwitch);
    if (belowThreshold(A(1, 1))) {
        reportFirstStepFailure(A(1, 1), report, console);
        return -1;
    }
    // The first column of L is divided in single precision.
    for (int i = 2; i <= n; ++i) A(i, 1) = A(i, 1) / A(1, 1);

    for (int j = 2; j <= n; ++j) {
        if (j < n && pivoting) APVT(A, n, rows, j, searchSwitch);
        computeRowOfU(A, n, j);
        if (belowThreshold(A(j, j))) {
            reportStepFailure(j, A(j, j), report);
            return -1;
        }
        computeColumnOfL(A, n, j);
    }
    return 0;
}

void APVT(RealMatrix& A, int n, LuPermutation& rows, int k, int searchSwitch) {
    float best = 0.0f;
    int bestRow = k;
    for (int i = k; i <= n; ++i) {
        if (i > k) SWAP_ROW(n, A, rows.ORDER, k, i);  // try row i in the pivot position
        const float candidate = k == 1 ? A(1, 1) : COMPUTE_A_II(n, A, k);
        if (std::fabs(candidate) > std::fabs(best)) {
            bestRow = i;
            best = candidate;
            if (searchSwitch == 0) {
                if (i > k) ++rows.NR_SCHIMBARI;
                return;
            }
        }
        if (i > k) SWAP_ROW(n, A, rows.ORDER, i, k);
    }
    if (bestRow > k) {
        SWAP_ROW(n, A, rows.ORDER, k, bestRow);
        ++rows.NR_SCHIMBARI;
    }
}

float COMPUTE_A_II(int /*n*/, const RealMatrix& A, int k) {
    return static_cast<float>(static_cast<double>(A(k, k)) - innerProduct(A, k, k, k - 1));
}

void SWAP_ROW(int n, RealMatrix& A, Vector<int>& ORDER, int i, int j) {
    for (int c = 1; c <= n; ++c) std::swap(A(i, c), A(j, c));
    std::swap(ORDER(i), ORDER(j));
}

void LUSOLVE(const RealMatrix& A, const float* b, int n, float* x, const Vector<int>& ORDER) {
    solveLu(n, A.data(), ORDER.data(), b, x, 1);
}

void solveColumnsWithFactors(const RealMatrix& A, RealMatrix& B, int n, int nb, const Vector<int>& ORDER) {
    solveLu(n, A.data(), ORDER.data(), B.data(), B.data(), nb);
}

}  // namespace corvane
