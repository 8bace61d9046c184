// Pas cu pas: there once the data are read and a method chosen, it shows the
// chosen method's steps on the data as read (also after a SOLVE worked on
// them), in the dialog's language; a problem too large to follow, or one the
// SOLVE would refuse, is told instead; and the window changes nothing of the
// report a SOLVE writes.

#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace corvane::testing {
namespace {

using namespace control;

std::string twelvePlusOne() {
    std::string text = "13 x 13\r\n13 1\r\n";
    for (int i = 1; i <= 13; ++i) {
        for (int j = 1; j <= 13; ++j) text += i == j ? "4 " : "1 ";
        text += "\r\n";
    }
    for (int i = 1; i <= 13; ++i) text += "1 ";
    return text + "\r\n";
}

TEST_F(DialogTest, StepsShowTheChosenMethodOnTheDataAsRead) {
    EXPECT_FALSE(enabled(kSteps));
    selectAndRead("system3.txt", kSystem3);
    EXPECT_FALSE(enabled(kSteps)) << "no method chosen yet";
    choose(kMethodList, 1);
    EXPECT_TRUE(enabled(kSteps));
    click(kSolve);  // leaves the factors in A and x in B
    click(kEnglishButton);
    click(kSteps);
    ASSERT_EQ(platform.stepsShown.size(), 1u);
    const StepsRequest& request = platform.stepsShown[0];
    EXPECT_EQ(request.language, kEnglish);
    EXPECT_EQ(request.steps.method, Method::Gauss);
    ASSERT_EQ(request.steps.steps.size(), 6u) << "the data, two elimination steps, three x(i)";
    EXPECT_EQ(request.steps.steps[0].A(2, 1), 3.0f) << "the matrix as read, not the factors";
    EXPECT_EQ(request.steps.steps.back().B(3, 1), state.B(3, 1)) << "the x the SOLVE reported";

    click(kCondition);
    EXPECT_FALSE(enabled(kSteps)) << "a condition number has no steps of a method";
}

TEST_F(DialogTest, StepsTellWhyTheyAreNotShown) {
    choose(kMethodList, 1);
    selectAndRead("big.txt", twelvePlusOne());
    click(kSteps);
    EXPECT_TRUE(platform.stepsShown.empty());
    ASSERT_EQ(platform.recorded.shown.size(), 1u);
    EXPECT_EQ(platform.recorded.shown[0].text, "Pas cu pas: ordinul n = 13 este prea mare; pasii se arata pentru n <= 12.");
    EXPECT_EQ(platform.recorded.shown[0].title, "Info");

    selectAndRead("system3.txt", kSystem3);
    choose(kMethodList, 4);  // Gauss-Seidel without EPS and NLIM
    click(kSteps);
    EXPECT_TRUE(platform.stepsShown.empty());
    ASSERT_EQ(platform.recorded.shown.size(), 2u);
    EXPECT_EQ(platform.recorded.shown[1].text, message::kEnterEpsNlim);
    EXPECT_EQ(platform.recorded.shown[1].title, message::kErrorTitle);
}

// The same Read and SOLVE with and without the steps looked at in between
// write the same bytes.
TEST_F(DialogTest, LookingAtTheStepsLeavesTheReportAsItIs) {
    std::string reports[2];
    for (int withSteps = 0; withSteps < 2; ++withSteps) {
        choose(kMethodList, 2);
        click(kPrintMatrix);
        const std::string path = selectAndRead("system3-" + std::to_string(withSteps) + ".txt", kSystem3);
        if (withSteps == 1) click(kSteps);
        click(kSolve);
        if (withSteps == 1) click(kSteps);
        click(kSolve);
        reports[withSteps] = readFile(path);
        click(kPrintMatrix);
    }
    EXPECT_EQ(platform.stepsShown.size(), 2u);
    EXPECT_EQ(reports[0], reports[1]);
}

}  // namespace
}  // namespace corvane::testing
