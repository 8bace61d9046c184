#pragma once
// Where a run stands and whether the user wants it stopped. The methods tell
// a RunProgress at their step boundaries (within an elimination or a
// factorisation, between the kernels' blocks of steps; each block of
// right-hand sides; each sweep; each power iteration; each row of a printed
// matrix; each right-hand side of the check; each piece of a Read's file;
// the columns of the measures taken beside a run);
// when a stop has been asked, the
// boundary throws RunInterrupted, the run unwinds with the report ending on
// a whole record, and the dispatcher closes it with the interruption line.

#include <atomic>
#include <exception>

namespace corvane {

enum class RunPhase {
    Printing,        // a matrix echoed or printed: row `step` of `total`
    Elimination,     // Gaussian elimination of A (also the inversion's): step `step` of n
    Factorisation,   // LU or the square-root method: step `step` of n
    Substitution,    // solving with the factors: right-hand side `step` of nb done
    Solutions,       // writing the solutions: right-hand side `step` of nb done
    Sweeps,          // Gauss-Seidel or SOR: sweep `step` of NLIM done
    PowerIteration,  // the power method: iteration `step` of at most `total`
    Product,         // the product XᵀX of the 2-norm: column `step` of n done
    Check,           // the residual check: right-hand side `step` of nb done
    RightHandSides,  // the elimination's steps carried into the right-hand sides: step `step` of n
    Reading,         // a Read: `step` megabytes of the file's `total` read
    Residuals,       // residuals measured in double beside a run: column `step` of `total` done
    Errors,          // errors against a known exact answer: column `step` of `total` done
};

inline constexpr int kRunPhaseCount = 13;

class RunProgress {
public:
    virtual ~RunProgress() = default;
    // The run stands at a boundary of `phase` with `step` of `total` done
    // (total 0: the phase has no measure).
    virtual void reached(RunPhase phase, int step, int total) = 0;
    // Whether the run is to stop at this boundary.
    virtual bool stopRequested() const = 0;
};

// How a run stopped on the user's request unwinds to the dispatcher.
class RunInterrupted : public std::exception {
public:
    const char* what() const noexcept override { return "run interrupted"; }
};

// A step boundary: tells `progress`, when there is one, where the run stands
// and throws RunInterrupted when it is to stop.
void stepBoundary(RunProgress* progress, RunPhase phase, int step, int total);

// Where a run stands, as another thread reads it.
struct ProgressSnapshot {
    RunPhase phase = RunPhase::Printing;
    int step = 0;
    int total = 0;
    bool started = false;  // a boundary has been reached
};

// The progress of a run on one thread, read and stopped from another (the
// dialog's): every field is atomic, a snapshot may mix two neighbouring
// boundaries' values, which only a display sees.
class ProgressMonitor : public RunProgress {
public:
    void reached(RunPhase phase, int step, int total) override;
    bool stopRequested() const override { return stop_.load(std::memory_order_relaxed); }

    void requestStop() { stop_.store(true, std::memory_order_relaxed); }
    ProgressSnapshot snapshot() const;

private:
    std::atomic<int> phase_{0};
    std::atomic<int> step_{0};
    std::atomic<int> total_{0};
    std::atomic<bool> started_{false};
    std::atomic<bool> stop_{false};
};

}  // namespace corvane
