// The results file keeps the data, takes the reports after it in large
// writes, and reports a failed write before the run ends.

#include "report/results_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <string>

#include "problem/dispatcher.h"
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
    f.state.IMETODA = 1;
    f.state.METODA_ALEASA = true;
    FileSizeLimit limit(40);  // the run header alone is longer
    StringSink console;
    RecordWriter report(f.file), consoleWriter(console);
    RunContext context{f.state, report, consoleWriter, f.messages};
    EXPECT_EQ(CORVANEAPPLY(context), SolveOutcome::WriteFailed);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].title, "Error");
}

}  // namespace
}  // namespace corvane
