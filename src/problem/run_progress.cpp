#include "problem/run_progress.h"

namespace corvane {

void stepBoundary(RunProgress* progress, RunPhase phase, int step, int total) {
    if (progress == nullptr) return;
    progress->reached(phase, step, total);
    if (progress->stopRequested()) throw RunInterrupted();
}

void ProgressMonitor::reached(RunPhase phase, int step, int total) {
    phase_.store(static_cast<int>(phase), std::memory_order_relaxed);
    step_.store(step, std::memory_order_relaxed);
    total_.store(total, std::memory_order_relaxed);
    started_.store(true, std::memory_order_relaxed);
}

ProgressSnapshot ProgressMonitor::snapshot() const {
    return {static_cast<RunPhase>(phase_.load(std::memory_order_relaxed)), step_.load(std::memory_order_relaxed),
            total_.load(std::memory_order_relaxed), started_.load(std::memory_order_relaxed)};
}

}  // namespace corvane
