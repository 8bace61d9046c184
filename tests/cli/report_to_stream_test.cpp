// --report-to standard output, a pipe, a FIFO or a device: the report bytes
// are those of a report written to a regular file, and the lines the methods
// copy to standard output go to standard error when the report goes there.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/report_destination.h"
#include "reliability/restricted_run.h"
#include "support/cli_runner.h"

namespace corvane {
namespace {

using testing::readFile;
using testing::writeFile;

const std::string kSystem = "t\n2 1\n2 1\n1 3\n3 5\n";
const std::string kConsoleLine = " Numar iteratii:";  // copied to the console by Gauss-Seidel

std::vector<std::string> solveArguments(const std::string& data, const std::string& reportTo) {
    return {"solve", data, "--method", "gauss-seidel", "--eps", "1e-4", "--nlim", "50", "--solves", "2",
            "--report-to", reportTo};
}

std::string shellWords(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) line += " '" + word + "'";
    return line;
}

struct Prepared {
    std::string dir;
    std::string data;
    std::string fileReport;  // the report as written to a regular file
};

Prepared prepare(const std::string& name) {
    Prepared p{testing::scratchDirectory(name), "", ""};
    p.data = p.dir + "/data.txt";
    writeFile(p.data, kSystem);
    const testing::CliResult toFile = testing::runCorvane(shellWords(solveArguments(p.data, p.dir + "/report.txt")));
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_NE(toFile.out.find(kConsoleLine), std::string::npos) << toFile.out;
    p.fileReport = readFile(p.dir + "/report.txt");
    EXPECT_NE(p.fileReport.find(kConsoleLine), std::string::npos) << p.fileReport;
    return p;
}

TEST(ReportToStream, StandardOutputGetsTheReportAndNothingElse) {
    struct Case {
        const char* name;
        const char* reportTo;
        bool outputIsPipe;  // else a regular file
    };
    const Case cases[] = {
        {"dash into a pipe", "-", true},
        {"dash into a file", "-", false},
        {"/dev/stdout into a pipe", "/dev/stdout", true},
        {"/dev/stdout into a file", "/dev/stdout", false},
    };
    const Prepared p = prepare("report-to-stdout");
    for (const Case& c : cases) {
        const std::vector<std::string> arguments = solveArguments(p.data, c.reportTo);
        const testing::CliResult result =
            c.outputIsPipe ? testing::runRestricted(arguments, {}) : testing::runCorvane(shellWords(arguments));
        EXPECT_EQ(result.status, 0) << c.name << "\n" << result.err;
        EXPECT_EQ(result.out, p.fileReport) << c.name;
        EXPECT_NE(result.err.find(kConsoleLine), std::string::npos) << c.name << "\n" << result.err;
        EXPECT_EQ(readFile(p.data), kSystem) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists("-"));
}

TEST(ReportToStream, FifoGetsTheReport) {
    const Prepared p = prepare("report-to-fifo");
    const std::string fifo = p.dir + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Opened for reading first, so that the program's open does not wait; the
    // report is far smaller than the pipe's buffer.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const testing::CliResult result = testing::runCorvane(shellWords(solveArguments(p.data, fifo)));
    std::string report;
    char buffer[4096];
    for (ssize_t got; (got = ::read(reader, buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<std::size_t>(got));
    ::close(reader);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(report, p.fileReport);
    EXPECT_NE(result.out.find(kConsoleLine), std::string::npos) << result.out;
    EXPECT_EQ(readFile(p.data), kSystem);
}

TEST(ReportDestination, ChosenByWhatThePathIs) {
    const std::string dir = testing::scratchDirectory("report-destination");
    writeFile(dir + "/old.txt", "old");
    ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0600), 0);
    struct Case {
        std::string path;
        ReportDestination destination;
    };
    const Case cases[] = {
        {"-", ReportDestination::StandardOutput},
        {dir + "/old.txt", ReportDestination::File},
        {dir + "/new.txt", ReportDestination::File},
        {dir, ReportDestination::File},  // refused when it is opened
        {dir + "/fifo", ReportDestination::Stream},
        {"/dev/zero", ReportDestination::Stream},
    };
    for (const Case& c : cases) EXPECT_EQ(reportDestination(c.path), c.destination) << c.path;
}

}  // namespace
}  // namespace corvane
