#include "app/iteration_history.h"

#include "textio/decimal_text.h"

namespace corvane {

RightHandSideHistory& IterationHistory::at(int rhs) {
    if (static_cast<int>(rightHandSides_.size()) < rhs) rightHandSides_.resize(static_cast<std::size_t>(rhs));
    return rightHandSides_[static_cast<std::size_t>(rhs - 1)];
}

void IterationHistory::sweepDone(int rhs, int /*sweep*/, float dx) {
    at(rhs).dx.push_back(dx);  // the sweeps come in order, from 1
}

void IterationHistory::rightHandSideDone(int rhs, IterationEnd end, int /*sweeps*/, float /*dx*/) { at(rhs).end = end; }

std::string_view endName(IterationEnd end) {
    switch (end) {
        case IterationEnd::Tolerance: return "tolerance";
        case IterationEnd::Divergence: return "divergence";
        case IterationEnd::Stagnation: return "stagnation";
        case IterationEnd::Limit: return "limit";
    }
    return "";
}

std::string historyCsv(const IterationHistory& history) {
    std::string csv = "rhs,sweep,dx,outcome\n";
    const std::vector<RightHandSideHistory>& sides = history.rightHandSides();
    for (std::size_t k = 0; k < sides.size(); ++k) {
        const std::vector<float>& dx = sides[k].dx;
        for (std::size_t s = 0; s < dx.size(); ++s) {
            csv += std::to_string(k + 1) + "," + std::to_string(s + 1) + "," + shortestFloatText(dx[s]) + ",";
            if (s + 1 == dx.size() && sides[k].end) csv += endName(*sides[k].end);
            csv += "\n";
        }
    }
    return csv;
}

}  // namespace corvane
