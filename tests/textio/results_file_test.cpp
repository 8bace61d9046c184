// The results file keeps the data, takes the reports after it in large
// writes, reports a failed write before the run ends, and refuses to write
// after another program changed or replaced it.

#include "textio/results_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "app/dispatcher.h"
#include "problem/input_file.h"
#include "support/cli_runner.h"
#include "support/recording_messages.h"
#include "support/run_fixture.h"

namespace corvane {
namespace {

constexpr const char* kData = "title\n1 1\n2\n4\n";

// A results file read as the dialog's Read does, positioned after the data.
struct ReadFile {
    explicit ReadFile(const std::string& name, const std::string& text = std::string(kData) + "old report\n")
        : path(testing::scratchDirectory(name) + "/data.txt") {
        testing::writeFile(path, text);
        INITIALIZEDATA(state);
        EXPECT_TRUE(file.open(path));
        EXPECT_TRUE(READINPUTFILE(state, file, messages));
    }
    std::string path;
    ProblemState state;
    ResultsFile file;
    testing::RecordingMessages messages;
};

// Lets writes beyond `bytes` fail with EFBIG instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST(ResultsFile, RecordsReplaceOlderReportsAndArriveInOrder) {
    ReadFile f("results-order");
    RecordWriter out(f.file);
    std::string expected = kData;
    for (int i = 1; i <= 5000; ++i) {  // several times the pieces written at once
        out.write("(a, i5)", {"line", i});
        char line[16];
        std::snprintf(line, sizeof line, "line%5d\r\n", i);
        expected += line;
    }
    out.flush();
    EXPECT_EQ(testing::readFile(f.path), expected);
    out.write("(a)", {"appended"});
    out.flush();
    EXPECT_EQ(testing::readFile(f.path), expected + "appended\r\n");
}

TEST(ResultsFile, ReadingAgainSeesEveryRecord) {
    ReadFile f("results-reread");
    RecordWriter out(f.file);
    out.write("(a)", {"report"});  // not flushed by anyone
    std::optional<std::string> text = f.file.readAll();
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, std::string(kData) + "report\r\n");
}

TEST(ResultsFile, AFailedWriteSurfacesAtTheLatestWhenFlushed) {
    ReadFile f("results-full-flush");
    FileSizeLimit limit(64);
    RecordWriter out(f.file);
    out.write("(a)", {std::string(100, 'x')});
    EXPECT_THROW(out.flush(), WriteError);
}

TEST(ResultsFile, AFailedWriteEndsTheRunAsWriteFailed) {
    ReadFile f("results-full-run");
    f.state.IMETODA = Method::Gauss;
    f.state.METODA_ALEASA = true;
    FileSizeLimit limit(40);  // the run header alone is longer
    StringSink console;
    RecordWriter report(f.file), consoleWriter(console);
    RunContext context{f.state, report, consoleWriter, f.messages};
    EXPECT_EQ(CORVANEAPPLY(context), SolveOutcome::WriteFailed);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].title, "Error");
}

// Another program changes the file between runs. The next run must not write:
// not into a file that lost its name, not over what the other program wrote.
struct OutsideChange {
    const char* name;
    bool afterARun;  // after a first report, or between the Read and the first one
    void (*apply)(const std::string& path);
};

void replaceByRename(const std::string& path) {
    testing::writeFile(path + ".new", "another title\n2 1\n1 0\n0 1\n1 1\n");
    std::filesystem::rename(path + ".new", path);
}
void removeName(const std::string& path) { std::filesystem::remove(path); }
void appendNotes(const std::string& path) { testing::writeFile(path, testing::readFile(path) + "notes\n"); }
void editSameSize(const std::string& path) {
    std::string text = testing::readFile(path);
    text.back() = 'X';
    testing::writeFile(path, text);
}
void cutShorter(const std::string& path) { std::filesystem::resize_file(path, std::string(kData).size()); }

TEST(ResultsFile, AnOutsideChangeRefusesTheNextRun) {
    const OutsideChange cases[] = {
        {"replaced by rename before the first report", false, replaceByRename},
        {"deleted before the first report", false, removeName},
        {"replaced by rename after a report", true, replaceByRename},
        {"deleted after a report", true, removeName},
        {"notes appended after a report", true, appendNotes},
        {"report edited in place, same size", true, editSameSize},
        {"report cut away", true, cutShorter},
    };
    for (const OutsideChange& c : cases) {
        ReadFile f(std::string("results-outside-") + (c.afterARun ? "after" : "before"));
        RecordWriter out(f.file);
        if (c.afterARun) {
            out.write("(a)", {"first report"});
            out.flush();
        }
        c.apply(f.path);
        const bool exists = std::filesystem::exists(f.path);
        const std::string before = exists ? testing::readFile(f.path) : "";
        try {
            out.write("(a)", {"second report"});
            out.flush();
            ADD_FAILURE() << c.name << ": the run was not refused";
        } catch (const WriteError& error) {
            EXPECT_STREQ(error.what(), "cannot write the results file: it was changed after the Read; read it again")
                << c.name;
        }
        EXPECT_EQ(std::filesystem::exists(f.path), exists) << c.name;
        if (exists) {
            EXPECT_EQ(testing::readFile(f.path), before) << c.name;
        }
    }
}

TEST(ResultsFile, UnchangedBetweenRunsTheReportsFollowEachOther) {
    ReadFile f("results-runs");
    RecordWriter out(f.file);
    for (const char* report : {"first", "second", "third"}) {
        out.write("(a)", {report});
        out.flush();
    }
    EXPECT_EQ(testing::readFile(f.path), std::string(kData) + "first\r\nsecond\r\nthird\r\n");
}

TEST(ResultsFile, AReadTakesTheFileThePathNamesNow) {
    ReadFile f("results-follow");
    replaceByRename(f.path);
    ASSERT_TRUE(READINPUTFILE(f.state, f.file, f.messages));
    EXPECT_EQ(f.state.n, 2);
    RecordWriter out(f.file);
    out.write("(a)", {"report"});
    out.flush();
    EXPECT_EQ(testing::readFile(f.path), "another title\n2 1\n1 0\n0 1\n1 1\nreport\r\n");

    removeName(f.path);
    EXPECT_FALSE(READINPUTFILE(f.state, f.file, f.messages));
    EXPECT_FALSE(f.file.isOpen());
    EXPECT_FALSE(std::filesystem::exists(f.path)) << "a Read must not create the file";
    EXPECT_FALSE(f.messages.shown.empty());

    // Put back under the same name: the path is still the chosen one.
    testing::writeFile(f.path, kData);
    ASSERT_TRUE(READINPUTFILE(f.state, f.file, f.messages));
    EXPECT_EQ(f.state.n, 1);
    out.write("(a)", {"again"});
    out.flush();
    EXPECT_EQ(testing::readFile(f.path), std::string(kData) + "again\r\n");
}

TEST(ResultsFile, ClosingForgetsThePath) {
    ReadFile f("results-closed");
    f.file.close();
    EXPECT_FALSE(f.file.followPath());
    EXPECT_FALSE(f.file.isOpen());
}

}  // namespace
}  // namespace corvane
