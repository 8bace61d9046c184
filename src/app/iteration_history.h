#pragma once
// The sweeps of a Gauss-Seidel or SOR run kept as data: each right-hand
// side's differences in sweep order and how its sweeps ended. The chart and
// the history file are drawn from it, so they show the report's numbers.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "problem/iteration_listener.h"

namespace corvane {

struct RightHandSideHistory {
    std::vector<float> dx;  // dx[s - 1]: the difference of sweep s
    std::optional<IterationEnd> end;  // set when its sweeps ended
};

class IterationHistory : public IterationListener {
public:
    void sweepDone(int rhs, int sweep, float dx) override;
    void rightHandSideDone(int rhs, IterationEnd end, int sweeps, float dx) override;

    // One entry per right-hand side met, index rhs - 1.
    const std::vector<RightHandSideHistory>& rightHandSides() const { return rightHandSides_; }

private:
    RightHandSideHistory& at(int rhs);

    std::vector<RightHandSideHistory> rightHandSides_;
};

// "tolerance", "divergence", "stagnation" or "limit".
std::string_view endName(IterationEnd end);

// The history as CSV: the header rhs,sweep,dx,outcome, then one row per sweep;
// outcome is empty but on each right-hand side's last row. dx is written with
// the fewest digits that read back as the same float.
std::string historyCsv(const IterationHistory& history);


}  // namespace corvane
