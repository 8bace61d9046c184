#include "direct/cholesky_method.h"

#include "direct/cholesky_factorisation.h"
#include "direct/solution_blocks.h"
#include "report/matrix_printing.h"
#include "report/solution_check.h"

namespace corvane {
namespace {

bool packedInputAvailable(const ProblemState& s) {
    return s.n >= 1 && s.AV_INPUT.has_value() && s.AV_INPUT->size() == s.n * (s.n + 1) / 2;
}

// Releases the factorised triangle however the run ends.
class PackedTriangleRelease {
public:
    explicit PackedTriangleRelease(ProblemState& s) : state_(s) {}
    ~PackedTriangleRelease() { state_.AV.reset(); }
    PackedTriangleRelease(const PackedTriangleRelease&) = delete;
    PackedTriangleRelease& operator=(const PackedTriangleRelease&) = delete;

private:
    ProblemState& state_;
};

// Row i of S, s(i,i..n), one list-directed record each; then the determinant.
void writeFactorAndDeterminant(RecordWriter& out, int n, const RealVector& S, RunProgress* progress) {
    out.write("(a)", {" Matricea S"});
    RealVector row(n);
    for (int i = 1; i <= n; ++i) {
        stepBoundary(progress, RunPhase::Printing, i - 1, n);
        for (int j = i; j <= n; ++j) row(j - i + 1) = S(LOCA(i, j));
        out.writeListReals(row.data(), n - i + 1);
    }
    float diagonalProduct = 1.0f;
    for (int i = 1; i <= n; ++i) diagonalProduct = diagonalProduct * S(LOCA(i, i));
    out.writeList();
    out.writeList({"Determinant =", diagonalProduct * diagonalProduct});
}

}  // namespace

std::string_view choleskyPrecheck(const ProblemState& state) {
    return packedInputAvailable(state) ? std::string_view() : kCholeskyNeedsPackedInput;
}

void CHOLESKY_S(RunContext& context) {
    ProblemState& s = context.state;
    if (!packedInputAvailable(s)) return;
    RecordWriter& out = context.report;
    s.AV = *s.AV_INPUT;
    PackedTriangleRelease release(s);
    RealVector& AV = *s.AV;

    // The matrix as read stays in AV_INPUT for the echo and the check; the
    // right-hand sides are kept as given.
    const RealVector& A0 = *s.AV_INPUT;
    const RightHandSidesAsGiven B0(s.B);
    if (s.TIPAR_MATRICE) PRINTA(out, s.n, s.nb, MatrixColumns(s.n, A0), s.B, s.SISTEM, context.progress);

    stepBoundary(context.progress, RunPhase::Factorisation, 0, s.n);
    if (SUB_CHOLESKY_S(s.n, AV, out, context.console, context.progress, context.steps) < 0) return;
    stepBoundary(context.progress, RunPhase::Factorisation, s.n, s.n);
    if (context.factors != nullptr) context.factors->choleskyFactorReady(s.n, A0, AV);

    out.writeList();
    if (s.TIPAR_DETERMINANT) writeFactorAndDeterminant(out, s.n, AV, context.progress);
    solveColumnsWithFactor(s.n, AV, s.B, s.nb, context.progress, context.steps);

    if (s.INVERSARE) out.write("(/, a)", {"Matricea Inversa"});
    else out.write("(a)");
    writeSolutionBlocks(out, s, context.progress);
    if (context.solutions != nullptr) context.solutions->solutionsReady(s.B);
    if (s.VERIF_MAXIM || s.VERIF_ECUATII) PROBA(out, s.n, s.nb, MatrixColumns(s.n, A0), B0, s.B, s.SISTEM, s.VERIF_ECUATII,
                                               context.progress);
}

}  // namespace corvane
