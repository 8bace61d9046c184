// Choosing, reading, solving into and viewing the results file.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "dialog/changed_data_question.h"
#include "dialog/dialog_fixture.h"
#include "dialog/file_pages.h"

namespace corvane::testing {
namespace {

using namespace control;

const ShownMessage kCannotOpen{"Can not open/create \"Result File\".", "Error", MessageIcon::Error};

void expectMessage(const ShownMessage& shown, const ShownMessage& expected) {
    EXPECT_EQ(shown.text, expected.text);
    EXPECT_EQ(shown.title, expected.title);
    EXPECT_EQ(shown.icon, expected.icon);
}

TEST_F(DialogTest, SelectAsksForADataFileInTheCurrentDirectory) {
    std::string path = scratchDirectory("dialog-select") + "/data.dat";
    writeFile(path, kSystem3);
    select(path);
    ASSERT_EQ(platform.fileRequests.size(), 1u);
    const FileRequest& request = platform.fileRequests[0];
    EXPECT_EQ(request.title, "Selecteaza Fisierul");
    EXPECT_EQ(request.kind, FileKind::Data);
    EXPECT_EQ(request.proposedName, "");
    EXPECT_EQ(request.initialDirectory, std::filesystem::current_path().string());
    EXPECT_FALSE(request.confirmReplace);

    EXPECT_EQ(view.text(kPath), path);
    EXPECT_EQ(state.FNAME, path);
    EXPECT_TRUE(file.isOpen());
    EXPECT_TRUE(enabled(kOpen) && enabled(kRead));
    EXPECT_FALSE(enabled(kSolve));

    select(path);  // the previous choice is proposed
    EXPECT_EQ(platform.fileRequests[1].proposedName, path);
}

TEST_F(DialogTest, SelectingANewFileCreatesItEmpty) {
    std::string path = scratchDirectory("dialog-new") + "/new.dat";
    select(path);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_TRUE(enabled(kRead));
    EXPECT_FALSE(enabled(kSolve));
    EXPECT_TRUE(platform.recorded.shown.empty());
}

TEST_F(DialogTest, CancelledFirstSelectLeavesEverythingClosed) {
    platform.fileAnswers.push_back(std::nullopt);
    click(kSelect);
    ASSERT_EQ(platform.recorded.shown.size(), 1u);
    expectMessage(platform.recorded.shown[0], kCannotOpen);
    EXPECT_FALSE(enabled(kOpen) || enabled(kRead) || enabled(kSolve));
    EXPECT_FALSE(file.isOpen());
}

TEST_F(DialogTest, CancelledSelectAfterAReadClosesTheFileAndClearsTheFields) {
    std::string path = selectAndRead("system3.txt", kSystem3);
    choose(kMethodList, 1);
    ASSERT_TRUE(enabled(kSolve));
    ASSERT_EQ(view.text(kOrder), "3");

    platform.fileAnswers.push_back(std::nullopt);
    click(kSelect);
    expectMessage(platform.recorded.shown.back(), kCannotOpen);
    EXPECT_EQ(view.text(kPath), "");
    EXPECT_EQ(view.text(kOrder), "");
    EXPECT_EQ(view.text(kRhsCount), "");
    EXPECT_FALSE(state.DATE_CITITE);
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(enabled(kSolve) || enabled(kOpen) || enabled(kRead));
    EXPECT_EQ(state.FNAME, path);  // proposed again next time

    select(path);
    EXPECT_TRUE(enabled(kOpen) && enabled(kRead));
}

// The message for a chosen file that cannot be opened: its path and why.
ShownMessage cannotOpen(const std::string& path, const std::string& reason) {
    return {std::string(kCannotOpen.text) + "\n" + path + "\n" + reason, "Error", MessageIcon::Error};
}

TEST_F(DialogTest, AFileThatCannotBeOpenedIsReportedWithItsReasonAndLeavesNothingOpen) {
    std::string directory = scratchDirectory("dialog-unopenable");
    struct Case {
        std::string path;
        const char* romanian;
        const char* english;
    };
    const Case cases[] = {
        {directory, "Este un director, nu un fisier.", "It is a folder, not a file."},  // a directory is no results file
        {directory + "/missing/data.txt", "Directorul nu exista.", "No such file or directory."},
    };
    for (const Case& c : cases) {
        for (int language : {kRomanianButton, kEnglishButton}) {
            click(language);
            platform.recorded.shown.clear();
            select(c.path);
            ASSERT_EQ(platform.recorded.shown.size(), 1u);
            expectMessage(platform.recorded.shown[0],
                          cannotOpen(c.path, language == kEnglishButton ? c.english : c.romanian));
            EXPECT_EQ(view.text(kPath), "");
            EXPECT_FALSE(file.isOpen());
            EXPECT_FALSE(enabled(kOpen) || enabled(kRead));
        }
    }
}

TEST_F(DialogTest, AReadOnlyDataFileIsToldAsSuch) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write a read-only file";
    std::string path = scratchDirectory("dialog-read-only") + "/data.txt";
    writeFile(path, kSystem3);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);  // 0444
    select(path);
    click(kEnglishButton);
    select(path);
    ASSERT_EQ(platform.recorded.shown.size(), 2u);
    expectMessage(platform.recorded.shown[0],
                  cannotOpen(path, "Fisierul este doar pentru citire: datele se pot citi, dar rapoartele nu se pot "
                                   "scrie in el."));
    expectMessage(platform.recorded.shown[1],
                  cannotOpen(path, "The file is read-only: its data can be read, but no report can be written into it."));
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(readFile(path), kSystem3);
}

TEST_F(DialogTest, ReadTakesTheFileBackOnceItIsRestoredUnderItsName) {
    const std::string path = selectAndRead("system3.txt", kSystem3);
    choose(kMethodList, 1);
    click(kSolve);
    const std::string solved = readFile(path);
    std::filesystem::remove(path);
    platform.answers.push_back(static_cast<int>(ChangedDataAnswer::SolveOnChangedData));
    click(kSolve);
    EXPECT_EQ(platform.recorded.shown.back().text,
              "cannot write the results file: it was changed after the Read; read it again");

    // The path names no file: the Read tells why, in the dialog's language,
    // and creates nothing.
    for (auto [language, reason] : {std::pair{kRomanianButton, "Fisierul nu exista."},
                                    std::pair{kEnglishButton, "The file does not exist."}}) {
        click(language);
        platform.recorded.shown.clear();
        click(kRead);
        ASSERT_EQ(platform.recorded.shown.size(), 1u);
        expectMessage(platform.recorded.shown[0], cannotOpen(path, reason));
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_FALSE(state.DATE_CITITE);
        EXPECT_EQ(view.text(kOrder), "");
        EXPECT_FALSE(enabled(kSolve));
        EXPECT_TRUE(enabled(kRead) && enabled(kOpen)) << "the file may come back";
    }

    writeFile(path, kSystem3);
    platform.recorded.shown.clear();
    click(kRead);
    EXPECT_TRUE(platform.recorded.shown.empty());
    EXPECT_TRUE(state.DATE_CITITE);
    EXPECT_EQ(view.text(kOrder), "3");
    click(kSolve);
    EXPECT_EQ(readFile(path), solved);
}

TEST_F(DialogTest, ReadShowsTheSizesWithTheWaitCursor) {
    selectAndRead("two.txt", "two right-hand sides, no values\n7 2\n");
    EXPECT_EQ(view.text(kOrder), "7");
    EXPECT_EQ(view.text(kRhsCount), "2");
    EXPECT_EQ(state.N_TEXT, "7  ");
    EXPECT_EQ(platform.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(DialogTest, ReadShowsSizesOfEveryWidthWhole) {
    struct Case {
        const char* sizes;
        const char* n;
        const char* nb;
    };
    for (const Case& c : {Case{"12 1", "12", "1"}, Case{"1000 1", "1000", "1"}, Case{"-100 -5", "-100", "-5"}}) {
        selectAndRead("sizes.txt", std::string("title\n") + c.sizes + "\n");
        EXPECT_EQ(view.text(kOrder), c.n) << c.sizes;
        EXPECT_EQ(view.text(kRhsCount), c.nb) << c.sizes;
    }
}

TEST_F(DialogTest, FailedReadShowsWhatWasReadAndKeepsSolveDisabled) {
    choose(kMethodList, 1);
    selectAndRead("bad.txt", "title\n2 1\n1 x\n");
    EXPECT_FALSE(state.DATE_CITITE);
    EXPECT_EQ(view.text(kOrder), "2");
    EXPECT_FALSE(enabled(kSolve));
    ASSERT_FALSE(platform.recorded.shown.empty());
    EXPECT_EQ(platform.recorded.shown.back().text, "Eroare de citire in fisierul de date");
}

TEST_F(DialogTest, FailedReadAfterAnotherFileShowsOnlyTheSizesItGot) {
    struct Case {
        const char* name;
        const char* content;
        const char* n;
        const char* nb;
    };
    const Case cases[] = {
        {"empty.txt", "", "", ""},
        {"title-only.txt", "title\n", "", ""},
        {"bad-sizes.txt", "title\nx 1\n", "", ""},
        {"n-only.txt", "title\n4\n", "4", ""},
        {"bad-matrix.txt", "title\n2 1\n1 x\n", "2", "1"},
    };
    for (const Case& c : cases) {
        selectAndRead("good.txt", kSystem3);
        ASSERT_EQ(view.text(kOrder), "3");
        selectAndRead(c.name, c.content);
        EXPECT_FALSE(state.DATE_CITITE) << c.name;
        EXPECT_EQ(view.text(kOrder), c.n) << c.name;
        EXPECT_EQ(view.text(kRhsCount), c.nb) << c.name;
    }
}

TEST_F(DialogTest, SolveWritesTheReportAfterTheDataWithTheWaitCursor) {
    std::string path = selectAndRead("system3.txt", kSystem3);
    choose(kMethodList, 1);
    platform.busyChanges.clear();
    click(kSolve);
    EXPECT_EQ(platform.busyChanges, (std::vector<bool>{true, false}));

    std::string text = readFile(path);
    ASSERT_EQ(text.rfind(kSystem3, 0), 0u) << text;
    std::string report = text.substr(std::string(kSystem3).size());
    EXPECT_NE(report.find("Gauss"), std::string::npos) << report;
    EXPECT_NE(report.find("x("), std::string::npos) << report;

    platform.answers.push_back(static_cast<int>(ChangedDataAnswer::SolveOnChangedData));
    click(kSolve);  // a second SOLVE on the changed data appends a second report
    std::string twice = readFile(path);
    EXPECT_GT(twice.size(), text.size());
    EXPECT_EQ(twice.rfind(text, 0), 0u);

    click(kRead);  // reading again lets the next report replace the old ones
    click(kSolve);
    EXPECT_EQ(readFile(path), text);
}

// The non-blank lines a run wrote to standard output, without trailing blanks.
std::string shownLines(const std::string& console) {
    std::string shown;
    std::size_t start = 0;
    for (std::size_t end; (end = console.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string line = console.substr(start, end - start);
        line.erase(line.find_last_not_of(' ') + 1);
        if (line.empty()) continue;
        shown += (shown.empty() ? "" : "\n") + line;
    }
    return shown;
}

TEST_F(DialogTest, IterativeRunLinesShowUnderSolveUntilTheNextRun) {
    selectAndRead("system3.txt", kSystem3);
    EXPECT_EQ(view.text(kRunLines), "");
    choose(kMethodList, 4);
    type(kEps, "1e-5");
    type(kNlim, "100");
    click(kSolve);
    EXPECT_EQ(view.text(kRunLines).rfind(" Toleranta atinsa.\n Numar iteratii: ", 0), 0u) << view.text(kRunLines);
    EXPECT_EQ(view.text(kRunLines), shownLines(console.text()));  // the same lines as on standard output

    console.clear();
    type(kNlim, "2");
    click(kSolve);
    EXPECT_EQ(view.text(kRunLines), " Numar de iteratii depasit.");
    EXPECT_EQ(view.text(kRunLines), shownLines(console.text()));

    choose(kMethodList, 1);  // Gauss writes nothing to standard output
    click(kSolve);
    EXPECT_EQ(view.text(kRunLines), "");
}

TEST_F(DialogTest, RefusedSolveWritesNothing) {
    std::string path = selectAndRead("system3.txt", kSystem3);
    choose(kMethodList, 4);
    click(kSolve);
    EXPECT_EQ(readFile(path), kSystem3);
    EXPECT_EQ(platform.recorded.shown.back().text, "Introdu EPS si/sau NLIM");
}

TEST_F(DialogTest, OpenShowsTheResultsFileInTheEditor) {
    std::string path = selectAndRead("system3.txt", kSystem3);
    choose(kMethodList, 1);
    click(kSolve);
    click(kOpen);
    EXPECT_EQ(platform.edited, (std::vector<std::string>{path}));
    EXPECT_TRUE(enabled(kSolve));  // only looked at: SOLVE goes on where it was
}

TEST_F(DialogTest, AFileTooLargeToEditIsOnlyViewed) {
    struct Case {
        std::size_t bytes;
        bool viewed;
    };
    for (const Case& c : {Case{kLargestEditedFile, false}, Case{kLargestEditedFile + 1, true}}) {
        platform.edited.clear();
        platform.viewed.clear();
        click(kEnglishButton);
        const std::string text = kSystem3 + std::string(c.bytes - std::string(kSystem3).size(), '.');
        const std::string path = selectAndRead("large.txt", text);
        choose(kMethodList, 1);
        click(kOpen);
        if (c.viewed) {
            EXPECT_TRUE(platform.edited.empty());
            EXPECT_EQ(platform.viewed, (std::vector<std::pair<std::string, int>>{{path, kEnglish}}));
        } else {
            EXPECT_EQ(platform.edited, std::vector<std::string>{path});
            EXPECT_TRUE(platform.viewed.empty());
        }
        EXPECT_TRUE(enabled(kSolve)) << "only looked at";
        EXPECT_EQ(readFile(path), text);
    }
}

TEST_F(DialogTest, DataChangedInTheEditorMustBeReadAgain) {
    std::string path = selectAndRead("system3.txt", kSystem3);
    choose(kMethodList, 1);
    click(kSolve);
    std::string changed = "Sistem 2 x 2\r\n2 1\r\n1 0\r\n0 1\r\n5 7\r\nuser notes after the data\r\n";
    platform.whileEditing = [&](const std::string& edited) { writeFile(edited, changed); };
    click(kOpen);
    EXPECT_FALSE(enabled(kSolve));
    EXPECT_FALSE(state.DATE_CITITE);

    click(kRead);
    click(kSolve);
    std::string text = readFile(path);
    EXPECT_EQ(text.find("user notes"), std::string::npos);  // the new report follows the new data
    EXPECT_EQ(text.rfind("Sistem 2 x 2\r\n2 1\r\n1 0\r\n0 1\r\n5 7\r\n", 0), 0u);
    EXPECT_NE(text.find("x("), std::string::npos);
}

}  // namespace
}  // namespace corvane::testing
