#include "kernels/kernel_threads.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace corvane {
namespace {

std::atomic<int>& threadSetting() {
    static std::atomic<int> threads{hardwareThreads()};
    return threads;
}

// True on a thread while it runs a task: a parallelFor inside a task runs
// its own tasks one after another.
thread_local bool insideTask = false;

// One call's tasks: taken in turn from one counter.
struct Job {
    Job(detail::TaskFunction function, const void* context, int count)
        : function(function), context(context), count(count) {}

    detail::TaskFunction function;
    const void* context;
    int count;
    std::atomic<int> next{0};
    std::mutex errorMutex;
    std::exception_ptr error;

    // Runs tasks until none is left; the first exception stops the others
    // from starting and is kept for the caller.
    void run(int worker) {
        const bool outer = !insideTask;
        insideTask = true;
        try {
            for (int i = next.fetch_add(1); i < count; i = next.fetch_add(1)) function(context, i, worker);
        } catch (...) {
            std::lock_guard<std::mutex> lock(errorMutex);
            if (!error) error = std::current_exception();
            next.store(count);
        }
        if (outer) insideTask = false;
    }
};

// Pauses a waiting thread for a moment before it checks again.
inline void pause() {
#if defined(__x86_64__)
    __builtin_ia32_pause();
#else
    std::this_thread::yield();
#endif
}

// How often a waiting thread checks before it sleeps: the next job of a
// kernel usually follows within microseconds, sooner than a sleeping thread
// would wake.
constexpr int kSpins = 1000;

// The helper threads, numbered 1... The caller (worker 0) posts a job, runs
// its tasks with the helpers that join in time, and returns once the helpers
// that joined have finished: a helper that wakes late finds no job and waits
// for the next, so a busy machine slows a job down to the caller's own pace
// and no further. Helpers are created when a job first needs them.
class Pool {
public:
    // False when the pool is running another job: the caller then runs the
    // tasks itself.
    bool tryRun(int count, int workers, detail::TaskFunction function, const void* context) {
        std::unique_lock<std::mutex> busy(busy_, std::try_to_lock);
        if (!busy.owns_lock()) return false;
        const int helpers = ensureHelpers(std::min(workers, count) - 1);
        Job job(function, context, count);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            job_ = &job;
            helpers_ = helpers;
            generation_.fetch_add(1, std::memory_order_release);
        }
        if (helpers > 0) wake_.notify_all();
        job.run(0);
        for (int spin = 0; spin < kSpins && joined_.load(std::memory_order_acquire) > 0; ++spin) pause();
        {
            std::unique_lock<std::mutex> lock(mutex_);
            done_.wait(lock, [this] { return joined_.load(std::memory_order_relaxed) == 0; });
            job_ = nullptr;
        }
        if (job.error) std::rethrow_exception(job.error);
        return true;
    }

private:
    // Creates helpers up to `wanted` (as many as can be started) and
    // returns how many there are, at most `wanted`.
    int ensureHelpers(int wanted) {
        while (static_cast<int>(threads_.size()) < wanted) {
            try {
                const int id = static_cast<int>(threads_.size()) + 1;
                threads_.emplace_back([this, id] { helperLoop(id); });
            } catch (const std::system_error&) {
                break;
            }
        }
        return std::max(0, std::min(wanted, static_cast<int>(threads_.size())));
    }

    void helperLoop(int id) {
        long seen = 0;
        for (;;) {
            for (int spin = 0; spin < kSpins && generation_.load(std::memory_order_acquire) == seen; ++spin) pause();
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [&] { return generation_.load(std::memory_order_relaxed) != seen; });
            seen = generation_.load(std::memory_order_relaxed);
            if (job_ == nullptr || id > helpers_) continue;
            Job& job = *job_;
            joined_.fetch_add(1, std::memory_order_relaxed);
            lock.unlock();
            job.run(id);
            lock.lock();
            if (joined_.fetch_sub(1, std::memory_order_release) == 1) done_.notify_one();
        }
    }

    std::mutex busy_;  // held by the thread whose job runs
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::vector<std::thread> threads_;
    std::atomic<long> generation_{0};  // counts the jobs posted
    Job* job_ = nullptr;               // the running job; null once its caller stops waiting for helpers
    int helpers_ = 0;                  // helpers 1..helpers_ may join it
    std::atomic<int> joined_{0};       // helpers running its tasks
};

Pool& pool() {
    // Never destroyed: its helpers wait for work until the program ends.
    static Pool* const instance = new Pool;
    return *instance;
}

}  // namespace

int hardwareThreads() { return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxKernelThreads); }

int kernelThreads() { return threadSetting().load(std::memory_order_relaxed); }

void setKernelThreads(int threads) { threadSetting().store(std::clamp(threads, 1, kMaxKernelThreads)); }

namespace detail {

void runParallel(int count, int workers, TaskFunction function, const void* context) {
    if (count > 1 && workers > 1 && !insideTask && pool().tryRun(count, workers, function, context)) return;
    Job job(function, context, count);
    job.run(0);
    if (job.error) std::rethrow_exception(job.error);
}

}  // namespace detail

AlignedSplit::AlignedSplit(int total, int align, int wanted) : total(total), chunk(align), parts(1) {
    const int units = std::max(1, (total + align - 1) / align);
    const int ranges = std::clamp(wanted, 1, units);
    chunk = (units + ranges - 1) / ranges * align;
    parts = std::max(1, (total + chunk - 1) / chunk);
}

int AlignedSplit::begin(int i) const { return std::min(total, i * chunk); }

int AlignedSplit::end(int i) const { return std::min(total, (i + 1) * chunk); }

}  // namespace corvane
