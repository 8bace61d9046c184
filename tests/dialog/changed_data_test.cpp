// SOLVE after a SOLVE without a new Read: the methods work on the matrix and
// the right-hand sides in place, so the dialog asks first whether to read
// the data file again, to solve on what the last run left (as the command
// line's --solves does), or to do nothing.

#include <gtest/gtest.h>

#include "dialog/changed_data_question.h"
#include "dialog/dialog_fixture.h"
#include "direct/cholesky_method.h"

namespace corvane::testing {
namespace {

using namespace control;

constexpr int kGaussEntry = 1;
constexpr int kCholeskyEntry = 3;
constexpr int kGaussSeidelEntry = 4;

// A symmetric positive definite system (upper triangle) whose solution is (1, 1, 1, 1).
constexpr const char* kSymmetric4 =
    "Sistem simetric 4 x 4\r\n4 1\r\n4  1  0  0\r\n   4  1  0\r\n      4  1\r\n         4\r\n5 6 6 5\r\n";

int answer(ChangedDataAnswer a) { return static_cast<int>(a); }

class ChangedDataTest : public DialogTest {
protected:
    // The data file as the command line leaves it after the same SOLVEs
    // pressed `solves` times after one Read.
    std::string commandLineFile(const std::string& data, const std::string& options, int solves) {
        const std::string copy = scratchDirectory("changed-data-cli") + "/data.txt";
        writeFile(copy, data);
        const CliResult result = runCorvane("solve '" + copy + "' " + options + " --solves " + std::to_string(solves));
        EXPECT_EQ(result.status, 0) << result.err;
        return readFile(copy);
    }
};

TEST_F(ChangedDataTest, EachAnswerDoesWhatItSays) {
    struct Case {
        ChangedDataAnswer given;
        int solvesInTheFile;  // the reports the data file holds afterwards, as --solves would leave them
        std::size_t runsAfter;  // Reads and SOLVEs run off the dialog's thread in all
    };
    const Case cases[] = {
        {ChangedDataAnswer::ReadAgain, 1, 4},           // Read, SOLVE, then Read and SOLVE again
        {ChangedDataAnswer::SolveOnChangedData, 2, 3},  // the second SOLVE works on L/U and x
        {ChangedDataAnswer::Cancel, 1, 2},
    };
    for (const Case& c : cases) {
        platform.runs.clear();
        platform.asked.clear();
        const std::string path = selectAndRead("system3.txt", kSystem3);
        choose(kMethodList, kGaussEntry);
        click(kSolve);
        EXPECT_TRUE(platform.asked.empty()) << "the first SOLVE after a Read asks nothing";

        platform.answers.push_back(answer(c.given));
        click(kSolve);
        ASSERT_EQ(platform.asked.size(), 1u);
        EXPECT_EQ(readFile(path), commandLineFile(kSystem3, "--method gauss", c.solvesInTheFile))
            << static_cast<int>(c.given);
        EXPECT_EQ(platform.runs.size(), c.runsAfter) << static_cast<int>(c.given);
        EXPECT_TRUE(enabled(kSolve));
    }
}

TEST_F(ChangedDataTest, TheQuestionIsInTheDialogsLanguageAndPrefersReadingAgain) {
    selectAndRead("system3.txt", kSystem3);
    choose(kMethodList, kGaussEntry);
    click(kSolve);
    click(kEnglishButton);
    platform.answers.push_back(answer(ChangedDataAnswer::Cancel));
    click(kSolve);
    click(kRomanianButton);
    platform.answers.push_back(answer(ChangedDataAnswer::Cancel));
    click(kSolve);
    ASSERT_EQ(platform.asked.size(), 2u);
    const Question& english = platform.asked[0];
    const Question& romanian = platform.asked[1];
    EXPECT_EQ(english.answers, (std::vector<std::string>{"Read again", "Solve on the changed data", "Cancel"}));
    EXPECT_EQ(romanian.answers,
              (std::vector<std::string>{"Citeste din nou", "Rezolva pe datele schimbate", "Anuleaza"}));
    EXPECT_NE(english.text, romanian.text);
    for (const Question& q : platform.asked) {
        EXPECT_EQ(q.preferred, answer(ChangedDataAnswer::ReadAgain));
        EXPECT_EQ(q.escape, answer(ChangedDataAnswer::Cancel));
    }
}

TEST_F(ChangedDataTest, AStoppedSolveCountsARefusedOneDoesNot) {
    selectAndRead("system3.txt", kSystem3);
    choose(kMethodList, kGaussSeidelEntry);
    click(kSolve);  // refused: no EPS, no NLIM, nothing changed
    type(kEps, "1e-5");
    type(kNlim, "50");
    platform.holdRuns = true;
    click(kSolve);
    EXPECT_TRUE(platform.asked.empty());
    platform.endHeldRun(true);  // stopped at its first step: the rows may be scaled already

    platform.answers.push_back(answer(ChangedDataAnswer::Cancel));
    click(kSolve);
    EXPECT_EQ(platform.asked.size(), 1u);
    EXPECT_FALSE(platform.heldRun.has_value());

    click(kRead);
    platform.endHeldRun();
    click(kSolve);
    EXPECT_EQ(platform.asked.size(), 1u) << "a Read starts afresh";
}

// Cholesky factorises the triangle kept at the Read on every SOLVE, but it
// too replaces the right-hand sides by the solutions.
TEST_F(ChangedDataTest, CholeskyIsAskedAsWellAndKeepsItsOwnRule) {
    choose(kMethodList, kCholeskyEntry);
    const std::string path = selectAndRead("spd4.txt", kSymmetric4);
    click(kSolve);
    const std::string once = readFile(path);
    click(kSolve);  // Enter: read again
    ASSERT_EQ(platform.asked.size(), 1u);
    EXPECT_EQ(readFile(path), once);
    platform.answers.push_back(answer(ChangedDataAnswer::SolveOnChangedData));
    click(kSolve);
    EXPECT_EQ(readFile(path), commandLineFile(kSymmetric4, "--matrix symmetric --method cholesky", 2));

    // Read for Gauss, Cholesky has no triangle: solving on the data as they
    // are is refused as before, reading again reads the triangle.
    choose(kMethodList, kGaussEntry);
    click(kRead);
    click(kSolve);
    choose(kMethodList, kCholeskyEntry);
    platform.answers.push_back(answer(ChangedDataAnswer::SolveOnChangedData));
    click(kSolve);
    EXPECT_EQ(platform.recorded.shown.back().text, kCholeskyNeedsPackedInput);
    click(kSolve);
    EXPECT_EQ(platform.asked.size(), 4u);
    EXPECT_EQ(readFile(path), once);
}

}  // namespace
}  // namespace corvane::testing
