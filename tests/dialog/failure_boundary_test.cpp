// An exception in a SOLVE of the dialog is shown as an "Error" message and the
// dialog goes on, its data file keeping its data.

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "dialog/control_ids.h"
#include "dialog/dialog_controller.h"
#include "dialog/fake_dialog_view.h"
#include "dialog/scripted_platform.h"
#include "support/cli_runner.h"
#include "support/throwing_sink.h"

namespace corvane {
namespace {

using namespace control;

const std::string kSystem = "t\n2 1\n2 1\n1 3\n3 5\n";

TEST(DialogFailure, AnExceptionInASolveIsShownAndTheDialogGoesOn) {
    struct Case {
        const char* name;
        std::function<void()> failure;
        std::string message;
    };
    const Case cases[] = {
        {"out of memory", [] { throw std::bad_alloc(); }, "Not enough memory for this problem."},
        {"standard exception", [] { throw std::runtime_error("the console went away"); }, "the console went away"},
        {"not a standard exception", [] { throw 7; }, "An unexpected failure stopped this action."},
    };
    for (const Case& c : cases) {
        ProblemState state;
        ResultsFile file;
        testing::FakeDialogView view;
        testing::ScriptedPlatform platform;
        testing::ThrowingSink console(c.failure);  // Gauss-Seidel copies its outcome there
        DialogController controller{state, file, view, platform, console};
        controller.start();
        const auto act = [&](int id) {
            view.pressByUser(id);
            controller.onControl(id);
        };
        const std::string path = testing::scratchDirectory("dialog-failure") + "/data.txt";
        testing::writeFile(path, kSystem);
        platform.fileAnswers.push_back(path);
        act(kSelect);
        act(kRead);
        view.setListSelection(kMethodList, 4);
        controller.onControl(kMethodList);
        view.setText(kEps, "1e-4");
        controller.onControl(kEps);
        view.setText(kNlim, "50");
        controller.onControl(kNlim);
        ASSERT_TRUE(view.isEnabled(kSolve)) << c.name;

        act(kSolve);
        ASSERT_EQ(platform.recorded.shown.size(), 1u) << c.name;
        EXPECT_EQ(platform.recorded.shown[0].title, "Error") << c.name;
        EXPECT_EQ(platform.recorded.shown[0].text, c.message) << c.name;
        EXPECT_TRUE(view.isEnabled(kSolve)) << c.name;
        file.close();
        EXPECT_EQ(testing::readFile(path).rfind(kSystem + "\r\nProblema: ", 0), 0u) << c.name;
    }
}

}  // namespace
}  // namespace corvane
