// The progress a long kernel call tells its caller, and a stop thrown from
// there: the steps go forward stage after stage, following a call changes no
// bit of its results, and a call stopped at any report leaves the threads
// ready for the next one, which gives the same bits as an unstopped call.
// Every instruction-set variant this processor runs, with 1, 2, 3 and 5
// threads, at orders past the kernels' step chunks and panels.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "kernels/cholesky_kernel.h"
#include "kernels/elimination_kernel.h"
#include "kernels/kernel_setups.h"
#include "kernels/lu_kernel.h"
#include "problem/matrix.h"
#include "support/test_matrix_kinds.h"

namespace corvane {
namespace {

struct Report {
    KernelStage stage;
    int step;
    int total;
};

struct Stopped {};

// Keeps every report; throws Stopped at report `stopAt` (counted from 0; -1: never).
class Recorder : public KernelProgress {
public:
    explicit Recorder(int stopAt = -1) : stopAt_(stopAt) {}
    void reached(KernelStage stage, int step, int total) override {
        reports.push_back({stage, step, total});
        if (static_cast<int>(reports.size()) - 1 == stopAt_) throw Stopped{};
    }
    std::vector<Report> reports;

private:
    int stopAt_;
};

// One kernel call on fresh copies of its inputs; returns every array it
// changes, flattened, so that two calls can be compared bit for bit.
using KernelCall = std::function<std::vector<float>(KernelProgress*)>;

struct Case {
    const char* name;
    KernelCall call;
    std::vector<KernelStage> stages;  // in the order the call goes through them
};

std::vector<float> flattened(std::initializer_list<const std::vector<float>*> arrays, std::vector<int> integers = {}) {
    std::vector<float> all;
    for (const std::vector<float>* a : arrays) all.insert(all.end(), a->begin(), a->end());
    for (int i : integers) all.push_back(static_cast<float>(i));
    return all;
}

std::vector<float> columnMajor(const RealMatrix& m) { return {m.data(), m.data() + static_cast<long>(m.rows()) * m.cols()}; }

std::vector<Case> cases() {
    constexpr int n = 600;  // three step chunks of the elimination, seven panels of LU
    const RealMatrix A0 = testing::uniformMatrix(n, n, 11);
    const RealMatrix B0 = testing::uniformMatrix(n, n, 12);
    std::vector<float> packed0(static_cast<std::size_t>(n) * (n + 1) / 2);
    for (int j = 0, at = 0; j < n; ++j) {
        for (int i = 0; i <= j; ++i) packed0[static_cast<std::size_t>(at++)] = i == j ? n : 1.0f / (1 + j - i);
    }
    return {
        {"elimination of an inverse",
         [=](KernelProgress* progress) {
             std::vector<float> A = columnMajor(A0), B = columnMajor(B0);
             int interchanges = 0;
             const EliminationOutcome outcome =
                 eliminateAndSolve(n, n, A.data(), B.data(), 1.0e-6f, interchanges, progress);
             return flattened({&A, &B}, {outcome.failedRow, interchanges});
         },
         {KernelStage::Reduction, KernelStage::RightHandSides, KernelStage::Substitution}},
        {"LU factorisation",
         [=](KernelProgress* progress) {
             std::vector<float> A = columnMajor(A0);
             std::vector<int> order(n);
             int exchanges = 0;
             const LuOutcome outcome = factorLu(n, A.data(), order.data(), 1.0e-6f, exchanges, progress);
             order.push_back(outcome.failedStep);
             order.push_back(exchanges);
             return flattened({&A}, order);
         },
         {KernelStage::Reduction}},
        {"square-root factorisation",
         [=](KernelProgress* progress) {
             std::vector<float> packed = packed0;
             const CholeskyOutcome outcome = factorPackedCholesky(n, packed.data(), progress);
             return flattened({&packed}, {outcome.failedRow});
         },
         {KernelStage::Reduction}},
    };
}

// Stages in the expected order, each reported, steps within 0..total and
// never backwards within a stage; A's steps in several reports.
void expectForward(const std::vector<Report>& reports, const Case& c, const std::string& where) {
    std::size_t stage = 0;
    int last = 0;
    std::vector<int> counts(c.stages.size(), 0);
    for (const Report& r : reports) {
        if (r.stage != c.stages[stage]) {
            ++stage;
            last = 0;
            ASSERT_LT(stage, c.stages.size()) << where << ": a stage out of order";
            ASSERT_EQ(r.stage, c.stages[stage]) << where;
        }
        ++counts[stage];
        EXPECT_GE(r.step, last) << where;
        EXPECT_LE(r.step, r.total) << where;
        last = r.step;
    }
    for (std::size_t s = 0; s < counts.size(); ++s) EXPECT_GT(counts[s], 0) << where << ", stage " << s;
    EXPECT_GT(counts[0], 2) << where;
}

TEST(KernelProgress, StepsGoForwardAndAStopLeavesTheNextCallExact) {
    for (const Case& c : cases()) {
        const std::vector<float> unfollowed = c.call(nullptr);
        for (const testing::KernelSetup& setup : testing::kernelSetups()) {
            const testing::KernelSetupOverride selected(setup);
            const std::string where = std::string(c.name) + ", " + testing::kernelSetupName(setup);
            Recorder whole;
            EXPECT_TRUE(c.call(&whole) == unfollowed) << where << ": followed, the results changed";
            expectForward(whole.reports, c, where);

            const int count = static_cast<int>(whole.reports.size());
            for (int stop : {0, count / 2, count - 1}) {
                Recorder stopping(stop);
                EXPECT_THROW(c.call(&stopping), Stopped) << where << ", stop at " << stop;
                EXPECT_EQ(static_cast<int>(stopping.reports.size()), stop + 1) << where << ": went on after the stop";
                EXPECT_TRUE(c.call(nullptr) == unfollowed) << where << ": the call after a stop differs";
            }
        }
    }
}

}  // namespace
}  // namespace corvane
