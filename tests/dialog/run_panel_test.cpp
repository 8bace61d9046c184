// The panel under the buttons after a SOLVE: what the run copied to
// standard output, and a small pivot that stopped Gauss or the inversion of
// the condition number, told in the interface language (and told again in
// the other when the language changes).

#include <gtest/gtest.h>

#include <functional>

#include "dialog/dialog_fixture.h"

namespace corvane::testing {
namespace {

using namespace control;

constexpr int kHilbertEntry = 1;
constexpr int kGaussEntry = 1;
constexpr int kInfinityNormEntry = 1;

class RunPanelTest : public DialogTest {
protected:
    // A generated Hilbert matrix of order n read for the chosen problem.
    void readHilbert(int n) {
        click(kGenerated);
        choose(kGeneratorList, kHilbertEntry);
        const std::string order = std::to_string(n);
        selectAndRead("hilbert" + order + ".txt", "Hilbert " + order + "\n" + order + " 1\n0\n" +
                                                      std::string(static_cast<std::size_t>(2 * n), ' ') + "\n");
    }
};

TEST_F(RunPanelTest, ASmallPivotIsToldInTheDialogsLanguage) {
    struct Case {
        const char* name;
        std::function<void()> choose;
        int order;
        const char* romanian;
        const char* english;
    };
    const Case cases[] = {
        {"Gauss on a system", [this] { choose(kMethodList, kGaussEntry); }, 8,
         "Gauss: |pivot| = 1.2E-07 < 1.0E-06 la linia 7.\nSistemul nu se poate rezolva.",
         "Gauss: |pivot| = 1.2E-07 < 1.0E-06 at row 7.\nThe system cannot be solved."},
        {"Gauss inverting", [this] {
             click(kInversion);
             choose(kMethodList, kGaussEntry);
         }, 8,
         "Gauss: |pivot| = 1.2E-07 < 1.0E-06 la linia 7.\nMatricea nu se poate inversa.",
         "Gauss: |pivot| = 1.2E-07 < 1.0E-06 at row 7.\nThe matrix cannot be inverted."},
        {"the condition number's inversion",
         [this] {
             click(kCondition);
             choose(kNormList, kInfinityNormEntry);
         }, 12,
         "Inversare: |pivot| = 8.9E-09 < 1.0E-08 la linia 11.\nMatrice aproape singulara: fara numar de conditie.",
         "Inversion: |pivot| = 8.9E-09 < 1.0E-08 at row 11.\nNearly singular matrix: no condition number."},
    };
    for (const Case& c : cases) {
        click(kSystem);
        c.choose();
        readHilbert(c.order);
        click(kSolve);
        EXPECT_EQ(view.text(kRunLines), c.romanian) << c.name;
        click(kEnglishButton);
        EXPECT_EQ(view.text(kRunLines), c.english) << c.name;
        click(kRomanianButton);
        EXPECT_EQ(view.text(kRunLines), c.romanian) << c.name;
        EXPECT_TRUE(platform.recorded.shown.empty()) << c.name;
    }
}

TEST_F(RunPanelTest, TheNextSolveReplacesThePivotLine) {
    choose(kMethodList, kGaussEntry);
    readHilbert(8);
    click(kSolve);
    ASSERT_NE(view.text(kRunLines), "");
    click(kDataFile);
    selectAndRead("system3.txt", kSystem3);
    click(kSolve);
    EXPECT_EQ(view.text(kRunLines), "");
}

}  // namespace
}  // namespace corvane::testing
