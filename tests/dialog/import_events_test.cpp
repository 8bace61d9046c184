// Importa: a Matrix Market matrix becomes a data file beside it, chosen and
// read at once; the dialog's options say what the file holds; a fault is
// told and writes nothing; an existing data file is replaced only when the
// user agrees.

#include <gtest/gtest.h>

#include <filesystem>

#include "dialog/dialog_fixture.h"

namespace corvane::testing {
namespace {

using namespace control;

constexpr const char* kSymmetric2 = "%%MatrixMarket matrix coordinate real symmetric\n2 2 3\n1 1 4\n2 1 1\n2 2 3\n";

TEST_F(DialogTest, ImportWritesTheDataFileBesideTheMatrixAndReadsIt) {
    const std::string directory = scratchDirectory("dialog-import");
    writeFile(directory + "/spd.mtx", kSymmetric2);
    choose(kMethodList, 1);
    platform.fileAnswers.push_back(directory + "/spd.mtx");
    click(kImport);
    ASSERT_EQ(platform.fileRequests.size(), 1u);
    EXPECT_EQ(platform.fileRequests[0].kind, FileKind::MatrixMarket);
    EXPECT_EQ(readFile(directory + "/spd.dat"), "spd.mtx (Matrix Market)\n2 1\n4 1\n1 3\n5 4\n");
    EXPECT_EQ(view.text(kPath), directory + "/spd.dat");
    EXPECT_EQ(view.text(kOrder), "2");
    EXPECT_TRUE(state.DATE_CITITE);
    click(kSolve);
    EXPECT_NE(readFile(directory + "/spd.dat").find(" x(2) =    1.000000"), std::string::npos) << "x = (1, 1)";

    // An inverse in the symmetric layout: the upper triangle and n alone.
    click(kInversion);
    click(kSymmetric);
    platform.fileAnswers.push_back(directory + "/spd.mtx");
    click(kImport);
    EXPECT_EQ(platform.questions.size(), 1u) << "spd.dat is there: asked before it is replaced";
    EXPECT_EQ(readFile(directory + "/spd.dat").substr(0, 40), "spd.mtx (Matrix Market)\n2\n4 1\n3\n");
}

// Reading, converting and writing run off the dialog's thread (a large matrix
// takes seconds), the Read that follows too; the problem's controls wait for
// both, and a Read cannot be stopped, so neither can the import.
TEST_F(DialogTest, ImportRunsOffTheDialogsThreadAndThenReads) {
    const std::string directory = scratchDirectory("dialog-import-off-thread");
    writeFile(directory + "/spd.mtx", kSymmetric2);
    platform.holdRuns = true;
    platform.fileAnswers.push_back(directory + "/spd.mtx");
    click(kImport);
    ASSERT_TRUE(platform.heldRun.has_value());
    EXPECT_FALSE(platform.heldRun->cancellable);
    EXPECT_FALSE(enabled(kSolve));
    EXPECT_FALSE(enabled(kImport));
    EXPECT_FALSE(std::filesystem::exists(directory + "/spd.dat")) << "written by the run, not before it";

    platform.endHeldRun();
    EXPECT_EQ(readFile(directory + "/spd.dat"), "spd.mtx (Matrix Market)\n2 1\n4 1\n1 3\n5 4\n");
    ASSERT_TRUE(platform.heldRun.has_value()) << "the Read follows as a run of its own";
    EXPECT_FALSE(state.DATE_CITITE);
    platform.endHeldRun();
    EXPECT_TRUE(state.DATE_CITITE);
    EXPECT_EQ(view.text(kOrder), "2");
    EXPECT_TRUE(enabled(kImport));
}

// A file without a header that lists a lower triangle: symmetric under the
// symmetric type, else as the user answers.
TEST_F(DialogTest, ImportAsksWhetherAFileWithoutHeaderIsSymmetric) {
    const std::string directory = scratchDirectory("dialog-import-headerless");
    writeFile(directory + "/lower.mtx", "2 2 3\n1 1 4\n2 1 1\n2 2 3\n");
    const struct {
        bool symmetricType;
        bool answer;
        std::size_t questions;
        std::string matrix;  // the data file's matrix rows
    } cases[] = {
        {false, true, 1, "4 1\n1 3\n"},
        {false, false, 1, "4 0\n1 3\n"},
        {true, false, 0, "4 1\n3\n"},
    };
    for (const auto& c : cases) {
        platform.questions.clear();
        platform.confirmAnswer = c.answer;
        std::filesystem::remove(directory + "/lower.dat");
        click(c.symmetricType ? kSymmetric : kGeneral);
        click(kInversion);
        platform.fileAnswers.push_back(directory + "/lower.mtx");
        click(kImport);
        EXPECT_EQ(platform.questions.size(), c.questions) << c.symmetricType << c.answer;
        EXPECT_EQ(readFile(directory + "/lower.dat"), "lower.mtx (Matrix Market)\n2\n" + c.matrix)
            << c.symmetricType << c.answer;
    }
    // A header behind a UTF-8 byte-order mark is a header: nothing is asked.
    platform.questions.clear();
    writeFile(directory + "/marked.mtx", std::string("\xEF\xBB\xBF") + kSymmetric2);
    click(kGeneral);
    platform.fileAnswers.push_back(directory + "/marked.mtx");
    click(kImport);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(readFile(directory + "/marked.dat"), "marked.mtx (Matrix Market)\n2\n4 1\n1 3\n");
}

TEST_F(DialogTest, AFailedOrRefusedImportLeavesEverythingAsItWas) {
    const std::string directory = scratchDirectory("dialog-import-fault");
    writeFile(directory + "/bad.mtx", "%%MatrixMarket matrix coordinate complex general\n1 1 1\n1 1 1 1\n");
    platform.fileAnswers.push_back(directory + "/bad.mtx");
    click(kImport);
    ASSERT_EQ(platform.recorded.shown.size(), 1u);
    EXPECT_NE(platform.recorded.shown[0].text.find("bad.mtx: line 1: complex entries are not supported"), std::string::npos)
        << platform.recorded.shown[0].text;
    EXPECT_FALSE(std::filesystem::exists(directory + "/bad.dat"));

    writeFile(directory + "/spd.mtx", kSymmetric2);
    writeFile(directory + "/spd.dat", "mine\n");
    platform.confirmAnswer = false;
    platform.fileAnswers.push_back(directory + "/spd.mtx");
    click(kImport);
    EXPECT_EQ(readFile(directory + "/spd.dat"), "mine\n");
    EXPECT_FALSE(state.DATE_CITITE);
}

// A matrix file that cannot be read, a data file that cannot be written
// (a folder stands in its place), and a matrix whose data file would be
// itself: told in the interface language with the file and the reason;
// the matrix file stays as it was.
TEST_F(DialogTest, FileFaultsOfAnImportAreToldInTheInterfaceLanguage) {
    const std::string directory = scratchDirectory("dialog-import-files");
    writeFile(directory + "/blocked.mtx", kSymmetric2);
    std::filesystem::create_directory(directory + "/blocked.dat");
    writeFile(directory + "/itself.dat", kSymmetric2);
    const struct {
        int language;
        std::string chosen;
        std::string message;
    } cases[] = {
        {kEnglishButton, "missing.mtx", "Cannot read the matrix file.\n" + directory + "/missing.mtx\nThe file does not exist."},
        {kRomanianButton, "missing.mtx", "Nu se poate citi fisierul matricei.\n" + directory + "/missing.mtx\nFisierul nu exista."},
        {kEnglishButton, "blocked.mtx", "Cannot write the data file.\n" + directory + "/blocked.dat\nIs a directory."},
        {kEnglishButton, "itself.dat", "The data file would replace the matrix file itself"},
        {kRomanianButton, "itself.dat", "Fisierul de date ar inlocui chiar fisierul matricei"},
    };
    platform.confirmAnswer = true;
    for (const auto& c : cases) {
        click(c.language);
        platform.recorded.shown.clear();
        platform.fileAnswers.push_back(directory + "/" + c.chosen);
        click(kImport);
        ASSERT_EQ(platform.recorded.shown.size(), 1u) << c.chosen;
        EXPECT_EQ(platform.recorded.shown[0].text.rfind(c.message, 0), 0u) << platform.recorded.shown[0].text;
        EXPECT_FALSE(state.DATE_CITITE) << c.chosen;
    }
    EXPECT_EQ(readFile(directory + "/itself.dat"), kSymmetric2);
    EXPECT_FALSE(std::filesystem::exists(directory + "/blocked.dat.part"));
}

}  // namespace
}  // namespace corvane::testing
