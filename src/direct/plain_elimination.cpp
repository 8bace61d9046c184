#include "direct/plain_elimination.h"

#include <cmath>
#include <utility>
#include <vector>

namespace corvane {
namespace {

int pivotRow(const RealMatrix& A, int n, int k) {
    float pivot = A(k, k);
    int row = k;
    for (int i = k + 1; i <= n; ++i) {
        if (std::fabs(A(i, k)) > std::fabs(pivot)) {
            pivot = A(i, k);
            row = i;
        }
    }
    return row;
}

void exchangeRows(RealMatrix& A, RealMatrix& B, int n, int nb, int k, int l) {
    for (int j = 1; j <= n; ++j) std::swap(A(k, j), A(l, j));
    for (int j = 1; j <= nb; ++j) std::swap(B(k, j), B(l, j));
}

// The multipliers of one step and the rows they updated, for the listener:
// made only when there is one.
struct StepRows {
    explicit StepRows(int n, bool wanted)
        : multipliers(wanted ? static_cast<std::size_t>(n) : 0), updated(multipliers.size()) {}
    void note(int offset, float m) {
        if (multipliers.empty()) return;
        multipliers[static_cast<std::size_t>(offset)] = m;
        updated[static_cast<std::size_t>(offset)] = 1;
    }
    std::vector<float> multipliers;
    std::vector<unsigned char> updated;
};

void eliminateBelow(RealMatrix& A, RealMatrix& B, int n, int nb, int k, StepRows& rows) {
    for (int i = k + 1; i <= n; ++i) {
        if (A(i, k) == 0.0f) continue;
        const float m = A(i, k) / A(k, k);
        for (int j = k + 1; j <= n; ++j) A(i, j) = A(i, j) - m * A(k, j);
        for (int j = 1; j <= nb; ++j) B(i, j) = B(i, j) - m * B(k, j);
        A(i, k) = m;
        rows.note(i - k - 1, m);
    }
}

void eliminationStep(RealMatrix& A, RealMatrix& B, int n, int nb, int k, int l, StepListener* steps) {
    StepRows rows(n - k, steps != nullptr);
    const float pivot = A(k, k);  // found in row l, now in row k
    eliminateBelow(A, B, n, nb, k, rows);
    MethodStep step{{StepKind::Elimination, k, l}};
    step.result = pivot;
    step.values = rows.multipliers;
    step.updated = rows.updated;
    step.A = &A;
    step.B = &B;
    tellStep(steps, step);
}

EliminationOutcome smallPivot(const RealMatrix& A, const RealMatrix& B, int k, int l, float threshold,
                              StepListener* steps) {
    MethodStep step{{StepKind::SmallPivot, k, l}};
    step.result = A(l, k);
    step.threshold = threshold;
    step.A = &A;
    step.B = &B;
    tellStep(steps, step);
    return {k, A(l, k)};
}

void backSubstitute(const RealMatrix& A, RealMatrix& B, int n, int nb, StepListener* steps) {
    for (int j = 1; j <= nb; ++j) {
        MethodStep step{{StepKind::BackSubstitution, 0, n, 0, j}};
        step.A = &A;
        step.B = &B;
        step.vector = {B.column(j), static_cast<std::size_t>(n)};
        step.operand = B(n, j);
        step.divisor = A(n, n);
        B(n, j) = B(n, j) / A(n, n);
        step.result = B(n, j);
        tellStep(steps, step);
        for (int i = n - 1; i >= 1; --i) {
            float s = 0.0f;
            for (int l = i + 1; l <= n; ++l) s = s + A(i, l) * B(l, j);
            step.row = i;
            step.operand = B(i, j);
            step.sum = s;
            step.divisor = A(i, i);
            B(i, j) = (B(i, j) - s) / A(i, i);
            step.result = B(i, j);
            tellStep(steps, step);
        }
    }
}

}  // namespace

EliminationOutcome plainEliminateAndSolve(int n, int nb, RealMatrix& A, RealMatrix& B, float threshold,
                                          int& interchanges, StepListener* steps) {
    for (int k = 1; k <= n - 1; ++k) {
        const int l = pivotRow(A, n, k);
        if (std::fabs(A(l, k)) < threshold) return smallPivot(A, B, k, l, threshold, steps);
        if (l != k) {
            ++interchanges;
            exchangeRows(A, B, n, nb, k, l);
        }
        eliminationStep(A, B, n, nb, k, l, steps);
    }
    if (std::fabs(A(n, n)) < threshold) return smallPivot(A, B, n, n, threshold, steps);
    backSubstitute(A, B, n, nb, steps);
    return {};
}

}  // namespace corvane
