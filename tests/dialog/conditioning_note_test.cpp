// After a SOLVE by a direct method the dialog warns, in its language, when
// the matrix leaves few correct digits in x, and says nothing otherwise.

#include <gtest/gtest.h>

#include "dialog/dialog_fixture.h"

namespace corvane::testing {
namespace {

using namespace control;

constexpr const char* kHilbert5 = "Hilbert 5\n5 1\n0\n2.283333 1.45 1.092857 0.8845238 0.7456349\n";

TEST_F(DialogTest, IllConditionedMatrixGetsANoteInTheDialogsLanguage) {
    click(kGenerated);
    choose(kGeneratorList, 1);
    choose(kMethodList, 1);
    selectAndRead("hilbert5.txt", kHilbert5);
    click(kSolve);
    ASSERT_EQ(platform.notes.size(), 1u);
    EXPECT_EQ(platform.notes[0].title, "Atentie");
    EXPECT_EQ(platform.notes[0].text,
              "Matrice prost conditionata: cond1(A) ~ 9.4E+05.\nSolutia x are cam 1 cifra corecta: o diferenta mica la "
              "proba nu inseamna o eroare mica.");

    click(kEnglishButton);
    choose(kMethodList, 2);
    click(kRead);
    click(kSolve);
    ASSERT_EQ(platform.notes.size(), 2u);
    EXPECT_EQ(platform.notes[1].title, "Warning");
    EXPECT_EQ(platform.notes[1].text.rfind("Ill-conditioned matrix: cond1(A) ~ 9.4E+05.\nExpect about 1 correct digit", 0), 0u)
        << platform.notes[1].text;
}

TEST_F(DialogTest, WellConditionedOrIterativeRunsGetNoNote) {
    choose(kMethodList, 1);
    selectAndRead("system3.txt", kSystem3);
    click(kSolve);
    choose(kMethodList, 4);
    type(kEps, "1e-5");
    type(kNlim, "50");
    click(kSolve);
    EXPECT_TRUE(platform.notes.empty());
}

}  // namespace
}  // namespace corvane::testing
