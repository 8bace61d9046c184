// The sweeps from the command line: the history file of solve and the omega
// explorer, which agree with what solve reports.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>
#include <algorithm>

#include "support/cli_runner.h"

namespace corvane {
namespace {

constexpr const char* kSystem3 = "Sistem 3 x 3\n3 1\n 4 -2 1\n 3 6 -4\n 2 1 8\n 3 3 28\n";

struct Scratch {
    explicit Scratch(const std::string& name) : directory(testing::scratchDirectory(name)) {
        testing::writeFile(data(), kSystem3);
    }
    std::string data() const { return directory + "/system3.txt"; }
    std::string directory;
};

TEST(HistoryOption, WritesTheLastSolvesSweepsAndNeedsAnIterativeMethod) {
    Scratch s("history-option");
    const std::string csv = s.directory + "/history.csv";
    testing::CliResult run = testing::runCorvane("solve '" + s.data() +
                                                 "' --method gauss-seidel --eps 1e-5 --nlim 50 --solves 2 --history '" +
                                                 csv + "' --report-to '" + s.directory + "/report.txt'");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string history = testing::readFile(csv);
    EXPECT_EQ(history.rfind("rhs,sweep,dx,outcome\n1,1,", 0), 0u) << history;
    EXPECT_EQ(history.find("rhs", 1), std::string::npos) << "the second SOLVE replaces the first: " << history;
    EXPECT_NE(history.find(",tolerance\n"), std::string::npos) << history;

    testing::CliResult refused =
        testing::runCorvane("solve '" + s.data() + "' --method lu --history '" + s.directory + "/lu.csv'");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("--history needs --method gauss-seidel or sor"), std::string::npos) << refused.err;
    EXPECT_EQ(testing::readFile(s.data()), kSystem3);
}

// The row of a factor says what solve --omega with that factor reports.
TEST(OmegaCommand, CsvRowsAgreeWithSolve) {
    Scratch s("omega-command");
    testing::CliResult explored =
        testing::runCorvane("omega '" + s.data() + "' --eps 1e-5 --nlim 50 --from 0.8 --to 1.2 --step 0.2 --csv");
    ASSERT_EQ(explored.status, 0) << explored.err;
    EXPECT_EQ(testing::readFile(s.data()), kSystem3) << "the explorer never writes the file";
    std::istringstream rows(explored.out);
    std::string line;
    std::getline(rows, line);
    EXPECT_EQ(line, "omega,sweeps,outcome,dx");
    int compared = 0;
    while (std::getline(rows, line) && line.rfind("best,", 0) != 0) {
        const std::string omega = line.substr(0, line.find(','));
        const std::string csv = s.directory + "/" + omega + ".csv";
        testing::CliResult solved = testing::runCorvane("solve '" + s.data() + "' --method sor --eps 1e-5 --nlim 50 --omega " +
                                                        omega + " --history '" + csv + "' --report-to '" + s.directory +
                                                        "/report.txt'");
        ASSERT_EQ(solved.status, 0) << solved.err;
        const std::string history = testing::readFile(csv);
        const std::size_t lastRow = history.rfind('\n', history.size() - 2) + 1;
        std::istringstream fields(history.substr(lastRow));
        std::string rhs, sweeps, dx, outcome;
        std::getline(fields, rhs, ',');
        std::getline(fields, sweeps, ',');
        std::getline(fields, dx, ',');
        std::getline(fields, outcome);
        EXPECT_EQ(line, omega + "," + sweeps + "," + outcome + "," + dx);
        ++compared;
    }
    EXPECT_EQ(compared, 3);
    EXPECT_EQ(line, "best,0.8") << explored.out;
}

TEST(OmegaCommand, RefusesWhatItCannotRun) {
    Scratch s("omega-refusals");
    const struct {
        std::string arguments;
        int status;
        const char* message;
    } cases[] = {
        {"--eps 1e-5 --nlim 50 --step 0", 1, "--step must be positive"},
        {"--eps 1e-5 --nlim 50 --from 0", 1, "--from must be positive"},
        {"--eps 1e-5 --nlim 50 --from 1.5 --to 1", 1, "--to must not be below --from"},
        {"--eps 1e-5 --nlim 50 --generate Nothing", 1, "unknown generator"},
        {"--eps 0 --nlim 50", 3, "Introdu EPS si/sau NLIM"},
        {"--nlim 50", 1, "--eps"},
    };
    for (const auto& c : cases) {
        testing::CliResult run = testing::runCorvane("omega '" + s.data() + "' " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << "\n" << run.err;
    }
    testing::CliResult missing = testing::runCorvane("omega '" + s.directory + "/none.txt' --eps 1e-5 --nlim 50");
    EXPECT_EQ(missing.status, 2) << missing.err;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.push_back("");
    return fields;
}

// nos4 imported as the user did: SOR converges for these factors, but
// a solve stops each run where dx fails to decrease (1.6: dx equals the one
// before; 1.7, 1.8: it grew). --past-growth runs each to the tolerance and
// marks the rows that are not the solve's with the sweep at which it stops.
TEST(OmegaCommand, PastGrowthRunsToTheToleranceAndMarksTheRowsThatAreNotTheSolves) {
    const std::string directory = testing::scratchDirectory("omega-past-growth");
    const std::string data = directory + "/nos4.txt";
    const testing::CliResult imported = testing::runCorvane("import '" CORVANE_SOURCE_DIR "/tests/data/matrices/nos4.mtx' -o '" +
                                                            data + "' --rhs ones --headerless symmetric");
    ASSERT_EQ(imported.status, 0) << imported.err;
    const std::string omega = "omega '" + data + "' --eps 1e-5 --nlim 3000 --from 1.6 --to 1.8 --step 0.1";
    const testing::CliResult solved = testing::runCorvane(omega + " --csv");
    const testing::CliResult past = testing::runCorvane(omega + " --csv --past-growth");
    ASSERT_EQ(solved.status, 0) << solved.err;
    ASSERT_EQ(past.status, 0) << past.err;
    const std::vector<std::string> solvedLines = linesOf(solved.out), pastLines = linesOf(past.out);
    ASSERT_EQ(solvedLines.size(), 5u) << solved.out;
    ASSERT_EQ(pastLines.size(), 5u) << past.out;
    EXPECT_EQ(solvedLines[0], "omega,sweeps,outcome,dx");
    EXPECT_EQ(pastLines[0], "omega,sweeps,outcome,dx,solve_stops_at");
    const char* ends[] = {"stagnation", "divergence", "divergence"};
    for (std::size_t k = 1; k <= 3; ++k) {
        const std::vector<std::string> row = fieldsOf(solvedLines[k]), pastRow = fieldsOf(pastLines[k]);
        ASSERT_EQ(row.size(), 4u) << solvedLines[k];
        ASSERT_EQ(pastRow.size(), 5u) << pastLines[k];
        EXPECT_EQ(row[2], ends[k - 1]) << solvedLines[k];
        EXPECT_EQ(pastRow[0], row[0]);
        EXPECT_EQ(pastRow[2], "tolerance") << pastLines[k];
        EXPECT_LE(std::stof(pastRow[3]), 1e-5f) << pastLines[k];
        EXPECT_EQ(pastRow[4], row[1]) << "the sweep at which the solve stops: " << pastLines[k];
    }
    EXPECT_EQ(solvedLines[4], "best,");
    EXPECT_EQ(pastLines[4], "best,1.8");

    const std::vector<std::string> table = linesOf(testing::runCorvane(omega + " --past-growth").out);
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table[0], "     omega   sweeps  outcome     dx              solve");
    const std::string stops[] = {"393: dx equalled the one before)", "18: dx grew)", "13: dx grew)"};
    for (std::size_t k = 1; k <= 3; ++k) {
        const std::string mark = "not the solve's (it stops at sweep " + stops[k - 1];
        EXPECT_EQ(table[k].substr(table[k].size() - std::min(table[k].size(), mark.size())), mark) << table[k];
        EXPECT_EQ(table[k].find(mark), table[0].find("solve")) << "under its heading: " << table[k];
    }
    EXPECT_EQ(table[4], "best omega: 1.8, not the solve's (it stops at sweep 13: dx grew)");
}

// Ctrl-C during a long exploration: the rows finished so far and the best
// among them stay on standard output, the stop is told, the status is 130.
TEST(OmegaCommand, CtrlCStopsBetweenTwoFactors) {
    const std::string directory = testing::scratchDirectory("omega-interrupted");
    const int m = 150;
    std::string data = "tridiagonal\n" + std::to_string(m) + " 1\n";
    for (int i = 1; i <= m; ++i) {
        for (int j = 1; j <= m; ++j) data += i == j ? "2 " : (i == j + 1 || j == i + 1) ? "-1 " : "0 ";
        data += "\n";
    }
    data += "1 " + std::string(static_cast<std::size_t>(2 * (m - 2)), ' ') + "\n";
    for (int i = 2; i < m; ++i) data += "0 ";
    data += "1\n";
    testing::writeFile(directory + "/data.txt", data);
    // Started in the background, stopped once the first rows are out.
    const testing::CliResult run =
        testing::interruptAfterLines(directory, "omega data.txt --eps 1e-7 --nlim 20000 --step 0.0005 --csv", 3);
    EXPECT_EQ(run.status, 130);
    const std::string& out = run.out;
    EXPECT_EQ(out.rfind("omega,sweeps,outcome,dx\n", 0), 0u) << out;
    EXPECT_NE(out.find("\nbest,"), std::string::npos) << out;
    EXPECT_NE(run.err.find("corvane: stopped after "), std::string::npos);
}

}  // namespace
}  // namespace corvane
