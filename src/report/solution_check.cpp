#include "report/solution_check.h"

#include <string>

#include "report/matrix_printing.h"

namespace corvane {
namespace {

// D = A0*X - B0, each R(i,k) summed over j in increasing order.
RealMatrix differences(int n, int nb, const RealMatrix& A0, const RealMatrix& B0, const RealMatrix& X) {
    RealMatrix R(n, nb);
    for (int j = 1; j <= n; ++j) {
        for (int k = 1; k <= nb; ++k) {
            const float x = X(j, k);
            for (int i = 1; i <= n; ++i) R(i, k) = R(i, k) + A0(i, j) * x;
        }
    }
    for (int k = 1; k <= nb; ++k) {
        for (int i = 1; i <= n; ++i) R(i, k) = R(i, k) - B0(i, k);
    }
    return R;
}

}  // namespace

void PROBA(RecordWriter& out, int n, int nb, const RealMatrix& A0, const RealMatrix& B0, const RealMatrix& X,
           bool system, bool eachEquation) {
    const RealMatrix D = differences(n, nb, A0, B0, X);
    const std::string label = system ? "(A*x_k -b_k)" : "(A*x_k -e_k)";

    out.write("(//,a)", {" * Proba"});
    const std::string heading = eachEquation ? " Diferente " + label : " Diferenta " + label + ", maxima in modul";
    out.write("(/,a)", {heading});
    out.write("(a)", {system ? " (b_k = termenul liber nr. 'k')" : " (e_k = coloana 'k' a matricii unitate)"});

    const int wn = WIDTH(n);
    const std::string equationFormat = formatList("(i<>, t<>, 1pg15.7)", wn + 1, wn + 4);
    for (int k = 1; k <= nb; ++k) {
        out.write(formatList("(/, a, i<>, a)", WIDTH(k)), {system ? " Solutia nr. " : " Coloana nr. ", k, ":"});
        if (eachEquation) {
            for (int i = 1; i <= n; ++i) out.write(equationFormat, {i, D(i, k)});
            out.write("(/, a, \\)", {" Diferenta maxima in modul:"});
        }
        int l = IMAXV(n, D.column(k));
        if (l < 1) l = 1;
        const float largest = n >= 1 ? D(l, k) : 0.0f;
        out.write(formatList("(1pg15.7, a, i<>)", WIDTH(l) + 1), {largest, "; ecuatia", l});
    }
}

}  // namespace corvane
