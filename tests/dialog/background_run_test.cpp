// Read and SOLVE as runs off the dialog's thread, seen from the controller:
// while one runs, every control that could change the problem is disabled and
// gives its state back at the end; a SOLVE may be stopped (its report ends
// with the interruption line, no chart or note follows), and so may a Read
// (the data stay unread); IESIRE during a run asks whether to stop it.

#include <gtest/gtest.h>

#include "dialog/changed_data_question.h"
#include "dialog/dialog_fixture.h"
#include "dialog/run_texts.h"

namespace corvane::testing {
namespace {

using namespace control;

constexpr int kGaussSeidelEntry = 4;

class BackgroundRunTest : public DialogTest {
protected:
    // The system read and Gauss-Seidel chosen; the next run is held.
    std::string readForGaussSeidel() {
        const std::string path = selectAndRead("runs.txt", kSystem3);
        choose(kMethodList, kGaussSeidelEntry);
        type(kEps, "1e-5");
        type(kNlim, "50");
        platform.holdRuns = true;
        return path;
    }
};

TEST_F(BackgroundRunTest, ASolveDisablesTheProblemsControlsUntilItEnds) {
    readForGaussSeidel();
    click(kCheckEquations);
    const int stay[] = {kDataFileHelp, kGeneratorHelp, kIterationHelp, kAbout, kExit};
    const int off[] = {kSystem,    kInversion, kRomanianButton, kEnglishButton, kMethodList, kEps,  kNlim,
                       kSelect,    kOpen,      kRead,           kSolve,         kCompare,    kCheckMaximum, kImport,
                       kPrintMatrix, kPrintIterations};
    const bool omegaBefore = enabled(kOmega), normBefore = enabled(kNormList);

    click(kSolve);
    ASSERT_TRUE(platform.heldRun.has_value());
    EXPECT_TRUE(platform.heldRun->cancellable);
    EXPECT_EQ(platform.busyChanges, (std::vector<bool>{true, false, true})) << "the wait cursor stays during the run";
    for (int id : stay) EXPECT_TRUE(enabled(id)) << id;
    for (int id : off) EXPECT_FALSE(enabled(id)) << id;
    EXPECT_TRUE(controller.running());
    view.setText(kEps, "1");
    controller.onControl(kEps);  // an action that reaches the controller anyway changes nothing
    EXPECT_EQ(state.EPS_TEXT, "1e-5");

    platform.endHeldRun();
    EXPECT_FALSE(controller.running());
    EXPECT_EQ(platform.busyChanges.back(), false);
    for (int id : off) EXPECT_TRUE(enabled(id)) << id;
    EXPECT_EQ(enabled(kOmega), omegaBefore);
    EXPECT_EQ(enabled(kNormList), normBefore);
    EXPECT_EQ(platform.charts.size(), 1u);
}

TEST_F(BackgroundRunTest, AStoppedSolveEndsItsReportAndTheNextRunsAgain) {
    const std::string path = readForGaussSeidel();
    click(kSolve);
    platform.endHeldRun(true);
    const std::string stopped = readFile(path);
    EXPECT_EQ(stopped.rfind(kSystem3, 0), 0u);
    ASSERT_GT(stopped.size(), std::string(kSystem3).size());
    EXPECT_EQ(stopped.substr(stopped.size() - 23), " * Rulare intrerupta.\r\n") << stopped;
    EXPECT_TRUE(platform.charts.empty()) << "a stopped run shows no chart";
    EXPECT_FALSE(enabled(kConvergenceChart));
    EXPECT_TRUE(platform.recorded.shown.empty());

    platform.answers.push_back(static_cast<int>(ChangedDataAnswer::SolveOnChangedData));
    click(kSolve);
    platform.endHeldRun();
    const std::string again = readFile(path);
    EXPECT_EQ(again.rfind(stopped, 0), 0u) << "the next SOLVE appends";
    EXPECT_NE(again.find(" * Proba", stopped.size()), std::string::npos);
    EXPECT_EQ(platform.charts.size(), 1u);
}

TEST_F(BackgroundRunTest, AReadRunsOffTheThreadAndAStoppedOneLeavesNoData) {
    const std::string path = scratchDirectory("dialog-read-run") + "/read.txt";
    writeFile(path, kSystem3);
    select(path);
    platform.holdRuns = true;
    click(kRead);
    ASSERT_TRUE(platform.heldRun.has_value());
    EXPECT_TRUE(platform.heldRun->cancellable);
    EXPECT_EQ(view.text(kOrder), "");
    platform.endHeldRun();
    EXPECT_EQ(view.text(kOrder), "3");
    EXPECT_EQ(view.text(kRhsCount), "1");
    choose(kMethodList, 1);
    EXPECT_TRUE(enabled(kSolve));

    // Stopped at its first piece: nothing read, no message, no SOLVE.
    click(kRead);
    platform.endHeldRun(true);
    EXPECT_FALSE(state.DATE_CITITE);
    EXPECT_EQ(view.text(kOrder), "");
    EXPECT_EQ(view.text(kRhsCount), "");
    EXPECT_FALSE(enabled(kSolve));
    EXPECT_TRUE(platform.recorded.shown.empty());
    EXPECT_EQ(readFile(path), kSystem3);

    click(kRead);
    platform.endHeldRun();
    EXPECT_TRUE(state.DATE_CITITE);
    EXPECT_EQ(view.text(kOrder), "3");
    EXPECT_TRUE(enabled(kSolve));
    EXPECT_EQ(platform.runs, (std::vector<bool>{true, true, true}));
}

TEST_F(BackgroundRunTest, ExitDuringARunAsksWhetherToStopIt) {
    const std::string path = readForGaussSeidel();
    EXPECT_TRUE(controller.mayClose()) << "no run: the dialog closes without a question";
    EXPECT_TRUE(platform.questions.empty());

    click(kSolve);
    platform.confirmAnswer = false;
    EXPECT_FALSE(controller.mayClose());
    EXPECT_TRUE(controller.running()) << "No: the run goes on";
    platform.confirmAnswer = true;
    EXPECT_TRUE(controller.mayClose());
    EXPECT_FALSE(controller.running());
    EXPECT_EQ(platform.stopRequests, 1);
    EXPECT_EQ(platform.questions, (std::vector<std::string>(2, std::string(runTexts(kRomanian).stopQuestion))));
    const std::string report = readFile(path);
    EXPECT_EQ(report.substr(report.size() - 23), " * Rulare intrerupta.\r\n");
}

}  // namespace
}  // namespace corvane::testing
