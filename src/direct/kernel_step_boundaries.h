#pragma once
// The step boundaries inside one kernel call, as a run's progress sees them:
// the kernel tells where it stands between its blocks of work, and a stop the
// user asked for ends the call there (RunInterrupted).

#include "kernels/kernel_progress.h"
#include "problem/run_progress.h"

namespace corvane {

class KernelStepBoundaries : public KernelProgress {
public:
    // `reduction`: the phase that A's steps belong to (an elimination or a
    // factorisation).
    KernelStepBoundaries(RunProgress* progress, RunPhase reduction) : progress_(progress), reduction_(reduction) {}

    void reached(KernelStage stage, int step, int total) override { stepBoundary(progress_, phaseOf(stage), step, total); }

    // What the kernel is given: nothing when the run is not followed.
    KernelProgress* forKernel() { return progress_ != nullptr ? this : nullptr; }

private:
    RunPhase phaseOf(KernelStage stage) const {
        switch (stage) {
            case KernelStage::RightHandSides: return RunPhase::RightHandSides;
            case KernelStage::Substitution: return RunPhase::Substitution;
            case KernelStage::Product: return RunPhase::Product;
            case KernelStage::Reduction: break;
        }
        return reduction_;
    }

    RunProgress* progress_;
    RunPhase reduction_;
};

}  // namespace corvane
