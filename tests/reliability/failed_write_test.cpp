// When the results file refuses a write (a full disk, a file that no longer
// takes writes) the run stops with a message titled "Error", the data in front
// of the report stay as they were, and the program goes on: the command line
// exits with status 4, the dialog keeps running.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/solve_options.h"
#include "app/dispatcher.h"
#include "problem/input_file.h"
#include "reliability/printing_options.h"
#include "reliability/read_only_descriptor.h"
#include "reliability/restricted_run.h"
#include "support/cli_runner.h"
#include "support/run_fixture.h"

namespace corvane {
namespace {

using testing::readFile;
using testing::writeFile;

const std::string kSystem = "Sistem 3 x 3\n3 1\n4 -2 1\n3 6 -4\n2 1 8\n3 3 28\n";
const std::string kSymmetric = "Simetric\n3 1\n4 1 0\n4 1\n4\n5 6 5\n";

struct FullDisk {
    const char* name;
    std::string text;      // the data file
    std::size_t dataSize;  // where the data end in it
    std::vector<std::string> arguments;
};

std::vector<FullDisk> fullDisks() {
    const std::string oldReports = kSystem + "\r\nProblema: Sistem liniar\r\nold report\r\n";
    const std::string noLineEnd = kSystem.substr(0, kSystem.size() - 1);
    return {
        {"Gauss printing everything", kSystem, kSystem.size(),
         {"--method", "gauss", "--print-matrix", "--print-determinant", "--check", "each"}},
        {"inverse", kSystem, kSystem.size(), {"--problem", "inverse", "--method", "gauss"}},
        {"three solves", kSystem, kSystem.size(), {"--method", "gauss", "--solves", "3"}},
        {"earlier reports after the data", oldReports, kSystem.size(), {"--method", "gauss"}},
        {"last data line without a line end", noLineEnd, noLineEnd.size(), {"--method", "gauss"}},
    };
}

testing::CliResult solve(const std::string& data, const std::vector<std::string>& options,
                         const testing::Restrictions& restrictions) {
    std::vector<std::string> arguments = {"solve", data};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return testing::runRestricted(arguments, restrictions);
}

// The disk fills up after `room` bytes of report, at several places: before
// the first byte, inside the first record, inside the report, one byte short.
std::vector<std::size_t> roomsFor(std::size_t reportSize) {
    return {0, 1, 2, 30, reportSize / 2, reportSize - 1};
}

TEST(FailedWrite, FullDiskThroughTheCommandLine) {
    for (const FullDisk& c : fullDisks()) {
        const std::string dir = testing::scratchDirectory("full-disk");
        const std::string data = dir + "/data.txt";
        writeFile(data, c.text);
        ASSERT_EQ(solve(data, c.arguments, {}).status, 0) << c.name;
        const std::string complete = readFile(data);
        const std::size_t reportSize = complete.size() - c.dataSize;

        for (std::size_t room : roomsFor(reportSize)) {
            const std::string where = std::string(c.name) + ", " + std::to_string(room) + " bytes of room";
            writeFile(data, c.text);
            testing::Restrictions fullDisk;
            fullDisk.fileSizeLimit = c.dataSize + room;
            const testing::CliResult result = solve(data, c.arguments, fullDisk);
            EXPECT_EQ(result.status, 4) << where;
            EXPECT_EQ(result.err, "Error: cannot write the results file: File too large\n") << where;
            EXPECT_EQ(result.out, "") << where;
            // The data and as much of the report as fitted, nothing else.
            EXPECT_TRUE(readFile(data) == complete.substr(0, c.dataSize + room)) << where;
        }
    }
}

TEST(FailedWrite, FullDiskWithTheReportElsewhere) {
    const std::string dir = testing::scratchDirectory("full-disk-report-to");
    const std::string data = dir + "/data.txt", report = dir + "/report.txt";
    writeFile(data, kSystem);
    const std::vector<std::string> arguments = {"--method", "gauss", "--report-to", report};
    ASSERT_EQ(solve(data, arguments, {}).status, 0);
    const std::string complete = readFile(report);
    for (std::size_t room : roomsFor(complete.size())) {
        writeFile(report, "an earlier report\n");
        testing::Restrictions fullDisk;
        fullDisk.fileSizeLimit = room;
        const testing::CliResult result = solve(data, arguments, fullDisk);
        EXPECT_EQ(result.status, 4) << room;
        EXPECT_EQ(result.err, "Error: cannot write the results file: File too large\n") << room;
        EXPECT_TRUE(readFile(report) == complete.substr(0, room)) << room;
        EXPECT_EQ(readFile(data), kSystem);
    }
}

TEST(FailedWrite, ReportFileThatCannotBeOpened) {
    const std::string dir = testing::scratchDirectory("report-to-nowhere");
    const std::string data = dir + "/data.txt";
    writeFile(data, kSystem);
    for (const std::string& report : {dir, dir + "/missing/report.txt"}) {
        const testing::CliResult result = solve(data, {"--method", "gauss", "--report-to", report}, {});
        EXPECT_EQ(result.status, 4) << report;
        EXPECT_EQ(result.err, "Error: cannot open the report file " + report + "\n");
        EXPECT_EQ(readFile(data), kSystem);
    }
}

TEST(FailedWrite, DeviceThatRefusesTheReport) {
    const std::string dir = testing::scratchDirectory("report-to-full-device");
    const std::string data = dir + "/data.txt";
    writeFile(data, kSystem);
    const testing::CliResult result = solve(data, {"--method", "gauss", "--report-to", "/dev/full"}, {});
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(result.err, "Error: cannot write the report: No space left on device\n");
    EXPECT_EQ(readFile(data), kSystem);
}

// A sink that takes `capacity` records and refuses every later one.
class FillingSink : public RecordSink {
public:
    explicit FillingSink(int capacity) : capacity_(capacity) {}
    void writeRecord(std::string_view) override {
        if (++attempts > capacity_) throw WriteError("cannot write the results file: No space left on device");
    }
    int attempts = 0;

private:
    int capacity_;
};

struct MethodRun {
    const char* name;
    std::string text;
    SolveOptions options;
};

SolveOptions optionsFor(std::string problem, std::string matrix, std::string method, std::string norm = "") {
    return testing::printingEverything(std::move(problem), std::move(matrix), std::move(method), std::move(norm), "1e-5",
                                       "40");
}

// One row per method and problem; rows whose worker is not in this build are
// left out.
std::vector<MethodRun> methodRuns() {
    return {
        {"Gauss, system", kSystem, optionsFor("system", "general", "gauss")},
        {"Gauss, inverse", kSystem, optionsFor("inverse", "general", "gauss")},
        {"LU, system", kSystem, optionsFor("system", "general", "lu")},
        {"LU, inverse", kSystem, optionsFor("inverse", "general", "lu")},
        {"Cholesky", kSymmetric, optionsFor("system", "symmetric", "cholesky")},
        {"Gauss-Seidel", kSystem, optionsFor("system", "general", "gauss-seidel")},
        {"SOR", kSymmetric, optionsFor("system", "symmetric", "sor")},
        {"condition, infinity norm", kSystem, optionsFor("condition", "general", "", "inf")},
        {"condition, 1-norm", kSystem, optionsFor("condition", "general", "", "1")},
        {"condition, 2-norm", kSymmetric, optionsFor("condition", "symmetric", "", "2")},
        {"condition, spectral estimate", kSystem, optionsFor("condition", "general", "", "cond")},
    };
}

// A fresh state as after setting the options and reading the data.
void prepare(testing::RunFixture& f, const MethodRun& run) {
    ASSERT_EQ(applySolveOptions(run.options, f.state, f.messages), "") << run.name;
    ASSERT_TRUE(readProblemText(f.state, run.text, f.messages)) << run.name;
}

TEST(FailedWrite, EveryMethodStopsAtTheFailedRecordAndTheProgramGoesOn) {
    for (const MethodRun& run : methodRuns()) {
        testing::RunFixture complete;
        prepare(complete, run);
        ASSERT_EQ(CORVANEAPPLY(complete.context), SolveOutcome::Ran) << run.name;
        const std::string& report = complete.reportText();
        int records = 0;
        for (std::size_t at = report.find("\r\n"); at != std::string::npos; at = report.find("\r\n", at + 2)) ++records;

        for (int capacity = 0; capacity < records; ++capacity) {
            const std::string where = std::string(run.name) + ", disk full after " + std::to_string(capacity) + " records";
            testing::RunFixture f;
            prepare(f, run);
            FillingSink full(capacity);
            RecordWriter fullReport(full);
            RunContext context{f.state, fullReport, f.console, f.messages};
            EXPECT_EQ(CORVANEAPPLY(context), SolveOutcome::WriteFailed) << where;
            EXPECT_EQ(full.attempts, capacity + 1) << where << ": the run went on after the failed write";
            ASSERT_EQ(f.messages.shown.size(), 1u) << where;
            EXPECT_EQ(f.messages.shown[0].title, "Error") << where;
            EXPECT_EQ(f.messages.shown[0].text, "cannot write the results file: No space left on device") << where;
            EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Error) << where;
            // The disk has room again: the next SOLVE runs on what the stopped run left.
            EXPECT_NE(CORVANEAPPLY(f.context), SolveOutcome::WriteFailed) << where;
            EXPECT_NE(f.reportText().find("Problema: "), std::string::npos) << where;
        }
    }
}

TEST(FailedWrite, FileTurnedReadOnlyAfterTheRead) {
    const std::string dir = testing::scratchDirectory("read-only");
    const std::string data = dir + "/data.txt";
    const std::string text = kSystem + "\r\nProblema: Sistem liniar\r\nan earlier report\r\n";
    writeFile(data, text);

    testing::RunFixture f;
    f.state.IMETODA = Method::Gauss;
    f.state.METODA_ALEASA = true;
    ResultsFile results;
    ASSERT_TRUE(results.open(data));
    ASSERT_TRUE(READINPUTFILE(f.state, results, f.messages));
    ASSERT_TRUE(testing::stopWritesThroughOpenDescriptor(data));

    RecordWriter report(results);
    RunContext context{f.state, report, f.console, f.messages};
    EXPECT_EQ(CORVANEAPPLY(context), SolveOutcome::WriteFailed);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].title, "Error");
    EXPECT_EQ(f.messages.shown[0].text.rfind("cannot write the results file: ", 0), 0u) << f.messages.shown[0].text;
    EXPECT_EQ(readFile(data), text) << "nothing, not even the earlier report, may go";

    // Still running: choosing the file again, Read and SOLVE work.
    ASSERT_TRUE(results.open(data));
    ASSERT_TRUE(READINPUTFILE(f.state, results, f.messages));
    EXPECT_EQ(CORVANEAPPLY(context), SolveOutcome::Ran);
    const std::string after = readFile(data);
    const std::string header = kSystem + "\r\nProblema: Sistem liniar\r\n";
    EXPECT_EQ(after.substr(0, header.size()), header);
    EXPECT_EQ(after.find("an earlier report"), std::string::npos);
    EXPECT_NE(after.find(" x(3) =    3.000000    \r\n"), std::string::npos) << after;
}

}  // namespace
}  // namespace corvane
