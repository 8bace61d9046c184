#include "direct/lu_method.h"

#include <string>
#include <vector>

#include "direct/lu_factorisation.h"
#include "direct/solution_blocks.h"
#include "report/matrix_printing.h"
#include "report/solution_check.h"

namespace corvane {
namespace {

constexpr std::string_view kNotFeasible = "U-diagonal < Prag. Descompunerea LU nu e fezabila.";

void reportNotFeasible(RunContext& context) {
    context.console.writeList({kNotFeasible});
    context.report.write("(/, a)", {" " + std::string(kNotFeasible)});
}

void solveEveryColumn(RunContext& context, const LuPermutation& rows) {
    ProblemState& s = context.state;
    solveColumnsWithFactors(s.A, s.B, s.n, s.nb, rows.ORDER, context.progress, context.steps);
    if (s.nb >= 1) {
        context.report.write(formatList("(/, a, i<>)", WIDTH(rows.NR_SCHIMBARI) + 1),
                             {"Numar de schimbari de linii =", rows.NR_SCHIMBARI});
    }
}

// (-1)^exchanges times the product of the diagonal of U, in double precision.
double determinant(const RealMatrix& A, int n, int exchanges) {
    double det = 1.0;
    for (int i = 1; i <= n; ++i) det = det * static_cast<double>(A(i, i));
    if (exchanges % 2 != 0) det = 0.0 - det;
    return det;
}

// L with its unit diagonal and U, each row from column 1, then the determinant.
void writeFactors(RecordWriter& out, const RealMatrix& A, int n, int exchanges, RunProgress* progress) {
    std::vector<Item> row;
    out.write("(/, a)", {"Matricea L"});
    for (int i = 1; i <= n; ++i) {
        stepBoundary(progress, RunPhase::Printing, i - 1, n);
        row.clear();
        for (int j = 1; j < i; ++j) row.push_back(A(i, j));
        row.push_back(1.0f);
        out.write(formatList("(<>g15.7)", i), row);
    }
    out.write("(/, a)", {"Matricea U"});
    for (int i = 1; i <= n; ++i) {
        stepBoundary(progress, RunPhase::Printing, i - 1, n);
        row.clear();
        for (int j = i; j <= n; ++j) row.push_back(A(i, j));
        out.write(formatList("(<>g15.7)", n - i + 1), row);
    }
    out.write("(/, a, 1pE14.6)", {"Determinant(A) =", determinant(A, n, exchanges)});
}

}  // namespace

void LU(RunContext& context) {
    ProblemState& s = context.state;
    RecordWriter& out = context.report;
    if (s.TIPAR_MATRICE) PRINTA(out, s.n, s.nb, s.A, s.B, s.SISTEM, context.progress);

    // The system as given, for the solution check.
    const RealMatrix A0 = s.A;
    const RightHandSidesAsGiven B0(s.B);

    LuPermutation rows;
    stepBoundary(context.progress, RunPhase::Factorisation, 0, s.n);
    if (LUDECOMP(s.A, s.n, rows, out, context.console, context.progress, context.steps) < 0) {
        reportNotFeasible(context);
        return;
    }
    stepBoundary(context.progress, RunPhase::Factorisation, s.n, s.n);
    if (context.factors != nullptr) context.factors->luFactorsReady(s.n, A0, s.A);
    solveEveryColumn(context, rows);
    if (s.TIPAR_DETERMINANT) writeFactors(out, s.A, s.n, rows.NR_SCHIMBARI, context.progress);

    out.write("(a)");
    if (s.INVERSARE) out.write("(/, a)", {"Matricea Inversa"});
    else out.write("(a)");
    writeSolutionBlocks(out, s, context.progress);
    if (context.solutions != nullptr) context.solutions->solutionsReady(s.B);
    PROBA(out, s.n, s.nb, A0, B0, s.B, s.SISTEM, s.VERIF_ECUATII, context.progress);
}

}  // namespace corvane
