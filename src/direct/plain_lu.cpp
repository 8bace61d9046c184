#include "direct/plain_lu.h"

#include <cmath>
#include <utility>
#include <vector>

namespace corvane {
namespace {

double innerProduct(const RealMatrix& A, int r, int c, int count) {
    double sum = 0.0;
    for (int l = 1; l <= count; ++l) sum += static_cast<double>(A(r, l)) * static_cast<double>(A(l, c));
    return sum;
}

void swapRows(int n, RealMatrix& A, Vector<int>& order, int i, int j) {
    for (int c = 1; c <= n; ++c) std::swap(A(i, c), A(j, c));
    std::swap(order(i), order(j));
}

float candidateInPlace(const RealMatrix& A, int k) {
    return static_cast<float>(static_cast<double>(A(k, k)) - innerProduct(A, k, k, k - 1));
}

// A step of the factorisation as the listener sees it, on A and the order.
MethodStep factorStep(StepKind kind, int row, int column, const RealMatrix& A, const Vector<int>& order) {
    MethodStep step{{kind, column, row, column}};
    step.A = &A;
    step.order = {order.data(), static_cast<std::size_t>(order.size())};
    return step;
}

// Every row i >= k tried in the pivot position, then exchanged back.
void searchPivot(RealMatrix& A, int n, Vector<int>& order, int k, int& exchanges, StepListener* steps) {
    std::vector<float> candidates;
    float best = 0.0f;
    int bestRow = k;
    for (int i = k; i <= n; ++i) {
        if (i > k) swapRows(n, A, order, k, i);
        const float candidate = k == 1 ? A(1, 1) : candidateInPlace(A, k);
        if (steps != nullptr) candidates.push_back(candidate);
        if (std::fabs(candidate) > std::fabs(best)) {
            bestRow = i;
            best = candidate;
        }
        if (i > k) swapRows(n, A, order, i, k);
    }
    if (bestRow > k) {
        swapRows(n, A, order, k, bestRow);
        ++exchanges;
    }
    MethodStep step = factorStep(StepKind::LuPivotSearch, bestRow, k, A, order);
    step.result = best;
    step.values = candidates;
    tellStep(steps, step);
}

LuOutcome smallDiagonal(const RealMatrix& A, const Vector<int>& order, int j, float threshold, StepListener* steps) {
    MethodStep step = factorStep(StepKind::LuSmallDiagonal, j, j, A, order);
    step.result = A(j, j);
    step.threshold = threshold;
    tellStep(steps, step);
    return {j, A(j, j)};
}

void upperEntry(RealMatrix& A, const Vector<int>& order, int j, int c, StepListener* steps) {
    MethodStep step = factorStep(StepKind::LuUpper, j, c, A, order);
    step.operand = A(j, c);
    step.sum = innerProduct(A, j, c, j - 1);
    A(j, c) = static_cast<float>(static_cast<double>(step.operand) - step.sum);
    step.result = A(j, c);
    tellStep(steps, step);
}

void lowerEntry(RealMatrix& A, const Vector<int>& order, int r, int j, StepListener* steps) {
    MethodStep step = factorStep(StepKind::LuLower, r, j, A, order);
    step.operand = A(r, j);
    step.divisor = A(j, j);
    if (j == 1) {
        A(r, 1) = A(r, 1) / A(1, 1);  // the first column of L in single precision
    } else {
        step.sum = innerProduct(A, r, j, j - 1);
        A(r, j) = static_cast<float>((static_cast<double>(step.operand) - step.sum) / static_cast<double>(A(j, j)));
    }
    step.result = A(r, j);
    tellStep(steps, step);
}

}  // namespace

LuOutcome plainFactorLu(int n, RealMatrix& A, Vector<int>& order, float threshold, int& exchanges,
                        StepListener* steps) {
    order = Vector<int>(n);
    for (int i = 1; i <= n; ++i) order(i) = i;
    searchPivot(A, n, order, 1, exchanges, steps);
    if (std::fabs(A(1, 1)) < threshold) return smallDiagonal(A, order, 1, threshold, steps);
    for (int i = 2; i <= n; ++i) lowerEntry(A, order, i, 1, steps);
    for (int j = 2; j <= n; ++j) {
        if (j < n) searchPivot(A, n, order, j, exchanges, steps);
        for (int c = j; c <= n; ++c) upperEntry(A, order, j, c, steps);
        if (std::fabs(A(j, j)) < threshold) return smallDiagonal(A, order, j, threshold, steps);
        for (int r = j + 1; r <= n; ++r) lowerEntry(A, order, r, j, steps);
    }
    return {};
}

void plainSolveLu(int n, const RealMatrix& A, const Vector<int>& order, const float* b, float* x,
                  StepListener* steps, int rhs) {
    auto X = [x](int i) -> float& { return x[i - 1]; };
    MethodStep step{{StepKind::LuForward, 0, 0, 0, rhs}};
    step.A = &A;
    step.order = {order.data(), static_cast<std::size_t>(order.size())};
    step.vector = {x, static_cast<std::size_t>(n)};
    for (int i = 1; i <= n; ++i) X(i) = b[order(i) - 1];
    for (int i = 2; i <= n; ++i) {
        double sum = 0.0;
        for (int j = 1; j < i; ++j) sum += static_cast<double>(A(i, j)) * static_cast<double>(X(j));
        step.row = i;
        step.operand = X(i);
        step.sum = sum;
        X(i) = static_cast<float>(static_cast<double>(X(i)) - sum);
        step.result = X(i);
        tellStep(steps, step);
    }
    step.kind = StepKind::LuBack;
    step.row = n;
    step.operand = X(n);
    step.sum = 0.0;
    step.divisor = A(n, n);
    X(n) = X(n) / A(n, n);
    step.result = X(n);
    tellStep(steps, step);
    for (int i = n - 1; i >= 1; --i) {
        double sum = 0.0;
        for (int j = i + 1; j <= n; ++j) sum += static_cast<double>(A(i, j)) * static_cast<double>(X(j));
        step.row = i;
        step.operand = X(i);
        step.sum = sum;
        step.divisor = A(i, i);
        X(i) = static_cast<float>((static_cast<double>(X(i)) - sum) / static_cast<double>(A(i, i)));
        step.result = X(i);
        tellStep(steps, step);
    }
}

}  // namespace corvane
