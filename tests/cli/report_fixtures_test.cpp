// Whole reports, character for character: every folder under
// tests/data/reports holds a data file (input.txt), the arguments of
// `corvane solve` after the file name (args), the whole file expected after
// the run (expected.txt) and, optionally, the expected standard output
// (stdout.txt). Each runs with 1, 2, 3 and 5 threads: the bytes are the same.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "support/cli_runner.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> fixtureNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(CORVANE_TEST_DATA "/reports")) {
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string trimmedLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

class ReportFixture : public ::testing::TestWithParam<std::tuple<std::string, int>> {};

TEST_P(ReportFixture, MatchesTheExpectedFile) {
    const auto& [name, threads] = GetParam();
    const fs::path source = fs::path(CORVANE_TEST_DATA) / "reports" / name;
    const std::string dir = testing::scratchDirectory("fixture-" + name + "-" + std::to_string(threads));
    const std::string data = dir + "/data.txt";
    fs::copy_file(source / "input.txt", data);
    const std::string args = trimmedLine(testing::readFile((source / "args").string()));

    testing::CliResult result =
        testing::runCorvane("solve '" + data + "' " + args + " --threads " + std::to_string(threads));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(testing::readFile(data), testing::readFile((source / "expected.txt").string()));
    if (fs::exists(source / "stdout.txt")) {
        EXPECT_EQ(result.out, testing::readFile((source / "stdout.txt").string()));
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportFixture,
                         ::testing::Combine(::testing::ValuesIn(fixtureNames()), ::testing::Values(1, 2, 3, 5)),
                         [](const ::testing::TestParamInfo<std::tuple<std::string, int>>& info) {
                             std::string name = std::get<0>(info.param);
                             for (char& c : name) if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name + "_threads" + std::to_string(std::get<1>(info.param));
                         });

}  // namespace
}  // namespace corvane
