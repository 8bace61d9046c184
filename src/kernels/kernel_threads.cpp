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

// The helper threads, numbered 1.., and the job they share: tasks are taken
// in turn from one counter by the calling thread (worker 0) and the helpers
// the job asks for. Helpers are created when a job first needs them and wait
// for the next job afterwards.
class Pool {
public:
    // False when the pool is running another job: the caller then runs the
    // tasks itself.
    bool tryRun(int count, int workers, detail::TaskFunction function, const void* context) {
        std::unique_lock<std::mutex> busy(busy_, std::try_to_lock);
        if (!busy.owns_lock()) return false;
        const int helpers = ensureHelpers(std::min(workers, count) - 1);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            function_ = function;
            context_ = context;
            count_ = count;
            next_.store(0, std::memory_order_relaxed);
            helpers_ = helpers;
            pending_ = helpers;
            error_ = nullptr;
            ++generation_;
        }
        if (helpers > 0) wake_.notify_all();
        work(0);
        std::unique_lock<std::mutex> lock(mutex_);
        done_.wait(lock, [this] { return pending_ == 0; });
        if (error_) std::rethrow_exception(error_);
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
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [&] { return generation_ != seen; });
                seen = generation_;
                if (id > helpers_) continue;
            }
            work(id);
            std::lock_guard<std::mutex> lock(mutex_);
            if (--pending_ == 0) done_.notify_one();
        }
    }

    void work(int worker) {
        insideTask = true;
        try {
            for (int i = next_.fetch_add(1, std::memory_order_relaxed); i < count_;
                 i = next_.fetch_add(1, std::memory_order_relaxed)) {
                function_(context_, i, worker);
            }
        } catch (...) {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!error_) error_ = std::current_exception();
            next_.store(count_, std::memory_order_relaxed);  // no further task starts
        }
        insideTask = false;
    }

    std::mutex busy_;  // held by the thread whose job runs
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::vector<std::thread> threads_;
    long generation_ = 0;
    detail::TaskFunction function_ = nullptr;
    const void* context_ = nullptr;
    int count_ = 0;
    std::atomic<int> next_{0};
    int helpers_ = 0;
    int pending_ = 0;
    std::exception_ptr error_;
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
    const bool outer = !insideTask;
    insideTask = true;
    try {
        for (int i = 0; i < count; ++i) function(context, i, 0);
    } catch (...) {
        if (outer) insideTask = false;
        throw;
    }
    if (outer) insideTask = false;
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
