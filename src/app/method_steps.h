#pragma once
// A method's working step by step, as the step-by-step window and `corvane
// steps` show it: the chosen method runs on a copy of the data as read with
// a step listener, and each step keeps the augmented matrix [A | B] as the
// method holds it after the step (and, for Gauss-Seidel and SOR, the iterate
// of each right-hand side), with what the step marks on it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "problem/problem_state.h"
#include "problem/step_listener.h"

namespace corvane {

// The plain loops and every step kept are for small problems only.
inline constexpr int kLargestStepsOrder = 12;
inline constexpr int kMostStepsRightHandSides = 12;
inline constexpr int kMostStepsSweeps = 1000;

// What a step marks on a cell (bits).
enum CellMark : std::uint8_t {
    kPivotMark = 1,     // the pivot the step found
    kSearchedMark = 2,  // searched for the pivot
    kChangedMark = 4,   // written by the step
    kUsedMark = 8,      // read by the step's formula
    kStoredMark = 16,   // a multiplier (an entry of L) kept below the diagonal
    kEmptyMark = 32,    // holds nothing: the lower triangle of a packed matrix, an iterate not begun
};

// What stands beside a row.
enum class RowNoteKind {
    None,
    Multiplier,  // the row took away this multiple of the pivot row
    LeftAlone,   // the row had 0 in the pivot column and was not touched
    Candidate,   // LU: the u(k,k) this row gives in the pivot position
    Divisor,     // SOR: the equation was divided by this diagonal entry
};

struct RowNote {
    RowNoteKind kind = RowNoteKind::None;
    float value = 0.0f;
};

using MarkMatrix = Matrix<std::uint8_t>;

// A step kept: what it did, with its numbers (see MethodStep), and what it
// left.
struct Step : StepNumbers {
    std::vector<float> values;

    // The augmented matrix after the step.
    RealMatrix A;  // n x n; the square-root method's packed upper triangle above an empty lower one
    RealMatrix B;  // n x nb, in the row order of A (LU takes it so when it solves)
    RealMatrix X;  // Gauss-Seidel and SOR: the iterate of each right-hand side; empty otherwise
    MarkMatrix marksA, marksB, marksX;
    int exchanged[2] = {0, 0};   // the two rows the step exchanged, or none
    std::vector<RowNote> notes;  // beside row i: notes[i - 1]
    std::vector<int> order;      // LU: the row of the data as read standing in each row
};

struct MethodSteps {
    Method method = Method::None;
    bool inverse = false;
    int n = 0;
    int nb = 0;
    float eps = 0.0f;
    int nlim = 0;
    float omega = 0.0f;
    std::vector<Step> steps;  // steps[0]: the data as read
};

// One cell of a step's augmented matrix as the views show it.
struct StepCell {
    float value;
    std::uint8_t marks;
    bool startsBlock;  // the first column of B or of the iterates: a rule stands before it
};

// Row i of the step: A's n cells, B's nb, then the iterates' nb (Gauss-Seidel, SOR).
std::vector<StepCell> stepRow(const Step& step, int i);

// The names of the columns in the order of stepRow: 1..n, then b (b1, b2,
// ...; e1, e2, ... for the columns of the identity), then x (x1, x2, ...).
std::vector<std::string> stepColumnNames(const MethodSteps& run);

// Keeps every step a method tells, from the data as read.
class StepRecorder : public StepListener {
public:
    // `run`: the problem the SOLVE is about to work on; its arrays now are
    // the first step, its iteration parameters as the SOLVE converts them
    // are read at the end.
    explicit StepRecorder(const ProblemState& run);
    void stepDone(const MethodStep& event) override;

    const MethodSteps& steps();

private:
    void takeArrays(const MethodStep& event, Step& step) const;
    void markStep(const Step& before, Step& step);

    const ProblemState& run_;
    MethodSteps steps_;
    RealMatrix readB_;   // the right-hand sides as read (LU shows them in its row order)
    MarkMatrix stored_;  // the multipliers' cells, moved with their rows
};

// Why the steps of the read problem are not shown, in the language (1
// Romanian, 2 English); empty when they are.
std::string stepsRefusal(const ProblemState& read, int language);

// The chosen method's SOLVE on a copy of `read` with every step recorded,
// its report discarded; or the SOLVE's refusal (Gauss-Seidel without EPS...).
struct RecordedSteps {
    std::optional<MethodSteps> steps;
    std::string refusal;
};
RecordedSteps recordMethodSteps(const ProblemState& read, int language);

}  // namespace corvane
