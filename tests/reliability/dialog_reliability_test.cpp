// The same bad inputs, failed writes and outside changes met through the main
// dialog: a message, SOLVE disabled or the run stopped, the data as they were,
// and the dialog still working.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/solve_options.h"
#include "dialog/changed_data_question.h"
#include "dialog/dialog_fixture.h"
#include "reliability/bad_inputs.h"
#include "reliability/read_only_descriptor.h"

namespace corvane::testing {
namespace {

using namespace control;

class DialogReliabilityTest : public DialogTest {
protected:
    void chooseProblem(const ProblemChoice& choice) {
        click(choice.problem == "inverse" ? kInversion : kSystem);
        click(choice.matrix == "symmetric" ? kSymmetric : kGeneral);
        if (choice.generator.empty()) {
            click(kDataFile);
        } else {
            click(kGenerated);
            choose(kGeneratorList, testMatrixPosition(choice.generator));
        }
        choose(kMethodList, 1);
    }

    const ShownMessage& lastMessage() const { return platform.recorded.shown.back(); }
};

TEST_F(DialogReliabilityTest, ReadErrorsLeaveTheFileAsItWasAndSolveDisabled) {
    for (const BadInput& c : badInputs()) {
        chooseProblem(c.choice);
        const std::size_t shown = platform.recorded.shown.size();
        const std::string path = selectAndRead("data.txt", c.text);
        ASSERT_EQ(platform.recorded.shown.size(), shown + 1) << c.name;
        EXPECT_EQ(lastMessage().title, c.title) << c.name;
        EXPECT_EQ(lastMessage().text, c.message) << c.name;
        EXPECT_EQ(lastMessage().icon, MessageIcon::Error) << c.name;
        EXPECT_FALSE(enabled(kSolve)) << c.name;
        EXPECT_TRUE(readFile(path) == c.text) << c.name << ": the data file was changed";
    }
}

TEST_F(DialogReliabilityTest, OddButValidInputsAreSolved) {
    for (const OddButValid& c : oddButValidInputs()) {
        chooseProblem(c.choice);
        const std::size_t shown = platform.recorded.shown.size();
        const std::string path = selectAndRead("data.txt", c.text);
        ASSERT_EQ(platform.recorded.shown.size(), shown) << c.name << ": " << lastMessage().text;
        click(kSolve);
        const std::string after = readFile(path);
        EXPECT_TRUE(after.compare(0, c.text.size(), c.text) == 0) << c.name << ": the data were changed";
        EXPECT_NE(after.find(c.solutionLine + "\r\n", c.text.size()), std::string::npos) << c.name;
    }
}

TEST_F(DialogReliabilityTest, FailedWriteStopsTheRunAndTheDialogGoesOn) {
    const std::string text = std::string(kSystem3) + "\r\nProblema: Sistem liniar\r\nan earlier report\r\n";
    choose(kMethodList, 1);
    const std::string path = selectAndRead("data.txt", text);
    ASSERT_TRUE(stopWritesThroughOpenDescriptor(path));
    click(kSolve);
    ASSERT_FALSE(platform.recorded.shown.empty());
    EXPECT_EQ(lastMessage().title, "Error");
    EXPECT_EQ(lastMessage().text.rfind("cannot write the results file: ", 0), 0u) << lastMessage().text;
    EXPECT_EQ(readFile(path), text);
    EXPECT_TRUE(enabled(kSolve) && enabled(kRead) && enabled(kSelect));

    select(path);  // the file is fine again once chosen anew
    click(kRead);
    click(kSolve);
    const std::string after = readFile(path);
    EXPECT_EQ(after.rfind(std::string(kSystem3) + "\r\nProblema: Sistem liniar\r\n", 0), 0u) << after;
    EXPECT_NE(after.find(" x(3) =    3.000000    \r\n"), std::string::npos) << after;
}

// Another program (an editor other than Deschide) changes the data between
// Read and SOLVE: the report would be cut into the new data at the old place.
TEST_F(DialogReliabilityTest, DataChangedByAnotherProgramAfterTheRead) {
    choose(kMethodList, 1);
    const std::string path = selectAndRead("data.txt", kSystem3);
    const std::string changed = "Sistem 3 x 3, cu un titlu mai lung\r\n3 1\r\n 4 -2 1\r\n 3 6 -4\r\n 2 1 8\r\n 4 4 29\r\n";
    writeFile(path, changed);
    click(kSolve);
    ASSERT_FALSE(platform.recorded.shown.empty());
    EXPECT_EQ(lastMessage().title, "Error");
    EXPECT_EQ(lastMessage().text, "cannot write the results file: it was changed after the Read; read it again");
    EXPECT_EQ(readFile(path), changed);

    click(kRead);
    click(kSolve);
    const std::string after = readFile(path);
    EXPECT_EQ(after.rfind(changed + "\r\nProblema: ", 0), 0u) << after;
}

// An editor saves by writing a new file and renaming it over the old one:
// SOLVE must not write into the old, nameless file, and Read takes the new one.
TEST_F(DialogReliabilityTest, DataReplacedUnderTheirNameAfterASolve) {
    choose(kMethodList, 1);
    const std::string path = selectAndRead("data.txt", kSystem3);
    click(kSolve);
    const std::string replacement = "Sistem 2 x 2\n2 1\n 2 0\n 0 4\n 2 4\n";
    writeFile(path + ".tmp", replacement);
    std::filesystem::rename(path + ".tmp", path);

    const std::size_t shown = platform.recorded.shown.size();
    platform.answers.push_back(static_cast<int>(ChangedDataAnswer::SolveOnChangedData));
    click(kSolve);
    ASSERT_EQ(platform.recorded.shown.size(), shown + 1);
    EXPECT_EQ(lastMessage().text, "cannot write the results file: it was changed after the Read; read it again");
    EXPECT_EQ(readFile(path), replacement);

    click(kRead);
    EXPECT_EQ(view.text(kOrder), "2");
    click(kSolve);
    const std::string after = readFile(path);
    EXPECT_EQ(after.rfind(replacement + "\r\nProblema: ", 0), 0u) << after;
    EXPECT_NE(after.find(" x(2) =    1.000000    \r\n"), std::string::npos) << after;
}

TEST_F(DialogReliabilityTest, NotesAddedAfterTheDataAreReplacedByTheReport) {
    choose(kMethodList, 1);
    const std::string path = selectAndRead("data.txt", kSystem3);
    writeFile(path, std::string(kSystem3) + "notes below the data\r\n");
    click(kSolve);
    const std::string after = readFile(path);
    EXPECT_EQ(after.rfind(std::string(kSystem3) + "\r\nProblema: ", 0), 0u) << after;
    EXPECT_EQ(after.find("notes"), std::string::npos);
}

}  // namespace
}  // namespace corvane::testing
