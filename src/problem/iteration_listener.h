#pragma once
// The sweeps of Gauss-Seidel and SOR as data, for whoever listens besides the
// report (the convergence chart, the history file, the relaxation explorer):
// every listener sees the values the report prints.

namespace corvane {

// How the sweeps of one right-hand side ended.
enum class IterationEnd { Tolerance, Divergence, Stagnation, Limit };

class IterationListener {
public:
    virtual ~IterationListener() = default;
    // Sweep `sweep` (from 1) of right-hand side `rhs` (from 1) changed the
    // iterate by dx, the difference the report's history shows.
    virtual void sweepDone(int rhs, int sweep, float dx) = 0;
    // The sweeps of right-hand side `rhs` ended after `sweeps` sweeps with
    // the last difference dx (0 when no sweep was made).
    virtual void rightHandSideDone(int rhs, IterationEnd end, int sweeps, float dx) = 0;
    // A run that goes on past the growth test (RunContext::pastGrowth) passed
    // the sweep at which the SOLVE's test ends the sweeps of right-hand side
    // `rhs`, with `end` (Divergence or Stagnation): once per right-hand side,
    // at most.
    virtual void growthTestPassed(int /*rhs*/, int /*sweep*/, IterationEnd /*end*/) {}
};

}  // namespace corvane
