#pragma once
// The threads the blocked kernels share their independent tiles over. Only
// whole output tiles are handed out, never parts of a sum, so every element
// receives the same instructions in the same order whatever the number of
// threads: the results are the same bits with one thread or many.
//
// The threads are kept in one pool, created when first needed and reused by
// every later call. A call made while the pool is busy (from another thread
// of the program, or from inside a task) runs its tasks itself, one after
// another.

#include <type_traits>

namespace corvane {

// The largest number of threads the kernels accept.
constexpr int kMaxKernelThreads = 1024;

// The processor's number of hardware threads (at least 1): the default.
int hardwareThreads();
// The number of threads the kernels use, 1..kMaxKernelThreads.
int kernelThreads();
// Sets it; values outside 1..kMaxKernelThreads are clamped into it.
void setKernelThreads(int threads);

// Sets the number of threads while it lives, then restores the one before
// (the tests run the same work with several counts).
class KernelThreadsOverride {
public:
    explicit KernelThreadsOverride(int threads) : previous_(kernelThreads()) { setKernelThreads(threads); }
    ~KernelThreadsOverride() { setKernelThreads(previous_); }
    KernelThreadsOverride(const KernelThreadsOverride&) = delete;
    KernelThreadsOverride& operator=(const KernelThreadsOverride&) = delete;

private:
    int previous_;
};

namespace detail {
using TaskFunction = void (*)(const void* context, int task, int worker);
void runParallel(int count, int workers, TaskFunction function, const void* context);
}  // namespace detail

// Runs task(i, worker) for every i in [0, count) on at most `workers`
// threads (the calling one among them) and returns when all have finished.
// `worker` (0 .. workers - 1) tells the running thread's own scratch space
// apart; no two tasks run with the same worker at once. Tasks must write
// disjoint data. An exception thrown by a task is thrown again here once the
// tasks that had started have finished.
template <typename Task>
void parallelFor(int count, int workers, const Task& task) {
    if (count <= 0) return;
    detail::runParallel(
        count, workers,
        [](const void* context, int i, int worker) { (*static_cast<const Task*>(context))(i, worker); },
        &task);
}

// Splits [0, total) into about `parts` ranges whose bounds are multiples of
// `align` (but the last, which ends at total), and gives range i as
// [begin, end). Used to share a block of rows or columns over the threads.
struct AlignedSplit {
    AlignedSplit(int total, int align, int wanted);
    int begin(int i) const;
    int end(int i) const;

    int total;
    int chunk;  // the length of every range but the last
    int parts;
};

}  // namespace corvane
