// The help windows, the saved data-file help, the help file on generated
// matrices and the About box.

#include <gtest/gtest.h>

#include <filesystem>

#include "dialog/dialog_fixture.h"
#include "dialog/generated_matrix_help.h"

namespace corvane::testing {
namespace {

using namespace control;

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::size_t indexOf(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

// Runs the test in a fresh current directory.
class HelpTest : public DialogTest {
protected:
    HelpTest() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(scratchDirectory("dialog-help"));
    }
    ~HelpTest() override { std::filesystem::current_path(previous_); }

    // Opens the data-file help and presses its save button once.
    void saveDataFileHelp(const std::optional<std::string>& answer) {
        platform.fileAnswers.push_back(answer);
        platform.whileDataFileHelpOpen = [](const std::function<void()>& save) { save(); };
        click(kDataFileHelp);
    }

private:
    std::filesystem::path previous_;
};

TEST_F(HelpTest, DataFileHelpInBothLanguages) {
    click(kDataFileHelp);
    click(kEnglishButton);
    click(kDataFileHelp);
    ASSERT_EQ(platform.dataFileHelps.size(), 2u);

    const DataFileHelpWindow& ro = platform.dataFileHelps[0];
    EXPECT_EQ(ro.title, "Structura Fisierului de Intrare");
    EXPECT_EQ(ro.saveCaption, "Salveaza in Fisier");
    std::vector<std::string> roLines = splitLines(ro.layoutText);
    ASSERT_EQ(roLines.size(), 19u);
    EXPECT_EQ(roLines[3], std::string(35, '-'));
    EXPECT_EQ(roLines[13], std::string(30, '-'));
    EXPECT_EQ(splitLines(ro.kindsText)[1], std::string(52, '-'));

    const DataFileHelpWindow& en = platform.dataFileHelps[1];
    EXPECT_EQ(en.title, "Input File Structure");
    EXPECT_EQ(en.saveCaption, "Save to File");
    std::vector<std::string> enLines = splitLines(en.layoutText);
    ASSERT_EQ(enLines.size(), 20u);
    std::size_t heading = indexOf(enLines, "B. Generatd Matrix:");
    ASSERT_LT(heading, enLines.size());
    EXPECT_EQ(enLines[heading - 1], "");  // two empty lines before it
    EXPECT_EQ(enLines[heading - 2], "");
    EXPECT_NE(enLines[heading - 3], "");
    EXPECT_EQ(enLines.back(), "4)    Right-Hand Sides, written on lines (from 1 to nb).");
}

TEST_F(HelpTest, SavedHelpHasExactUnderlinesAndNoTrailingBlanks) {
    click(kEnglishButton);
    saveDataFileHelp("Input File Structure.txt");

    ASSERT_EQ(platform.fileRequests.size(), 1u);
    const FileRequest& request = platform.fileRequests[0];
    EXPECT_EQ(request.title, "Selecteaza Fisierul");
    EXPECT_EQ(request.kind, FileKind::Text);
    EXPECT_EQ(request.proposedName, "Input File Structure.txt");
    EXPECT_TRUE(request.confirmReplace);

    std::string text = readFile("Input File Structure.txt");
    std::vector<std::string> lines = splitLines(text);
    EXPECT_EQ(lines[indexOf(lines, "A. Matrix Read from File:") + 1], std::string(25, '-'));
    EXPECT_EQ(lines[indexOf(lines, "B. Generatd Matrix:") + 1], std::string(19, '-'));
    std::size_t kinds = indexOf(lines, " Data for PROBLEM KIND:");
    ASSERT_LT(kinds, lines.size());
    EXPECT_EQ(lines[kinds + 1], " " + std::string(22, '-'));
    // The first text, its line break and two empty lines, then the second text.
    EXPECT_EQ(lines[kinds - 1], "");
    EXPECT_EQ(lines[kinds - 2], "");
    EXPECT_EQ(lines[kinds - 3], "4)    Right-Hand Sides, written on lines (from 1 to nb).");
    EXPECT_TRUE(text.ends_with("(Only \"n\" is read from this line).\r\n\r\n")) << text;
    for (const std::string& line : lines) EXPECT_FALSE(line.ends_with(" ")) << "[" << line << "]";

    ASSERT_EQ(platform.recorded.shown.size(), 1u);
    EXPECT_EQ(platform.recorded.shown[0].text, "Input File Structure.txt");
    EXPECT_EQ(platform.recorded.shown[0].title, "Fisier salvat");
    EXPECT_EQ(platform.recorded.shown[0].icon, MessageIcon::Information);

    saveDataFileHelp("Input File Structure.txt");  // saved again: one copy, not two
    EXPECT_EQ(readFile("Input File Structure.txt"), text);
}

TEST_F(HelpTest, SavedRomanianHelpUnderlines) {
    saveDataFileHelp("ro.txt");
    EXPECT_EQ(platform.fileRequests[0].proposedName, "Structura fisierului de intrare.txt");
    std::vector<std::string> lines = splitLines(readFile("ro.txt"));
    EXPECT_EQ(lines[indexOf(lines, "A. Matrice citita din fiser:") + 1], std::string(28, '-'));
    EXPECT_EQ(lines[indexOf(lines, "B. Matrice generata:") + 1], std::string(20, '-'));
    EXPECT_EQ(lines[indexOf(lines, " Datele pentru TIPUL de PROBLEMA:") + 1], " " + std::string(32, '-'));
}

TEST_F(HelpTest, CancelledSaveWritesNothing) {
    saveDataFileHelp(std::nullopt);
    ASSERT_EQ(platform.recorded.shown.size(), 1u);
    EXPECT_EQ(platform.recorded.shown[0].text, "Can not create \"Save File\".");
    EXPECT_EQ(platform.recorded.shown[0].title, "Error");
    EXPECT_EQ(platform.recorded.shown[0].icon, MessageIcon::Error);
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::current_path()));
}

TEST_F(HelpTest, SaveThatCannotWriteClaimsNothing) {
    saveDataFileHelp("no-such-directory/help.txt");
    EXPECT_TRUE(platform.recorded.shown.empty());
}

TEST_F(HelpTest, IterationHelpAndAboutFollowTheLanguage) {
    click(kIterationHelp);
    click(kAbout);
    click(kEnglishButton);
    click(kIterationHelp);
    click(kAbout);
    click(kRomanianButton);
    click(kAbout);

    ASSERT_EQ(platform.iterationHelps.size(), 2u);
    EXPECT_EQ(platform.iterationHelps[0].title, "Parametri Gauss-Seidel si SOR");
    EXPECT_EQ(platform.iterationHelps[1].title, "Gauss-Seidel and SOR Parameters");
    EXPECT_EQ(platform.iterationHelps[1].nlimText, " NLIM:\r\n\r\n Limit Number of Iterations.");

    ASSERT_EQ(platform.abouts.size(), 3u);
    EXPECT_EQ(platform.abouts[0].title, "Despre program");
    EXPECT_EQ(platform.abouts[0].text, std::string(" Rezolvitor Corvane\r\n\r\n Versiune ") + CORVANE_VERSION);
    EXPECT_EQ(platform.abouts[1].title, "About Program");
    EXPECT_EQ(platform.abouts[1].text, std::string(" Corvane Solver\r\n\r\n Version ") + CORVANE_VERSION);
    EXPECT_EQ(platform.abouts[2].title, "Despre program");
}

TEST_F(HelpTest, GeneratedMatrixHelpIsWrittenWhenMissing) {
    click(kGeneratorHelp);
    ASSERT_EQ(platform.recorded.shown.size(), 1u);
    EXPECT_EQ(platform.recorded.shown[0].text, "A fost creat fisierul:\n\"Help-Generare.txt\"");
    EXPECT_EQ(platform.recorded.shown[0].title, "Info");
    EXPECT_EQ(platform.recorded.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(platform.edited, (std::vector<std::string>{"Help-Generare.txt"}));

    std::string text = readFile("Help-Generare.txt");
    std::vector<std::string> lines = splitLines(text);
    ASSERT_EQ(lines.size(), 140u);
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_EQ(lines[0], "MATRICI GENERATE");
    EXPECT_EQ(lines[12], "\t1\t1/2\t\t...\t1/n");
    EXPECT_EQ(lines[100], "\t1/3\t 1/5  1/7  1/11 1/10");
    EXPECT_EQ(lines[138], std::string(62, '='));
    EXPECT_EQ(lines[139], "");
    for (const std::string& line : lines) {
        EXPECT_FALSE(line.ends_with(" ")) << "[" << line << "]";
        EXPECT_LE(line.size(), 90u);
    }

    click(kGeneratorHelp);  // found now: straight to the editor
    EXPECT_EQ(platform.recorded.shown.size(), 1u);
    EXPECT_EQ(platform.edited.size(), 2u);

    std::filesystem::remove("Help-Generare.txt");
    click(kGeneratorHelp);
    EXPECT_EQ(platform.recorded.shown.size(), 2u);
    EXPECT_EQ(readFile("Help-Generare.txt"), text);
}

TEST_F(HelpTest, GeneratedMatrixHelpInEnglishHasItsOwnNameAndTheSameText) {
    click(kEnglishButton);
    click(kGeneratorHelp);
    ASSERT_EQ(platform.recorded.shown.size(), 1u);
    EXPECT_EQ(platform.recorded.shown[0].text, "File has been created:\n\"Generate-Help.txt\"");
    EXPECT_EQ(platform.edited, (std::vector<std::string>{"Generate-Help.txt"}));
    ASSERT_TRUE(CREATE_GEN_HELPFILE("reference.txt"));
    EXPECT_EQ(readFile("Generate-Help.txt"), readFile("reference.txt"));
}

TEST_F(HelpTest, GeneratedMatrixHelpThatCannotBeWrittenStillOpensTheEditor) {
    std::filesystem::create_directory("Help-Generare.txt");  // a directory in the way
    click(kGeneratorHelp);
    EXPECT_TRUE(platform.recorded.shown.empty());  // nothing claimed as created
    EXPECT_EQ(platform.edited, (std::vector<std::string>{"Help-Generare.txt"}));
}

}  // namespace
}  // namespace corvane::testing
