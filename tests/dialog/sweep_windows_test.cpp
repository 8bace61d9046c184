// The convergence chart and the relaxation explorer as the controller opens
// them: the chart belongs to the last SOLVE that made sweeps, the explorer to
// a read system solved by SOR, and its "use this omega" fills Omega.

#include <gtest/gtest.h>

#include "app/omega_explorer.h"
#include "dialog/dialog_fixture.h"
#include "problem/messages.h"

namespace corvane::testing {
namespace {

using namespace control;

constexpr int kGaussEntry = 1;
constexpr int kGaussSeidelEntry = 4;
constexpr int kSorEntry = 5;

class SweepWindowsTest : public DialogTest {
protected:
    void readSystem() { selectAndRead("sweeps.txt", kSystem3); }
    void iterateWith(int methodEntry, const std::string& eps, const std::string& nlim) {
        choose(kMethodList, methodEntry);
        type(kEps, eps);
        type(kNlim, nlim);
    }
};

TEST_F(SweepWindowsTest, TheChartFollowsTheLastSolveThatMadeSweeps) {
    EXPECT_FALSE(enabled(kConvergenceChart));
    readSystem();
    iterateWith(kGaussSeidelEntry, "1e-5", "50");
    click(kSolve);
    ASSERT_EQ(platform.charts.size(), 1u) << "a Gauss-Seidel SOLVE shows its chart at once";
    EXPECT_TRUE(enabled(kConvergenceChart));
    const ScriptedPlatform::ShownChart shown = platform.charts.front();  // a copy: more charts follow
    ASSERT_EQ(shown.history.rightHandSides().size(), 1u);
    EXPECT_EQ(historyCsv(shown.history).find("rhs,sweep,dx,outcome\n1,1,"), 0u);
    EXPECT_EQ(shown.history.rightHandSides().front().end, IterationEnd::Tolerance);
    EXPECT_EQ(shown.eps, 1e-5f);
    EXPECT_EQ(shown.language, kRomanian);

    click(kEnglishButton);
    click(kConvergenceChart);
    ASSERT_EQ(platform.charts.size(), 2u);
    EXPECT_EQ(historyCsv(platform.charts.back().history), historyCsv(shown.history)) << "the same run again";
    EXPECT_EQ(platform.charts.back().language, kEnglish);

    choose(kMethodList, kGaussEntry);
    click(kSolve);
    EXPECT_FALSE(enabled(kConvergenceChart)) << "the last run made no sweeps";
    EXPECT_EQ(platform.charts.size(), 2u);
}

TEST_F(SweepWindowsTest, ARefusedIterativeSolveLeavesNoChart) {
    readSystem();
    iterateWith(kSorEntry, "1e-5", "50");
    type(kOmega, "1.1");
    click(kSolve);
    EXPECT_TRUE(enabled(kConvergenceChart));
    type(kEps, "");
    click(kSolve);
    EXPECT_FALSE(enabled(kConvergenceChart));
    EXPECT_EQ(platform.charts.size(), 1u);
}

TEST_F(SweepWindowsTest, TheExplorerNeedsAReadSystemAndSor) {
    EXPECT_FALSE(enabled(kOmegaExplorer));
    choose(kMethodList, kSorEntry);
    EXPECT_FALSE(enabled(kOmegaExplorer)) << "nothing read yet";
    readSystem();
    EXPECT_TRUE(enabled(kOmegaExplorer));
    choose(kMethodList, kGaussSeidelEntry);
    EXPECT_FALSE(enabled(kOmegaExplorer));
    choose(kMethodList, kSorEntry);
    click(kInversion);
    EXPECT_FALSE(enabled(kOmegaExplorer));
    click(kSystem);
    choose(kMethodList, kSorEntry);
    EXPECT_TRUE(enabled(kOmegaExplorer));
}

TEST_F(SweepWindowsTest, TheExplorerGetsTheReadProblemAndFillsOmega) {
    readSystem();
    choose(kMethodList, kSorEntry);
    click(kOmegaExplorer);
    EXPECT_TRUE(platform.explorers.empty()) << "no EPS and NLIM typed";
    ASSERT_EQ(platform.recorded.shown.size(), 1u);
    EXPECT_EQ(platform.recorded.shown.front().text, message::kEnterEpsNlim);

    type(kEps, "1e-5");
    type(kNlim, "50");
    click(kOmegaExplorer);
    ASSERT_EQ(platform.explorers.size(), 1u);
    const OmegaExplorerRequest& request = platform.explorers.front();
    EXPECT_EQ(request.read.n, 3);
    EXPECT_EQ(request.read.EPS_TEXT, "1e-5");
    EXPECT_EQ(request.read.NLIM_TEXT, "50");
    EXPECT_EQ(request.omegas, omegaValues(OmegaRange{}));
    EXPECT_EQ(request.language, kRomanian);

    request.useOmega(1.15f);
    EXPECT_EQ(view.text(kOmega), "1.15");
    EXPECT_EQ(state.OMEGA_TEXT, "1.15");
}

}  // namespace
}  // namespace corvane::testing
