// Whole condition-number runs through `corvane solve`: each folder holds a data
// file (input.txt), the arguments after the file name (args) and the whole
// file expected after the run (expected.txt: the data, then the reports).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/cli_runner.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::string firstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

TEST(ConditionCommand, WholeRunsMatchTheExpectedFiles) {
    const char* const folders[] = {
        "symmetric_two_norm",       // echo of a symmetric matrix, printed inverse, 2-norm
        "generated_hilbert_twice",  // a second SOLVE works on the reduced matrix and the inverse
    };
    for (const char* folder : folders) {
        const fs::path source = fs::path(CORVANE_TEST_DATA) / "condition" / folder;
        const std::string data = testing::scratchDirectory(std::string("condition-") + folder) + "/data.txt";
        fs::copy_file(source / "input.txt", data);
        const std::string args = firstLine(testing::readFile((source / "args").string()));

        testing::CliResult result = testing::runCorvane("solve '" + data + "' " + args);
        EXPECT_EQ(result.status, 0) << folder << "\n" << result.err;
        EXPECT_EQ(testing::readFile(data), testing::readFile((source / "expected.txt").string())) << folder;
    }
}

}  // namespace
}  // namespace corvane
