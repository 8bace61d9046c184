// The sample data files of examples/ solve with the options the README gives.

#include <gtest/gtest.h>

#include <string>

#include "support/cli_runner.h"

namespace corvane {
namespace {

TEST(Examples, SolveWithTheDocumentedOptions) {
    const std::pair<const char*, const char*> cases[] = {
        {"system3.txt", "--method gauss --print-matrix --print-determinant"},
        {"two-right-hand-sides.txt", "--method gauss --check each"},
        {"spd-system4.txt", "--matrix symmetric --method cholesky"},
        {"hilbert5.txt", "--generate Hilbert --method gauss"},
        {"inverse3.txt", "--problem inverse --method gauss"},
        {"system3.txt", "--method gauss-seidel --eps 1e-5 --nlim 50 --print-iterations"},
        {"system3.txt", "--method sor --eps 1e-5 --nlim 50 --omega 1.1"},
        {"inverse3.txt", "--problem condition --norm 2 --print-matrix"},
        {"spd-system4.txt", "--matrix symmetric --method cholesky --print-determinant"},
        {"pivoting4.txt", "--method gauss --print-determinant"},
    };
    const std::string report = testing::scratchDirectory("examples") + "/report.txt";
    for (const auto& [file, options] : cases) {
        const std::string data = std::string(CORVANE_SOURCE_DIR "/examples/") + file;
        const std::string before = testing::readFile(data);
        testing::CliResult result = testing::runCorvane("solve '" + data + "' " + options + " --report-to '" + report + "'");
        EXPECT_EQ(result.status, 0) << file << "\n" << result.err;
        EXPECT_NE(testing::readFile(report).find("Problema:"), std::string::npos) << file;
        EXPECT_EQ(testing::readFile(data), before) << file;
    }
}

// The README tells how long a title may be; a title of that length (longer
// than the 80 characters the help asks for) followed by more text on its line
// is read and solved like any other.
TEST(Examples, TheReadmeGivesTheTitleLengthTheReaderTakes) {
    const std::string readme = testing::readFile(CORVANE_SOURCE_DIR "/README.md");
    EXPECT_NE(readme.find("line 1     a title (the reader takes its first 100 characters"), std::string::npos);
    const std::string directory = testing::scratchDirectory("examples-title");
    const std::string data = directory + "/long-title.txt";
    testing::writeFile(data, std::string(100, 'T') + " 7 7 7 text the reader passes over\n1 1\n2\n4\n");
    testing::CliResult result = testing::runCorvane("solve '" + data + "' --method gauss --report-to '" + directory + "/report.txt'");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(testing::readFile(directory + "/report.txt").find(" x(1) =    2.000000"), std::string::npos);
}

}  // namespace
}  // namespace corvane
