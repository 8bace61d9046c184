#pragma once
// The panel under the buttons after a SOLVE: the lines the run copied to
// standard output (the report's own words), then, when a pivot below its
// threshold stopped Gauss or the inversion of the condition number, the
// panel's own lines on it in the interface language.

#include <optional>
#include <string>

#include "problem/pivot_listener.h"

namespace corvane {

// What the stopped elimination was for.
enum class EliminationTask { System, Inverse, ConditionNumber };

struct PivotFailure {
    EliminationTask task;
    SmallPivot pivot;
};

// Keeps the pivot a run stopped on.
class PivotFailureRecord : public PivotListener {
public:
    explicit PivotFailureRecord(EliminationTask task) : task_(task) {}
    void pivotBelowThreshold(const SmallPivot& pivot) override { failure_ = PivotFailure{task_, pivot}; }
    const std::optional<PivotFailure>& failure() const { return failure_; }

private:
    EliminationTask task_;
    std::optional<PivotFailure> failure_;
};

struct RunPanel {
    std::string consoleLines;  // as ConsoleLines keeps them
    std::optional<PivotFailure> pivotFailure;

    // The whole text in a language (1 Romanian, 2 English).
    std::string text(int language) const;
};

// "Gauss: |pivot| = 1.2E-07 < 1.0E-06 at row 7." and what it means, on a second line.
std::string pivotFailureText(const PivotFailure& failure, int language);

}  // namespace corvane
