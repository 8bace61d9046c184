#include "report/matrix_printing.h"

#include <cmath>

namespace corvane {

int IMAXV(int n, const float* v) {
    float largest = -INFINITY;
    for (int i = 0; i < n; ++i) {
        float magnitude = std::fabs(v[i]);
        if (magnitude > largest) largest = magnitude;
    }
    for (int i = 0; i < n; ++i) {
        if (std::fabs(v[i]) == largest) return i + 1;
    }
    return 0;
}

void PRINTA(RecordWriter& out, int n, int nb, MatrixColumns A, const RealMatrix& B, bool printB,
            RunProgress* progress) {
    const bool blankRows = n >= 6 && n % 5 == 0;
    out.write("(/, a)", {"Matricea A"});
    for (int i = 1; i <= n; ++i) {
        stepBoundary(progress, RunPhase::Printing, i - 1, n);
        const MatrixColumns::Run row = A.row(i);
        out.writeListReals(row.first, n, row.stride);
        if (blankRows) out.writeList();
    }
    if (!printB) return;
    out.write("(/, a)", {"Termenii liberi b"});
    for (int k = 1; k <= nb; ++k) {
        stepBoundary(progress, RunPhase::Printing, k - 1, nb);
        out.writeListReals(B.column(k), n);
        if (blankRows) out.writeList();
    }
}

}  // namespace corvane
