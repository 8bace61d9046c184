#include "direct/gauss.h"

#include "direct/elimination.h"
#include "direct/solution_blocks.h"
#include "report/matrix_printing.h"
#include "report/solution_check.h"

namespace corvane {
namespace {

constexpr float kPivotThreshold = 1.0e-6f;

void writeFactors(RecordWriter& out, const RealMatrix& A, int n, int interchanges, RunProgress* progress) {
    out.write("(/, a)", {"Matricea \"L\":"});
    std::vector<Item> row;
    for (int i = 1; i <= n; ++i) {
        stepBoundary(progress, RunPhase::Printing, i - 1, n);
        row.clear();
        for (int j = 1; j < i; ++j) row.push_back(A(i, j));
        row.push_back(1.0f);
        out.writeList(row);
    }
    out.write("(/, a)", {"Matricea \"U\":"});
    for (int i = 1; i <= n; ++i) {
        stepBoundary(progress, RunPhase::Printing, i - 1, n);
        out.writeListReals(&A(i, i), n - i + 1, n);
    }

    float det = 1.0f;
    for (int i = 1; i <= n; ++i) det = det * A(i, i);
    if (interchanges % 2 != 0) det = 0.0f - det;
    out.write("(/,a, 1pE14.6)", {"Determinant(A) =", det});
}

}  // namespace

void GAUSS(RunContext& context) {
    ProblemState& s = context.state;
    RecordWriter& out = context.report;
    if (s.TIPAR_MATRICE) PRINTA(out, s.n, s.nb, s.A, s.B, s.SISTEM, context.progress);
    const RealMatrix A0 = s.A;
    const RightHandSidesAsGiven B0(s.B);

    int interchanges = 0;
    bool singular = false;
    stepBoundary(context.progress, RunPhase::Elimination, 0, s.n);
    ELIM(out, s.n, s.nb, s.A, s.B, kPivotThreshold, singular, interchanges, context.progress, context.steps);
    if (singular) {
        out.write("(/, a, 1pE8.2,a, /,a)", {"* Pivot <", kPivotThreshold, " !", "* Sistemul nu se poate rezolva."});
        return;
    }
    stepBoundary(context.progress, RunPhase::Elimination, s.n, s.n);
    if (context.factors != nullptr) context.factors->luFactorsReady(s.n, A0, s.A);
    if (s.TIPAR_MATRICE) out.write("(/, a, i0)", {"Nr. de pivotari: ", interchanges});
    if (s.TIPAR_DETERMINANT) writeFactors(out, s.A, s.n, interchanges, context.progress);

    if (s.INVERSARE) out.write("(/, a)", {"Matricea Inversa"});
    else out.write("(a)");
    writeSolutionBlocks(out, s, context.progress);
    if (context.solutions != nullptr) context.solutions->solutionsReady(s.B);
    PROBA(out, s.n, s.nb, A0, B0, s.B, s.SISTEM, s.VERIF_ECUATII, context.progress);
}

}  // namespace corvane
