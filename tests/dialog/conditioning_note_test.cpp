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
    // The right-hand side is the row sums: x should be ones, and the note
    // says how far it is, beside the small residual.
    EXPECT_EQ(platform.notes[0].text,
              "Matrice prost conditionata: cond1(A) ~ 9.4E+05.\nSolutia x are cam 1 cifra corecta: o diferenta mica la "
              "proba nu inseamna o eroare mica.\n\nFata de solutia exacta (1, ..., 1):\nx nr. 1: eroare max |x - x_exact| = "
              "1.4E-02, relativa 1.4E-02; diferenta max |A*x - b| = 5.3E-08");

    click(kEnglishButton);
    choose(kMethodList, 2);
    click(kRead);
    click(kSolve);
    ASSERT_EQ(platform.notes.size(), 2u);
    EXPECT_EQ(platform.notes[1].title, "Warning");
    EXPECT_EQ(platform.notes[1].text.rfind("Ill-conditioned matrix: cond1(A) ~ 9.4E+05.\nExpect about 1 correct digit", 0), 0u)
        << platform.notes[1].text;
}

TEST_F(DialogTest, HilbertInverseIsMeasuredAgainstItsExactInverse) {
    click(kEnglishButton);
    click(kGenerated);
    choose(kGeneratorList, 1);
    click(kInversion);
    choose(kMethodList, 2);
    selectAndRead("hilbert6.txt", "Hilbert 6\n6 0\n0\n");
    click(kSolve);
    ASSERT_EQ(platform.notes.size(), 1u);
    EXPECT_EQ(platform.notes[0].title, "Warning");
    const std::string& text = platform.notes[0].text;
    const std::size_t errors = text.find("\n\nAgainst the exact inverse of the Hilbert matrix:\nX: error max |X - X_exact| = ");
    ASSERT_NE(errors, std::string::npos) << text;
    EXPECT_NE(text.find("; residual max |A*X - I| = ", errors), std::string::npos) << text;
}

// Read with the entries replaced by their reciprocals names, in the
// dialog's language, the first entry whose reciprocal is infinite.
TEST_F(DialogTest, AZeroEntryUnderReciprocalsGetsANoteAfterTheRead) {
    click(kInvertEntries);
    selectAndRead("zero.txt", "t\n2 1\n2 3\n0 8\n1 1\n");
    click(kEnglishButton);
    click(kRead);
    const struct {
        const char* title;
        const char* start;
    } expected[] = {
        {"Inversele elementelor", "Elementul din linia 2, coloana 1 este 0: inversul sau este infinit"},
        {"Reciprocals", "The entry in row 2, column 1 is 0: its reciprocal is infinite"},
    };
    ASSERT_EQ(platform.notes.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        EXPECT_EQ(platform.notes[k].title, expected[k].title);
        EXPECT_EQ(platform.notes[k].text.rfind(expected[k].start, 0), 0u) << platform.notes[k].text;
    }
    click(kInvertEntries);
    click(kRead);
    EXPECT_EQ(platform.notes.size(), 2u) << "no note for the entries as they are";
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

// Compara is there for a read system or inverse, and hands the comparison
// the data as read, even after a SOLVE worked on them, with the exact answer
// when the dialog knows it.
TEST_F(DialogTest, CompareGetsTheDataAsReadAndTheKnownAnswer) {
    EXPECT_FALSE(view.isEnabled(kCompare));
    click(kGenerated);
    choose(kGeneratorList, 1);
    choose(kMethodList, 1);
    selectAndRead("hilbert5.txt", kHilbert5);
    EXPECT_TRUE(view.isEnabled(kCompare));
    click(kSolve);
    click(kCompare);
    ASSERT_EQ(platform.comparisons.size(), 1u);
    const ComparisonRequest& request = platform.comparisons[0];
    EXPECT_EQ(request.read.A(2, 3), 1.0f / 4.0f) << "the Hilbert matrix, not Gauss's factors";
    EXPECT_EQ(request.read.B(1, 1), 2.283333f);
    ASSERT_TRUE(request.exact) << "the right-hand side is the row sums";
    EXPECT_EQ((*request.exact)(5, 1), 1.0);
    EXPECT_EQ(request.language, 1);

    click(kCondition);
    EXPECT_FALSE(view.isEnabled(kCompare)) << "a condition number has no x to compare";
}

}  // namespace
}  // namespace corvane::testing
