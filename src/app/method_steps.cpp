#include "app/method_steps.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "app/dispatcher.h"
#include "app/step_texts.h"
#include "textio/record_sink.h"

namespace corvane {
namespace {

// Compared as bits, so that -0 differs from 0 and a NaN equals itself.
// (memcmp rather than std::bit_cast, which the browser build's C++ library lacks.)
bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

template <typename T>
void exchangeRows(Matrix<T>& M, int a, int b) {
    if (a == 0 || M.empty()) return;
    for (int j = 1; j <= M.cols(); ++j) std::swap(M(a, j), M(b, j));
}

// Marks every cell of M whose bits differ from `before`'s.
void markDifferences(const RealMatrix& before, const RealMatrix& after, MarkMatrix& marks) {
    for (int j = 1; j <= after.cols(); ++j)
        for (int i = 1; i <= after.rows(); ++i)
            if (!sameBits(before(i, j), after(i, j))) marks(i, j) |= kChangedMark;
}

void markRows(MarkMatrix& marks, int row, int fromColumn, int toColumn, std::uint8_t mark) {
    for (int j = fromColumn; j <= toColumn; ++j) marks(row, j) |= mark;
}

void markColumn(MarkMatrix& marks, int column, int fromRow, int toRow, std::uint8_t mark) {
    for (int i = fromRow; i <= toRow; ++i) marks(i, column) |= mark;
}

bool isFactorStepOfLu(StepKind kind) {
    return kind == StepKind::LuPivotSearch || kind == StepKind::LuUpper || kind == StepKind::LuLower ||
           kind == StepKind::LuSmallDiagonal;
}

bool writesRightHandSide(StepKind kind) {
    switch (kind) {
        case StepKind::BackSubstitution:
        case StepKind::LuForward:
        case StepKind::LuBack:
        case StepKind::CholeskyForward:
        case StepKind::CholeskyBack: return true;
        default: return false;
    }
}

// The cells the step's formula reads, beside those it writes.
void markUsed(Step& step, int n) {
    const int i = step.row;
    const int j = step.column;
    const int r = step.rhs;
    switch (step.kind) {
        case StepKind::LuUpper:  // u(i,j) from l(i,1..i-1) and u(1..i-1,j)
            markRows(step.marksA, i, 1, i - 1, kUsedMark);
            markColumn(step.marksA, j, 1, i - 1, kUsedMark);
            break;
        case StepKind::LuLower:  // l(i,j) from l(i,1..j-1), u(1..j,j)
            markRows(step.marksA, i, 1, j - 1, kUsedMark);
            markColumn(step.marksA, j, 1, j, kUsedMark);
            break;
        case StepKind::CholeskyDiagonal:  // s(i,i) from s(1..i-1,i)
        case StepKind::CholeskyNotPositive:
            markColumn(step.marksA, i, 1, i - 1, kUsedMark);
            break;
        case StepKind::CholeskyEntry:  // s(i,j) from s(1..i,i) and s(1..i-1,j)
            markColumn(step.marksA, i, 1, i, kUsedMark);
            markColumn(step.marksA, j, 1, i - 1, kUsedMark);
            break;
        case StepKind::BackSubstitution:
        case StepKind::LuBack:  // x(i) from u(i,i..n) and x(i+1..n)
            markRows(step.marksA, i, i, n, kUsedMark);
            markColumn(step.marksB, r, i + 1, n, kUsedMark);
            break;
        case StepKind::LuForward:  // y(i) from l(i,1..i-1) and y(1..i-1)
            markRows(step.marksA, i, 1, i - 1, kUsedMark);
            markColumn(step.marksB, r, 1, i - 1, kUsedMark);
            break;
        case StepKind::CholeskyForward:  // y(i) from s(1..i,i) and y(1..i-1)
            markColumn(step.marksA, i, 1, i, kUsedMark);
            markColumn(step.marksB, r, 1, i - 1, kUsedMark);
            break;
        case StepKind::CholeskyBack:  // x(i) from s(i,i..n) and x(i+1..n)
            markRows(step.marksA, i, i, n, kUsedMark);
            markColumn(step.marksB, r, i + 1, n, kUsedMark);
            break;
        default: break;
    }
}

void markPivotSearch(Step& step, int n) {
    switch (step.kind) {
        case StepKind::Elimination:
        case StepKind::RowOrdering:
            markColumn(step.marksA, step.k, step.k, n, kSearchedMark);
            step.marksA(step.k, step.k) |= kPivotMark;
            break;
        case StepKind::LuPivotSearch:  // the candidates stand beside the rows; u(k,k) is written later but u(1,1)
            markColumn(step.marksA, step.k, step.k, n, kSearchedMark);
            if (step.k == 1) step.marksA(1, 1) |= kPivotMark;
            break;
        case StepKind::LuUpper:
            if (step.row == step.column) step.marksA(step.row, step.row) |= kPivotMark;
            break;
        case StepKind::SmallPivot:
        case StepKind::RowOrderingFailed:
            markColumn(step.marksA, step.k, step.k, n, kSearchedMark);
            step.marksA(step.row, step.k) |= kPivotMark;
            break;
        case StepKind::LuSmallDiagonal: step.marksA(step.k, step.k) |= kPivotMark; break;
        default: break;
    }
}

// The notes beside the rows: the multipliers of an elimination step, the
// candidates of a pivot search where their rows now stand, the divisors of
// the scaling.
void noteRows(const MethodStep& event, Step& step, int n) {
    step.notes.assign(static_cast<std::size_t>(n), RowNote{});
    auto note = [&](int row) -> RowNote& { return step.notes[static_cast<std::size_t>(row - 1)]; };
    switch (event.kind) {
        case StepKind::Elimination:
            for (int i = event.k + 1; i <= n; ++i) {
                const auto at = static_cast<std::size_t>(i - event.k - 1);
                note(i) = event.updated[at] != 0 ? RowNote{RowNoteKind::Multiplier, event.values[at]}
                                                 : RowNote{RowNoteKind::LeftAlone, 0.0f};
            }
            break;
        case StepKind::LuPivotSearch:
            for (int i = event.k; i <= n; ++i) {
                // The chosen row and row k changed places.
                const int from = i == event.k ? event.row : i == event.row ? event.k : i;
                note(i) = {RowNoteKind::Candidate, event.values[static_cast<std::size_t>(from - event.k)]};
            }
            break;
        case StepKind::DiagonalScaling:
            for (int i = 1; i <= n; ++i) note(i) = {RowNoteKind::Divisor, event.values[static_cast<std::size_t>(i - 1)]};
            break;
        default: break;
    }
}

}  // namespace

StepRecorder::StepRecorder(const ProblemState& run) : run_(run) {
    const int n = run.n;
    steps_.method = run.IMETODA;
    steps_.inverse = run.INVERSARE;
    steps_.n = n;
    steps_.nb = run.nb;
    Step first;
    first.A = RealMatrix(n, n);
    first.marksA = MarkMatrix(n, n);
    if (run.IMETODA == Method::Cholesky) {
        for (int j = 1; j <= n; ++j) {
            for (int i = 1; i <= n; ++i) {
                if (i > j) first.marksA(i, j) = kEmptyMark;
                else if (run.AV_INPUT && run.AV_INPUT->size() >= LOCA(i, j)) first.A(i, j) = (*run.AV_INPUT)(LOCA(i, j));
            }
        }
    } else {
        first.A = run.A;
    }
    first.B = run.B;
    readB_ = run.B;
    first.marksB = MarkMatrix(n, run.nb);
    if (isIterative(run.IMETODA)) {
        first.X = RealMatrix(n, run.nb);
        first.marksX = MarkMatrix(n, run.nb);
        first.marksX.fill(kEmptyMark);
    }
    if (run.IMETODA == Method::Lu) {
        for (int i = 1; i <= n; ++i) first.order.push_back(i);
    }
    first.notes.assign(static_cast<std::size_t>(n), RowNote{});
    stored_ = MarkMatrix(n, n);
    steps_.steps.push_back(std::move(first));
}

const MethodSteps& StepRecorder::steps() {
    steps_.eps = run_.EPS;
    steps_.nlim = run_.NLIM;
    steps_.omega = run_.OMEGA;
    return steps_;
}

void StepRecorder::stepDone(const MethodStep& event) {
    const Step& before = steps_.steps.back();
    Step step;
    static_cast<StepNumbers&>(step) = event;
    step.values.assign(event.values.begin(), event.values.end());
    step.A = before.A;
    step.B = before.B;
    step.X = before.X;
    step.order = before.order;
    takeArrays(event, step);
    markStep(before, step);
    noteRows(event, step, steps_.n);
    steps_.steps.push_back(std::move(step));
}

void StepRecorder::takeArrays(const MethodStep& event, Step& step) const {
    const int n = steps_.n;
    if (event.packed != nullptr) {
        for (int j = 1; j <= n; ++j)
            for (int i = 1; i <= j; ++i) step.A(i, j) = (*event.packed)(LOCA(i, j));
    } else if (event.A != nullptr) {
        step.A = *event.A;
    }
    if (event.B != nullptr) step.B = *event.B;
    if (!event.order.empty()) step.order.assign(event.order.begin(), event.order.end());
    if (isFactorStepOfLu(event.kind)) {
        // The right-hand sides follow the rows of A until they are solved.
        for (int c = 1; c <= steps_.nb; ++c)
            for (int i = 1; i <= n; ++i) step.B(i, c) = readB_(step.order[static_cast<std::size_t>(i - 1)], c);
    }
    if (event.vector.empty()) return;
    RealMatrix& target = event.kind == StepKind::Sweep ? step.X : step.B;
    for (int i = 1; i <= n; ++i) target(i, event.rhs) = event.vector[static_cast<std::size_t>(i - 1)];
}

void StepRecorder::markStep(const Step& before, Step& step) {
    const int n = steps_.n;
    const int nb = steps_.nb;
    step.marksA = MarkMatrix(n, n);
    step.marksB = MarkMatrix(n, nb);
    if (!step.X.empty()) step.marksX = before.marksX;
    for (int j = 1; j <= step.marksX.cols(); ++j)
        for (int i = 1; i <= n; ++i) step.marksX(i, j) &= kEmptyMark;

    const bool exchanges = step.kind == StepKind::Elimination || step.kind == StepKind::LuPivotSearch ||
                           step.kind == StepKind::RowOrdering;
    if (exchanges && step.row != step.k) {
        step.exchanged[0] = step.k;
        step.exchanged[1] = step.row;
    }
    exchangeRows(stored_, step.exchanged[0], step.exchanged[1]);
    if (step.kind == StepKind::Elimination) {
        for (int i = step.k + 1; i <= n; ++i) stored_(i, step.k) = 1;
    }
    if (step.kind == StepKind::LuLower) stored_(step.row, step.column) = 1;

    RealMatrix A = before.A;
    RealMatrix B = before.B;
    exchangeRows(A, step.exchanged[0], step.exchanged[1]);
    exchangeRows(B, step.exchanged[0], step.exchanged[1]);
    markDifferences(A, step.A, step.marksA);
    markDifferences(B, step.B, step.marksB);
    switch (step.kind) {
        case StepKind::LuUpper:
        case StepKind::LuLower:
        case StepKind::CholeskyDiagonal:
        case StepKind::CholeskyEntry: step.marksA(step.row, step.column) |= kChangedMark; break;
        case StepKind::Sweep:
            markColumn(step.marksX, step.rhs, 1, n, kChangedMark);
            for (int i = 1; i <= n; ++i) step.marksX(i, step.rhs) &= static_cast<std::uint8_t>(~kEmptyMark);
            break;
        default:
            if (writesRightHandSide(step.kind)) step.marksB(step.row, step.rhs) |= kChangedMark;
            break;
    }
    markPivotSearch(step, n);
    markUsed(step, n);
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) {
            if (stored_(i, j) != 0) step.marksA(i, j) |= kStoredMark;
            if (steps_.method == Method::Cholesky && i > j) step.marksA(i, j) = kEmptyMark;
        }
    }
}

std::vector<StepCell> stepRow(const Step& step, int i) {
    std::vector<StepCell> cells;
    for (int j = 1; j <= step.A.cols(); ++j) cells.push_back({step.A(i, j), step.marksA(i, j), false});
    for (int j = 1; j <= step.B.cols(); ++j) cells.push_back({step.B(i, j), step.marksB(i, j), j == 1});
    for (int j = 1; j <= step.X.cols(); ++j) cells.push_back({step.X(i, j), step.marksX(i, j), j == 1});
    return cells;
}

std::vector<std::string> stepColumnNames(const MethodSteps& run) {
    std::vector<std::string> names;
    for (int j = 1; j <= run.n; ++j) names.push_back(std::to_string(j));
    auto block = [&](std::string_view name) {
        for (int j = 1; j <= run.nb; ++j) names.push_back(std::string(name) + (run.nb > 1 ? std::to_string(j) : ""));
    };
    block(run.inverse ? "e" : "b");
    if (isIterative(run.method)) block("x");
    return names;
}

std::string stepsRefusal(const ProblemState& read, int language) {
    const StepsRefusalTexts& texts = stepsRefusalTexts(language);
    if (read.CONDITIE) return std::string(texts.conditionNumber);
    if (read.IMETODA == Method::None) return std::string(texts.noMethod);
    if (read.n > kLargestStepsOrder) return fillIn(texts.orderTooLarge, {read.n, kLargestStepsOrder});
    if (read.SISTEM && read.nb > kMostStepsRightHandSides) {
        return fillIn(texts.tooManyRightHandSides, {read.nb, kMostStepsRightHandSides});
    }
    if (isIterative(read.IMETODA)) {
        ProblemState converted = read;
        READ_EPSNLIMOMEGA(converted);
        if (converted.NLIM > kMostStepsSweeps) return fillIn(texts.tooManySweeps, {converted.NLIM, kMostStepsSweeps});
    }
    return {};
}

RecordedSteps recordMethodSteps(const ProblemState& read, int language) {
    RecordedSteps recorded;
    recorded.refusal = stepsRefusal(read, language);
    if (!recorded.refusal.empty()) return recorded;
    ProblemState run = read;
    DiscardingSink discard;
    RecordWriter report(discard), console(discard);
    LastMessage messages;
    StepRecorder recorder(run);
    RunContext context{run, report, console, messages};
    context.steps = &recorder;
    if (CORVANEAPPLY(context) == SolveOutcome::Refused) {
        recorded.refusal = messages.text();
        return recorded;
    }
    recorded.steps = recorder.steps();
    return recorded;
}

}  // namespace corvane
