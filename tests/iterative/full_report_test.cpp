// Whole results files of Gauss-Seidel and SOR runs from the command line,
// character for character. Every folder under tests/data/iterative holds the
// data file (input.txt), the arguments after the file name (args), the whole
// file expected after the run (expected.txt: the data, then each report with
// its run header) and the expected standard output (stdout.txt).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = fs::path(CORVANE_TEST_DATA) / "iterative";

std::vector<std::string> fixtureNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kFixtures)) {
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string firstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

class IterativeReport : public ::testing::TestWithParam<std::string> {};

TEST_P(IterativeReport, MatchesTheExpectedFile) {
    const fs::path source = kFixtures / GetParam();
    const std::string data = testing::scratchDirectory("iterative-" + GetParam()) + "/data.txt";
    fs::copy_file(source / "input.txt", data);
    const std::string args = firstLine(testing::readFile((source / "args").string()));

    const testing::CliResult result = testing::runCorvane("solve '" + data + "' " + args);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(testing::readFile(data), testing::readFile((source / "expected.txt").string()));
    EXPECT_EQ(result.out, testing::readFile((source / "stdout.txt").string()));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, IterativeReport, ::testing::ValuesIn(fixtureNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace corvane
