#pragma once
// Small systems for the iterative methods, loaded into a run fixture.

#include <string>
#include <vector>

#include "support/run_fixture.h"

namespace corvane::testing {

using Rows = std::vector<std::vector<float>>;

// A(i, j) = rows[i-1][j-1]; right-hand side k is columns[k-1].
inline void setSystem(ProblemState& state, const Rows& rows, const Rows& columns) {
    const int n = static_cast<int>(rows.size());
    const int nb = static_cast<int>(columns.size());
    state.n = n;
    state.nb = nb;
    state.A = RealMatrix(n, n);
    state.B = RealMatrix(n, nb);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) state.A(i, j) = rows[i - 1][j - 1];
        for (int k = 1; k <= nb; ++k) state.B(i, k) = columns[k - 1][i - 1];
    }
    state.DATE_CITITE = true;
}

inline Rows rowsOf(const RealMatrix& M) {
    Rows rows(static_cast<std::size_t>(M.rows()));
    for (int i = 1; i <= M.rows(); ++i) {
        for (int j = 1; j <= M.cols(); ++j) rows[i - 1].push_back(M(i, j));
    }
    return rows;
}

// What a method wrote between the interchange count line and the solution
// check: the histories, the stop lines and the result of every right-hand side.
inline std::string iterationPart(const std::string& report) {
    const std::string countLine = "Numar de schimbari de linii: ";
    std::size_t start = report.find(countLine);
    if (start == std::string::npos) return "<no interchange count>";
    start = report.find("\r\n", start) + 2;
    const std::size_t end = report.find("\r\n\r\n * Proba", start);
    if (end == std::string::npos) return "<no solution check>";
    return report.substr(start, end - start);
}

}  // namespace corvane::testing
