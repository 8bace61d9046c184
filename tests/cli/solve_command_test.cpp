#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/cli_runner.h"

namespace corvane {
namespace {

using testing::readFile;
using testing::runCorvane;
using testing::writeFile;

const std::string kSystem = "t\n2 1\n2 1\n1 3\n3 5\n";

struct Prepared {
    std::string dir;
    std::string data;
};

Prepared prepare(const std::string& name, const std::string& text) {
    Prepared p{testing::scratchDirectory(name), ""};
    p.data = p.dir + "/data.txt";
    writeFile(p.data, text);
    return p;
}

TEST(SolveCommand, StatusesAndMessages) {
    struct Case {
        const char* name;
        std::string text;
        std::string arguments;  // after the data file
        int status;
        std::string errorLine;  // part of standard error
    };
    const Case cases[] = {
        {"no method", kSystem, "", 1, "needs --method"},
        {"unknown option", kSystem, "--method gauss --fast", 1, "--fast"},
        {"condition without norm", kSystem, "--problem condition", 1, "needs --norm"},
        {"norm for a system", kSystem, "--method gauss --norm inf", 1, "--norm applies only"},
        {"unknown generator", kSystem, "--generate Frank --method gauss", 1, "unknown generator"},
        {"bad size line", "t\nx\n", "--method gauss", 2, "Error: Eroare de citire in fisierul de date"},
        {"Gauss-Seidel without parameters", kSystem, "--method gauss-seidel", 3, "Eroare: Introdu EPS si/sau NLIM"},
        {"SOR without omega", kSystem, "--method sor --eps 1e-4 --nlim 50", 3,
         "Eroare: Introdu EPS si/sau NLIM si/sau OMEGA"},
        {"a zero entry under reciprocals", "t\n2 1\n2 3\n0 8\n1 1\n", "--method gauss --invert-entries", 0,
         "Warning: --invert-entries: the entry in row 2, column 1 is 0: its reciprocal is infinite"},
    };
    for (const Case& c : cases) {
        Prepared p = prepare("status", c.text);
        testing::CliResult result = runCorvane("solve '" + p.data + "' " + c.arguments);
        EXPECT_EQ(result.status, c.status) << c.name << "\n" << result.err;
        EXPECT_NE(result.err.find(c.errorLine), std::string::npos) << c.name << "\n" << result.err;
        if (c.status != 0) {
            EXPECT_EQ(readFile(p.data), c.text) << c.name;
        }
    }
}

TEST(SolveCommand, MissingDataFileIsNotCreated) {
    const std::string dir = testing::scratchDirectory("missing");
    testing::CliResult result = runCorvane("solve '" + dir + "/none.txt' --method gauss");
    EXPECT_EQ(result.status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir + "/none.txt"));
}

TEST(SolveCommand, ReportToLeavesTheDataFileAlone) {
    Prepared p = prepare("report-to", kSystem + "old report\n");
    const std::string report = p.dir + "/report.txt";
    writeFile(report, "stale text");
    testing::CliResult result = runCorvane("solve '" + p.data + "' --method gauss --report-to '" + report + "'");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readFile(p.data), kSystem + "old report\n");
    const std::string text = readFile(report);
    EXPECT_EQ(text.rfind("\r\nProblema: Sistem liniar\r\n", 0), 0u) << text;
    EXPECT_EQ(text.find("stale"), std::string::npos);

    testing::CliResult same = runCorvane("solve '" + p.data + "' --method gauss --report-to '" + p.data + "'");
    EXPECT_EQ(same.status, 1);
    EXPECT_EQ(readFile(p.data), kSystem + "old report\n");
}

TEST(SolveCommand, SecondSolveWorksOnWhatTheFirstLeft) {
    Prepared p = prepare("twice", kSystem);
    testing::CliResult result = runCorvane("solve '" + p.data + "' --method gauss --solves 2");
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string text = readFile(p.data);
    // The first run leaves ((2, 1), (0.5, 2.5)) in A and (0.8, 1.4) in B; the
    // second run solves that system: x(2) = (1.4 - 0.25 * 0.8) / 2.25.
    const std::size_t second = text.find("Problema", text.find("Problema") + 1);
    ASSERT_NE(second, std::string::npos);
    EXPECT_NE(text.find(" x(1) =   0.8000000    \r\n", 0), std::string::npos);
    EXPECT_NE(text.find(" x(2) =   0.5333333    \r\n", second), std::string::npos) << text.substr(second);
}

TEST(SolveCommand, RightHandSidesSurviveAnInverseAndAConditionNumber) {
    Prepared p = prepare("keeps-b", kSystem);
    for (const char* problem : {"--problem inverse --method gauss", "--problem condition --norm inf"}) {
        testing::CliResult other = runCorvane("solve '" + p.data + "' " + problem);
        EXPECT_EQ(other.status, 0) << problem << "\n" << other.err;
        EXPECT_EQ(readFile(p.data).rfind(kSystem + "\r\nProblema: ", 0), 0u) << problem;
    }
    testing::CliResult system = runCorvane("solve '" + p.data + "' --method gauss");
    EXPECT_EQ(system.status, 0) << system.err;
    const std::string text = readFile(p.data);
    EXPECT_EQ(text.rfind(kSystem + "\r\nProblema: Sistem liniar\r\n", 0), 0u) << text;
    EXPECT_NE(text.find(" x(1) =   0.8000000    \r\n"), std::string::npos) << text;
}

// When the right-hand sides (or the groups passed over) meet the end of the
// file, the report replaces the blank lines after the last value line.
TEST(SolveCommand, AReportAfterTheEndOfTheFileFollowsTheLastValueLine) {
    struct Case {
        const char* name;
        std::string data;
        std::string blankLines;
        std::string arguments;
        std::string reportStart;
    };
    const Case cases[] = {
        {"Gauss", "t\n2 2\n1 2\n3 4\n5 6\n", "\n\n", "--method gauss", "\r\nProblema: Sistem liniar\r\n"},
        {"inverse", "t\n2 2\n1 2\n3 4\n5 6\n", "\r\n\r\n", "--problem inverse --method gauss",
         "\r\nProblema: Inversare matrice\r\n"},
        {"last value line without line end", "t\n2 2\n1 2\n3 4\n5 6", "", "--method gauss",
         "\r\n\r\nProblema: Sistem liniar\r\n"},
    };
    for (const Case& c : cases) {
        Prepared p = prepare("end-of-file", c.data + c.blankLines);
        testing::CliResult result = runCorvane("solve '" + p.data + "' " + c.arguments);
        EXPECT_EQ(result.status, 0) << c.name << "\n" << result.err;
        EXPECT_EQ(readFile(p.data).rfind(c.data + c.reportStart, 0), 0u) << c.name << "\n" << readFile(p.data);
    }
}

TEST(SolveCommand, CholeskyWithAGeneralMatrixSwitchesToSymmetric) {
    Prepared p = prepare("cholesky-info", "t\n2 1\n4 2\n5\n1 1\n");
    testing::CliResult result = runCorvane("solve '" + p.data + "' --method cholesky");
    EXPECT_NE(result.err.find("Info: Metoda Cholesky:\nTipul Matrice: trebuie sa fie 'Simetrica'"), std::string::npos)
        << result.err;
}

TEST(CommandLine, VersionIsTheProjectVersion) {
    testing::CliResult result = runCorvane("--version");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, std::string("corvane ") + CORVANE_VERSION + "\n");
}

TEST(SolveCommand, HelpExplainsTheOptions) {
    testing::CliResult result = runCorvane("solve --help");
    EXPECT_EQ(result.status, 0);
    for (const char* option : {"--problem", "--method", "--norm", "--report-to", "--solves", "Exit status"}) {
        EXPECT_NE(result.out.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace corvane
