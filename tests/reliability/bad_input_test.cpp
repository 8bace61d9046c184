// Whatever the data file holds, `corvane solve` answers with a clear message
// and a status, never crashes or hangs, and leaves the user's data as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "reliability/bad_inputs.h"
#include "reliability/restricted_run.h"
#include "support/cli_runner.h"

namespace corvane {
namespace {

using testing::readFile;
using testing::writeFile;

const std::string kCannotOpen = "Error: cannot open the data file";

testing::CliResult solve(const std::string& data, const testing::ProblemChoice& choice) {
    std::vector<std::string> arguments = {"solve", data};
    for (const std::string& option : testing::solveOptions(choice)) arguments.push_back(option);
    return testing::runRestricted(arguments, {});
}

TEST(BadInput, ReadErrorsLeaveTheFileAsItWas) {
    for (const testing::BadInput& c : testing::badInputs()) {
        const std::string data = testing::scratchDirectory("bad-input") + "/data.txt";
        writeFile(data, c.text);
        const testing::CliResult result = solve(data, c.choice);
        EXPECT_EQ(result.status, c.status) << c.name << "\n" << result.err;
        EXPECT_EQ(result.err, c.title + ": " + c.message + "\n") << c.name;
        EXPECT_EQ(result.out, "") << c.name;
        EXPECT_TRUE(readFile(data) == c.text) << c.name << ": the data file was changed";
    }
}

// Inputs that look odd but hold a problem: they are read, solved, and the data
// stay in front of the report.
TEST(BadInput, OddButValidInputsAreSolved) {
    for (const testing::OddButValid& c : testing::oddButValidInputs()) {
        const std::string data = testing::scratchDirectory("odd-input") + "/data.txt";
        writeFile(data, c.text);
        const testing::CliResult result = solve(data, c.choice);
        EXPECT_EQ(result.status, 0) << c.name << "\n" << result.err;
        const std::string after = readFile(data);
        EXPECT_TRUE(after.compare(0, c.text.size(), c.text) == 0) << c.name << ": the data were changed";
        EXPECT_NE(after.find(c.solutionLine + "\r\n", c.text.size()), std::string::npos)
            << c.name << "\n" << after.substr(std::min(after.size(), c.text.size()), 2000);
    }
}

TEST(BadInput, FilesThatAreNoDataFiles) {
    const std::string dir = testing::scratchDirectory("not-a-file");
    const std::string directory = dir + "/folder.txt";
    std::filesystem::create_directory(directory);
    const std::string pipe = dir + "/pipe.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    for (const std::string& path : {directory, pipe, std::string("/dev/zero"), std::string("/dev/full")}) {
        const testing::CliResult result = testing::runRestricted({"solve", path, "--method", "gauss"}, {});
        EXPECT_EQ(result.status, 2) << path;
        EXPECT_EQ(result.err, kCannotOpen + " " + path + "\n") << path;
    }
    EXPECT_TRUE(std::filesystem::is_empty(directory));
}

TEST(BadInput, UnreadableFile) {
    const std::string dir = testing::scratchDirectory("unreadable");
    const std::string data = dir + "/data.txt";
    const std::string text = "t\n2 1\n2 1\n1 3\n3 5\n";
    writeFile(data, text);
    ASSERT_EQ(::chmod(data.c_str(), 0), 0);
    if (!testing::unreadableUnderRestrictions(data)) {
        GTEST_SKIP() << "this process cannot give up the right to read files whatever their permissions";
    }
    testing::Restrictions ordinaryUser;
    ordinaryUser.obeyFilePermissions = true;
    for (const char* reportTo : {"", "report.txt"}) {
        std::vector<std::string> arguments = {"solve", data, "--method", "gauss"};
        if (*reportTo != '\0') arguments.insert(arguments.end(), {"--report-to", dir + "/" + reportTo});
        const testing::CliResult result = testing::runRestricted(arguments, ordinaryUser);
        EXPECT_EQ(result.status, 2) << result.err;
        EXPECT_NE(result.err.find("Error: cannot "), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(" the data file " + data), std::string::npos) << result.err;
    }
    ::chmod(data.c_str(), 0644);
    EXPECT_EQ(readFile(data), text);
    EXPECT_FALSE(std::filesystem::exists(dir + "/report.txt"));
}

}  // namespace
}  // namespace corvane
