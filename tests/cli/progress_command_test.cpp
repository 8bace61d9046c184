// solve's progress on standard error (--progress, --no-progress, off when
// standard error is no terminal) and Ctrl-C: the run stops at its next step
// boundary, the report ends with the interruption line, the data stay, and
// the status is 130.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "support/cli_runner.h"

namespace corvane {
namespace {

std::string example(const char* name) { return std::string(CORVANE_SOURCE_DIR "/examples/") + name; }

TEST(ProgressOption, TellsEachPhaseOnStandardErrorOnlyWhenAsked) {
    const std::string report = testing::scratchDirectory("progress-option") + "/report.txt";
    const std::string gauss = "solve '" + example("system3.txt") + "' --method gauss --report-to '" + report + "'";
    const std::string seidel = "solve '" + example("system3.txt") +
                               "' --method gauss-seidel --eps 1e-5 --nlim 50 --report-to '" + report + "'";
    struct Case {
        std::string arguments;
        std::vector<std::string> lines;  // each on standard error, in this order; none: nothing at all
    };
    const Case cases[] = {
        {gauss + " --progress",
         {"corvane: [........................] 0% Gaussian elimination: step 0 of 3\n", "corvane: [........................] 0% Writing the solutions: 0 of 1\n",
          "corvane: [........................] 0% Check: right-hand side 0 of 1\n"}},
        {seidel + " --progress", {"corvane: [........................] 0% Sweep 0 of NLIM = 50\n", "Check: right-hand side 0 of 1\n"}},
        {gauss + " --no-progress", {}},
        {gauss, {}},  // standard error is a file here, not a terminal
    };
    for (const Case& c : cases) {
        const testing::CliResult result = testing::runCorvane(c.arguments);
        EXPECT_EQ(result.status, 0) << c.arguments << "\n" << result.err;
        if (c.lines.empty()) {
            EXPECT_EQ(result.err, "") << c.arguments;
        }
        std::size_t at = 0;
        for (const std::string& line : c.lines) {
            at = result.err.find(line, at);
            EXPECT_NE(at, std::string::npos) << c.arguments << ": no " << line << " in\n" << result.err;
            if (at == std::string::npos) break;
        }
        EXPECT_NE(testing::readFile(report).find(" * Proba"), std::string::npos) << c.arguments;
    }
    EXPECT_EQ(testing::runCorvane(gauss + " --progress --no-progress").status, 1);
}

// Starts corvane with these arguments, standard error to `errPath`; returns its pid.
pid_t spawnCorvane(const std::vector<std::string>& arguments, const std::string& errPath) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv;
    std::vector<std::string> copies = testing::corvaneCommandWords();
    copies.insert(copies.end(), arguments.begin(), arguments.end());
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Ctrl-C once the product of the 2-norm is under way (its first progress
// line is on standard error): a run of several seconds ends at once.
TEST(ProgressOption, CtrlCStopsTheRunWithTheInterruptionLineAndStatus130) {
    const std::string dir = testing::scratchDirectory("ctrl-c");
    const std::string data = dir + "/band.txt", err = dir + "/err.txt";
    const int n = 2500;
    std::string text = "Banda plina " + std::to_string(n) + "\n" + std::to_string(n) + "\n" + std::to_string(n) + "\n5000";
    for (int k = 1; k < n; ++k) text += " 1";
    text += "\n";
    testing::writeFile(data, text);

    const pid_t child = spawnCorvane({"solve", data, "--generate", "Constant Band", "--problem", "condition", "--norm", "2",
                                      "--progress"},
                                     err);
    ASSERT_GT(child, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (testing::readFile(err).find("Product") == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(::kill(child, SIGINT), 0);
    int raw = 0;
    ASSERT_EQ(::waitpid(child, &raw, 0), child);
    ASSERT_TRUE(WIFEXITED(raw)) << "ended by signal " << (WIFSIGNALED(raw) ? WTERMSIG(raw) : 0);
    EXPECT_EQ(WEXITSTATUS(raw), 130);
    EXPECT_NE(testing::readFile(err).find("corvane: interrupted\n"), std::string::npos) << testing::readFile(err);

    const std::string after = testing::readFile(data);
    EXPECT_EQ(after.rfind(text, 0), 0u) << "the data changed";
    const std::string report = after.substr(text.size());
    EXPECT_NE(report.find("Problema: Numar de Conditie"), std::string::npos) << report;
    const std::string last = " * Rulare intrerupta.\r\n";
    ASSERT_GE(report.size(), last.size());
    EXPECT_EQ(report.substr(report.size() - last.size()), last) << report;
    EXPECT_EQ(report.find("Numarul de conditie"), std::string::npos) << "the run went on to its end";
}

}  // namespace
}  // namespace corvane
