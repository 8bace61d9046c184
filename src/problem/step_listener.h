#pragma once
// The working of a method step by step, for whoever follows it (the
// step-by-step window, `corvane steps`): each step says what it did, with
// its numbers and read-only views of the arrays it works on as they stand
// after the step. A method that has a listener runs its plain loops, element
// by element in the textbook's order, which give the bits of its fast
// kernels; without one nothing of this is made.

#include <span>

#include "problem/matrix.h"

namespace corvane {

enum class StepKind {
    DataAsRead,           // no method's step: the arrays before the first one, where a record of the steps starts
    // Gaussian elimination with partial pivoting (the Gauss method).
    Elimination,          // step k: column k searched from row k down, the pivot found in `row` exchanged into
                          // row k when it is another, then each row below updated with its multiplier (`values`)
    SmallPivot,           // step k (n for the last pivot): the pivot `result`, found in `row`, is below `threshold`
    BackSubstitution,     // x(row) of right-hand side `rhs` = (operand - sum) / divisor
    // Compact LU with pivot search.
    LuPivotSearch,        // step k: the candidates u(k,k) of rows k..n (`values`); `row`'s moved into row k
    LuUpper,              // u(row,column) = operand - sum
    LuLower,              // l(row,column) = (operand - sum) / divisor
    LuSmallDiagonal,      // |u(k,k)| = |result| below `threshold`
    LuForward,            // y(row) of right-hand side `rhs` = operand - sum
    LuBack,               // x(row) of right-hand side `rhs` = (operand - sum) / divisor
    // The square-root method on the packed upper triangle.
    CholeskyDiagonal,     // s(row,row) = sqrt(operand - sum)
    CholeskyEntry,        // s(row,column) = (operand - sum) / divisor
    CholeskyNotPositive,  // the radicand of row `row`, operand - sum = result, is not positive
    CholeskyForward,      // y(row) of right-hand side `rhs` = (operand - sum) / divisor
    CholeskyBack,         // x(row) of right-hand side `rhs` = (operand - sum) / divisor
    // Gauss-Seidel and SOR.
    RowOrdering,          // |a(k,k)| = |operand| below `threshold`: `row`, with the largest |a(row,k)| = |result|
                          // below it, exchanged into row k
    RowOrderingFailed,    // no entry at or below a(k,k) reaches `threshold`; the largest is `result`
    DiagonalScaling,      // every equation divided by its diagonal entry (`values`, rows 1..n)
    Sweep,                // sweep k of right-hand side `rhs`: the iterate (`vector`) and its change dx = `result`
};

// What the stop tests made of a sweep's difference.
enum class SweepVerdict {
    Decreasing,     // smaller than the previous one: the sweeps go on
    NotDecreasing,  // the first that did not decrease: the sweeps go on
    Tolerance,      // at most EPS
    Divergence,     // the second that did not decrease, or an iterate that is not finite
    Stagnation,     // equal to the previous one
    Limit,          // still decreasing when NLIM sweeps are used up
};

// What a step did, in numbers.
struct StepNumbers {
    StepKind kind = StepKind::DataAsRead;
    int k = 0;       // the step of the elimination or factorisation, or the sweep
    int row = 0;
    int column = 0;
    int rhs = 0;     // the right-hand side, from 1
    float operand = 0.0f;  // the element the step started from
    double sum = 0.0;      // the sum it took away (LU: accumulated in double precision)
    float divisor = 0.0f;
    float result = 0.0f;   // the value it stored, the rejected pivot, or dx
    float threshold = 0.0f;
    float previous = 0.0f;  // Sweep: the previous difference it was compared with
    SweepVerdict verdict = SweepVerdict::Decreasing;
};

// A step as its method tells it: its numbers, the numbers of its rows and
// the arrays it works on.
struct MethodStep : StepNumbers {
    std::span<const float> values{};         // see StepKind
    std::span<const unsigned char> updated{};  // Elimination: 1 for the rows below k that were updated, 0 for those
                                             // whose entry in column k was already 0
    // What the method works on, after the step.
    const RealMatrix* A = nullptr;
    const RealMatrix* B = nullptr;
    const RealVector* packed = nullptr;  // the packed upper triangle of the square-root method
    std::span<const int> order{};        // LU: the input row now standing in each row
    std::span<const float> vector{};     // the right-hand side being solved, or the iterate of a sweep
};

class StepListener {
public:
    virtual ~StepListener() = default;
    virtual void stepDone(const MethodStep& step) = 0;
};

// Tells `steps`, when there is one.
inline void tellStep(StepListener* steps, const MethodStep& step) {
    if (steps != nullptr) steps->stepDone(step);
}

}  // namespace corvane
