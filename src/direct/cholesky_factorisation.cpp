#include "direct/cholesky_factorisation.h"

#include "kernels/cholesky_kernel.h"
#include "report/matrix_printing.h"

namespace corvane {
namespace {

void writeNotPositiveDefinite(RecordWriter& out, int n, int j, float radicand) {
    const int w = WIDTH(n + 1);
    out.write("(/, a)", {" * Matricea nu este pozitiv definita:"});
    out.write(formatList("(a, i<>, a, i<>, a, i<>, a, 1pg15.7)", w, w, w),
              {" Linia ", j, ": s(", j, ",", j, ") =", radicand});
}

}  // namespace

int SUB_CHOLESKY_S(int n, RealVector& A, RecordWriter& report, RecordWriter& console) {
    if (n < 1) return 0;
    const CholeskyOutcome outcome = factorPackedCholesky(n, A.data());
    if (outcome.failedRow == 0) return 0;
    writeNotPositiveDefinite(console, n, outcome.failedRow, outcome.radicand);
    writeNotPositiveDefinite(report, n, outcome.failedRow, outcome.radicand);
    return -1;
}

void FORWARD(int n, const RealVector& S, float* B) { solvePackedCholesky(n, S.data(), B, 1, true, false); }

void BACK(int n, const RealVector& S, float* B) { solvePackedCholesky(n, S.data(), B, 1, false, true); }

void solveColumnsWithFactor(int n, const RealVector& S, RealMatrix& B, int nb) {
    solvePackedCholesky(n, S.data(), B.data(), nb, true, true);
}

}  // namespace corvane
