#include "direct/plain_cholesky.h"

#include <cmath>

#include "problem/problem_state.h"

namespace corvane {
namespace {

MethodStep factorStep(StepKind kind, int row, int column, const RealVector& packed) {
    MethodStep step{{kind, row, row, column}};
    step.packed = &packed;
    return step;
}

MethodStep solveStep(StepKind kind, int n, const RealVector& S, float* b, int rhs) {
    MethodStep step{{kind, 0, 0, 0, rhs}};
    step.packed = &S;
    step.vector = {b, static_cast<std::size_t>(n)};
    return step;
}

}  // namespace

CholeskyOutcome plainFactorPackedCholesky(int n, RealVector& A, StepListener* steps) {
    auto s = [&A](int i, int j) -> float& { return A(LOCA(i, j)); };
    for (int j = 1; j <= n; ++j) {
        MethodStep step = factorStep(StepKind::CholeskyDiagonal, j, j, A);
        float squares = 0.0f;
        for (int k = 1; k < j; ++k) squares = squares + s(k, j) * s(k, j);
        step.operand = s(j, j);
        step.sum = squares;
        const float radicand = j == 1 ? s(1, 1) : s(j, j) - squares;
        if (radicand <= 0.0f) {
            step.kind = StepKind::CholeskyNotPositive;
            step.result = radicand;
            tellStep(steps, step);
            return {j, radicand};
        }
        s(j, j) = std::sqrt(radicand);
        step.result = s(j, j);
        tellStep(steps, step);
        for (int i = j + 1; i <= n; ++i) {
            MethodStep entry = factorStep(StepKind::CholeskyEntry, j, i, A);
            float sum = 0.0f;
            for (int k = 1; k < j; ++k) sum = sum + s(k, j) * s(k, i);
            entry.operand = s(j, i);
            entry.sum = sum;
            entry.divisor = s(j, j);
            s(j, i) = j == 1 ? s(1, i) / s(1, 1) : (s(j, i) - sum) / s(j, j);
            entry.result = s(j, i);
            tellStep(steps, entry);
        }
    }
    return {};
}

void plainForward(int n, const RealVector& S, float* B, StepListener* steps, int rhs) {
    auto s = [&S](int i, int j) { return S(LOCA(i, j)); };
    auto y = [B](int i) -> float& { return B[i - 1]; };
    MethodStep step = solveStep(StepKind::CholeskyForward, n, S, B, rhs);
    for (int j = 1; j <= n; ++j) {
        float sum = 0.0f;
        for (int i = 1; i < j; ++i) sum = sum + s(i, j) * y(i);
        step.row = j;
        step.operand = y(j);
        step.sum = sum;
        step.divisor = s(j, j);
        y(j) = j == 1 ? y(1) / s(1, 1) : (y(j) - sum) / s(j, j);
        step.result = y(j);
        tellStep(steps, step);
    }
}

void plainBack(int n, const RealVector& S, float* B, StepListener* steps, int rhs) {
    auto s = [&S](int i, int j) { return S(LOCA(i, j)); };
    auto x = [B](int i) -> float& { return B[i - 1]; };
    MethodStep step = solveStep(StepKind::CholeskyBack, n, S, B, rhs);
    for (int i = n; i >= 1; --i) {
        float sum = 0.0f;
        for (int j = i + 1; j <= n; ++j) sum = sum + s(i, j) * x(j);
        step.row = i;
        step.operand = x(i);
        step.sum = sum;
        step.divisor = s(i, i);
        x(i) = i == n ? x(n) / s(n, n) : (x(i) - sum) / s(i, i);
        step.result = x(i);
        tellStep(steps, step);
    }
}

}  // namespace corvane
