#pragma once
// How a caller follows one long kernel call and stops it. Between blocks of
// work, on the calling thread and while no other thread works on the arrays,
// a kernel tells where it stands; the caller may throw from there to stop the
// call, which then leaves its arrays part-way through.

namespace corvane {

enum class KernelStage {
    Reduction,       // the steps of A's elimination or factorisation
    RightHandSides,  // the elimination's steps carried into the right-hand sides
    Substitution,    // right-hand sides solved
    Product,         // the steps of a product's sums
};

class KernelProgress {
public:
    virtual ~KernelProgress() = default;
    // `step` of `total` done in `stage`.
    virtual void reached(KernelStage stage, int step, int total) = 0;
};

// Tells `progress` where the call stands, when it has one.
inline void tellStage(KernelProgress* progress, KernelStage stage, int step, int total) {
    if (progress != nullptr) progress->reached(stage, step, total);
}

}  // namespace corvane
