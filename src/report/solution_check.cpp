#include "report/solution_check.h"

#include <algorithm>
#include <string>

#include "report/matrix_printing.h"

namespace corvane {
namespace {

// Columns of the differences worked out together: enough for the product's
// tiles to run long, few enough that the check needs no n x nb array. They
// are made a piece at a time, with a step boundary between the pieces, so
// that a stop never waits for a whole block of a large check.
constexpr int kColumnsAtOnce = 192;
constexpr int kColumnsPerPiece = 64;

bool isIdentity(const RealMatrix& B) {
    if (B.empty() || B.rows() != B.cols()) return false;
    for (int k = 1; k <= B.cols(); ++k) {
        const float* column = B.column(k);
        for (int i = 1; i <= B.rows(); ++i) {
            if (column[i - 1] != (i == k ? 1.0f : 0.0f)) return false;
        }
    }
    return true;
}

// Columns first..first+D.cols()-1 of A0*X - B0 into D, each D(i,k) summed
// over j in increasing order (the kernel of product_kernel.h), then B0(i,k)
// subtracted.
void differences(int n, int nb, int first, const MatrixColumns& A0, const RightHandSidesAsGiven& B0, const RealMatrix& X,
                 RealMatrix& D, RunProgress* progress) {
    D.fill(0.0f);
    for (int c = 1; n > 0 && c <= D.cols(); c += kColumnsPerPiece) {
        if (c > 1) stepBoundary(progress, RunPhase::Check, first + c - 2, nb);
        multiplyAdd(n, std::min(kColumnsPerPiece, D.cols() - c + 1), A0, X.column(first + c - 1), X.rows(), D.column(c));
    }
    for (int c = 1; c <= D.cols(); ++c) {
        for (int i = 1; i <= n; ++i) D(i, c) = D(i, c) - B0(i, first + c - 1);
    }
}

}  // namespace

RightHandSidesAsGiven::RightHandSidesAsGiven(const RealMatrix& B) : RightHandSidesAsGiven(B, true) {}

RightHandSidesAsGiven RightHandSidesAsGiven::unchanged(const RealMatrix& B) { return RightHandSidesAsGiven(B, false); }

RightHandSidesAsGiven::RightHandSidesAsGiven(const RealMatrix& B, bool copy) : identity_(isIdentity(B)), matrix_(&B) {
    if (identity_ || !copy) return;
    copy_ = B;
    matrix_ = &copy_;
}

void PROBA(RecordWriter& out, int n, int nb, MatrixColumns A0, const RightHandSidesAsGiven& B0, const RealMatrix& X,
           bool system, bool eachEquation, RunProgress* progress) {
    const std::string label = system ? "(A*x_k -b_k)" : "(A*x_k -e_k)";

    out.write("(//,a)", {" * Proba"});
    const std::string heading = eachEquation ? " Diferente " + label : " Diferenta " + label + ", maxima in modul";
    out.write("(/,a)", {heading});
    out.write("(a)", {system ? " (b_k = termenul liber nr. 'k')" : " (e_k = coloana 'k' a matricii unitate)"});

    const int wn = WIDTH(n);
    const RuntimeFormat equationFormat = formatList("(i<>, t<>, 1pg15.7)", wn + 1, wn + 4);
    RealMatrix D;
    for (int k = 1; k <= nb; ++k) {
        stepBoundary(progress, RunPhase::Check, k - 1, nb);
        const int c = (k - 1) % kColumnsAtOnce + 1;  // column k of the differences is column c of D
        if (c == 1) {
            D = RealMatrix(n, std::min(kColumnsAtOnce, nb - k + 1));
            differences(n, nb, k, A0, B0, X, D, progress);
        }
        out.write("(/, a, i0, a)", {system ? " Solutia nr. " : " Coloana nr. ", k, ":"});
        if (eachEquation) {
            for (int i = 1; i <= n; ++i) out.write(equationFormat, {i, D(i, c)});
            out.write("(/, a, \\)", {" Diferenta maxima in modul:"});
        }
        int l = IMAXV(n, D.column(c));
        if (l < 1) l = 1;
        const float largest = n >= 1 ? D(l, c) : 0.0f;
        out.write(formatList("(1pg15.7, a, i<>)", WIDTH(l) + 1), {largest, "; ecuatia", l});
    }
}

}  // namespace corvane
