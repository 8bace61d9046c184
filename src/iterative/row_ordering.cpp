#include "iterative/row_ordering.h"

#include <cmath>
#include <vector>

#include "report/matrix_printing.h"

namespace corvane {
namespace {

void interchangeRows(int n, int nb, RealMatrix& A, RealMatrix& B, int k, int r) {
    std::vector<float> rowA(static_cast<std::size_t>(n));
    std::vector<float> rowB(static_cast<std::size_t>(nb > 0 ? nb : 0));
    for (int j = 1; j <= n; ++j) rowA[static_cast<std::size_t>(j - 1)] = A(k, j);
    for (int j = 1; j <= nb; ++j) rowB[static_cast<std::size_t>(j - 1)] = B(k, j);
    for (int j = 1; j <= n; ++j) A(k, j) = A(r, j);
    for (int j = 1; j <= nb; ++j) B(k, j) = B(r, j);
    for (int j = 1; j <= n; ++j) A(r, j) = rowA[static_cast<std::size_t>(j - 1)];
    for (int j = 1; j <= nb; ++j) B(r, j) = rowB[static_cast<std::size_t>(j - 1)];
}

void printScaledSystem(RecordWriter& out, int n, int nb, const RealMatrix& A, const RealMatrix& B) {
    out.write("(/, a)", {"Matricea A - scalata"});
    for (int i = 1; i <= n; ++i) out.writeListReals(&A(i, 1), n, n);
    out.write("(/, a)", {"Termenii liberi b - scalati"});
    for (int i = 1; i <= n; ++i) out.writeListReals(&B(i, 1), nb, n);
}

}  // namespace

int PIVOTARE(RecordWriter& out, int n, int nb, RealMatrix& A, RealMatrix& B, float prag, int k, int& count,
             StepListener* steps) {
    MethodStep step{{StepKind::RowOrdering, k, k, k}};
    step.operand = A(k, k);
    step.threshold = prag;
    step.A = &A;
    step.B = &B;
    float p = A(k, k);
    int r = k;
    for (int j = k + 1; j <= n; ++j) {
        if (std::fabs(A(j, k)) > std::fabs(p)) {
            p = A(j, k);
            r = j;
        }
    }
    step.row = r;
    step.result = p;
    if (prag > std::fabs(p)) {
        out.write("(/, a, i0, a, 1pg15.7)", {" Linia ", k, ": Pivot =", p});
        step.kind = StepKind::RowOrderingFailed;
        tellStep(steps, step);
        return -1;
    }
    if (r != k) {
        interchangeRows(n, nb, A, B, k, r);
        ++count;
        tellStep(steps, step);
    }
    return 0;
}

bool orderRowsForIteration(RunContext& context) {
    ProblemState& state = context.state;
    int count = 0;
    for (int i = 1; i <= state.n; ++i) {
        if (std::fabs(state.A(i, i)) < PRAG &&
            PIVOTARE(context.report, state.n, state.nb, state.A, state.B, PRAG, i, count, context.steps) < 0) {
            context.report.writeList({"Pivot < prag, linia:", i});
            context.console.writeList({"Pivot < prag, linia:", i});
            return false;
        }
    }
    context.report.write(formatList("(/, a, i<>)", WIDTH(state.n)), {"Numar de schimbari de linii: ", count});
    return true;
}

void scaleByDiagonal(RunContext& context) {
    ProblemState& state = context.state;
    const int n = state.n;
    RealMatrix& A = state.A;
    RealMatrix& B = state.B;
    std::vector<float> diagonal;
    if (context.steps != nullptr) {
        for (int i = 1; i <= n; ++i) diagonal.push_back(A(i, i));
    }
    for (int k = 1; k <= state.nb; ++k) {
        for (int i = 1; i <= n; ++i) B(i, k) = B(i, k) / A(i, i);
    }
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (j != i) A(i, j) = A(i, j) / A(i, i);
        }
        A(i, i) = 1.0f;
    }
    MethodStep step{{StepKind::DiagonalScaling}};
    step.values = diagonal;
    step.A = &A;
    step.B = &B;
    tellStep(context.steps, step);
    if (state.TIPAR_MATRICE) printScaledSystem(context.report, n, state.nb, A, B);
}

}  // namespace corvane
