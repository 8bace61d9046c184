// The sweeps from the command line: the history file of solve and the omega
// explorer, which agree with what solve reports.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

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
    testing::writeFile(directory + "/stop.sh",
                       "cd '" + directory + "'\n"
                       + testing::corvaneCommandLine() + " omega data.txt --eps 1e-7 --nlim 20000 --step 0.0005 --csv "
                       ">out.txt 2>err.txt &\n"
                       "pid=$!\n"
                       "until [ \"$(wc -l <out.txt)\" -ge 3 ]; do sleep 0.05; done\n"
                       "kill -INT $pid\n"
                       "wait $pid\n"
                       "echo $? >status.txt\n");
    ASSERT_EQ(std::system(("bash '" + directory + "/stop.sh'").c_str()), 0);
    EXPECT_EQ(testing::readFile(directory + "/status.txt"), "130\n");
    const std::string out = testing::readFile(directory + "/out.txt");
    EXPECT_EQ(out.rfind("omega,sweeps,outcome,dx\n", 0), 0u) << out;
    EXPECT_NE(out.find("\nbest,"), std::string::npos) << out;
    EXPECT_NE(testing::readFile(directory + "/err.txt").find("corvane: stopped after "), std::string::npos);
}

}  // namespace
}  // namespace corvane
