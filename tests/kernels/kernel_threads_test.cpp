// The kernels' thread pool: every task runs once, a worker's scratch is never
// used by two tasks at once, a task's exception reaches the caller and the
// pool goes on working, calls from inside a task or from a second thread
// still run all their tasks; and the split of rows or columns into ranges.

#include "kernels/kernel_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace corvane {
namespace {

// Runs `count` tasks on `workers` and checks that each ran once, on a worker
// in range that was running no other task.
void expectEachTaskOnce(int count, int workers) {
    std::vector<std::atomic<int>> runs(static_cast<std::size_t>(count));
    std::vector<std::atomic<bool>> busy(static_cast<std::size_t>(workers));
    std::atomic<int> badWorker{0}, overlaps{0};
    parallelFor(count, workers, [&](int i, int worker) {
        if (worker < 0 || worker >= workers) {
            ++badWorker;
            return;
        }
        if (busy[static_cast<std::size_t>(worker)].exchange(true)) ++overlaps;
        volatile double spin = 0;  // long enough for the helpers to join
        for (int k = 0; k < 20000; ++k) spin = spin + k;
        ++runs[static_cast<std::size_t>(i)];
        busy[static_cast<std::size_t>(worker)] = false;
    });
    EXPECT_EQ(badWorker, 0) << count << " tasks, " << workers << " workers";
    EXPECT_EQ(overlaps, 0) << count << " tasks, " << workers << " workers";
    for (int i = 0; i < count; ++i) EXPECT_EQ(runs[static_cast<std::size_t>(i)], 1) << "task " << i << " of " << count;
}

TEST(KernelThreads, EveryTaskRunsOnceOnAWorkerOfItsOwn) {
    const int cases[][2] = {{0, 2}, {1, 4}, {7, 1}, {7, 2}, {100, 3}, {5, 5}, {3, 8}, {64, 2}};
    for (const auto& c : cases) expectEachTaskOnce(c[0], c[1]);
}

TEST(KernelThreads, ATasksExceptionReachesTheCallerAndThePoolGoesOn) {
    EXPECT_THROW(parallelFor(50, 3,
                             [](int i, int) {
                                 if (i == 17) throw std::runtime_error("task 17");
                             }),
                 std::runtime_error);
    expectEachTaskOnce(50, 3);
}

TEST(KernelThreads, CallsFromInsideATaskAndFromAnotherThreadRunAllTheirTasks) {
    std::atomic<int> inner{0};
    parallelFor(6, 3, [&](int, int) { parallelFor(10, 3, [&](int, int) { ++inner; }); });
    EXPECT_EQ(inner, 60);

    std::atomic<int> total{0};
    auto many = [&] {
        for (int round = 0; round < 200; ++round) parallelFor(8, 2, [&](int, int) { ++total; });
    };
    std::thread other(many);
    many();
    other.join();
    EXPECT_EQ(total, 2 * 200 * 8);
}

TEST(KernelThreads, TheCountIsClampedToTheAcceptedRange) {
    const KernelThreadsOverride restore(kernelThreads());
    const int cases[][2] = {{0, 1}, {-3, 1}, {1, 1}, {7, 7}, {kMaxKernelThreads + 1, kMaxKernelThreads}};
    for (const auto& c : cases) {
        setKernelThreads(c[0]);
        EXPECT_EQ(kernelThreads(), c[1]) << c[0];
    }
    EXPECT_GE(hardwareThreads(), 1);
}

TEST(AlignedSplit, RangesCoverTheWholeInAlignedPiecesNoMoreThanWanted) {
    struct Case {
        int total, align, wanted;
    };
    const Case cases[] = {{0, 8, 2}, {5, 8, 2}, {8, 8, 2}, {17, 8, 2}, {100, 8, 3}, {96, 8, 5}, {1000, 1, 7}, {3, 1, 5}};
    for (const Case& c : cases) {
        const AlignedSplit split(c.total, c.align, c.wanted);
        const std::string where = std::to_string(c.total) + "/" + std::to_string(c.align) + "/" + std::to_string(c.wanted);
        EXPECT_GE(split.parts, 1) << where;
        EXPECT_LE(split.parts, std::max(1, c.wanted)) << where;
        int next = 0;
        for (int i = 0; i < split.parts; ++i) {
            EXPECT_EQ(split.begin(i), next) << where << " part " << i;
            EXPECT_EQ(split.begin(i) % c.align, 0) << where << " part " << i;
            if (c.total > 0) {
                EXPECT_LT(split.begin(i), split.end(i)) << where << " part " << i;
            }
            next = split.end(i);
        }
        EXPECT_EQ(next, c.total) << where;
    }
}

}  // namespace
}  // namespace corvane
