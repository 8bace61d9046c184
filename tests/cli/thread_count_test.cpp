// The number of threads changes no byte of a report: problems large enough
// for every threaded kernel to share its tiles (elimination, LU, Cholesky,
// the solves with many right-hand sides, the check's product, AᵀA and the
// power method's product) give the same file with 1, 2, 3 and 5 threads, set
// by --threads or CORVANE_THREADS. Bad counts are usage errors.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "support/cli_runner.h"

namespace corvane {
namespace {

constexpr int kOrder = 450;  // the rows below the first half of the steps fill two chunks of the elimination

// A random general matrix with `columns` right-hand sides; or, `symmetric`,
// the upper triangle of a diagonally dominant (positive definite) one.
std::string dataFile(bool symmetric, int columns) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> entry(-1.0f, 1.0f);
    std::string text = "Random matrix of order " + std::to_string(kOrder) + "\n" + std::to_string(kOrder);
    if (columns > 0) text += " " + std::to_string(columns);
    text += "\n";
    char number[32];
    for (int i = 1; i <= kOrder; ++i) {
        for (int j = symmetric ? i : 1; j <= kOrder; ++j) {
            const float value = symmetric && i == j ? static_cast<float>(kOrder) : entry(random);
            std::snprintf(number, sizeof number, "%.8g ", value);
            text += number;
        }
        text += "\n";
    }
    for (int k = 0; k < columns; ++k) {
        for (int i = 1; i <= kOrder; ++i) {
            std::snprintf(number, sizeof number, "%.8g ", entry(random));
            text += number;
        }
        text += "\n";
    }
    return text;
}

struct Problem {
    const char* name;
    bool symmetric;
    int rightHandSides;  // 0: none in the file
    const char* args;
};

const Problem kProblems[] = {
    {"gauss_inverse", false, 0, "--problem inverse --method gauss --print-determinant"},
    {"gauss_system", false, 40, "--method gauss --check each"},
    {"lu_inverse", false, 0, "--problem inverse --method lu --print-determinant"},
    {"cholesky_inverse", true, 0, "--problem inverse --matrix symmetric --method cholesky --print-determinant"},
    {"cholesky_system", true, 40, "--matrix symmetric --method cholesky"},
    {"two_norm", false, 0, "--problem condition --norm 2"},
    {"spectral_estimate", false, 0, "--problem condition --norm cond"},
};

// The report written with `threads` ("" for the default) and the variable
// CORVANE_THREADS set to `variable` (nullptr: unset).
std::string reportWith(const Problem& problem, const std::string& threads, const char* variable) {
    const std::string dir = testing::scratchDirectory(std::string("threads-") + problem.name);
    const std::string data = dir + "/data.txt";
    testing::writeFile(data, dataFile(problem.symmetric, problem.rightHandSides));
    if (variable != nullptr) setenv("CORVANE_THREADS", variable, 1);
    const std::string option = threads.empty() ? "" : " --threads " + threads;
    const testing::CliResult result = testing::runCorvane("solve '" + data + "' " + problem.args + option + " --quiet");
    unsetenv("CORVANE_THREADS");
    EXPECT_EQ(result.status, 0) << problem.name << " threads " << threads << ": " << result.err;
    return testing::readFile(data);
}

class ThreadCount : public ::testing::TestWithParam<Problem> {};

TEST_P(ThreadCount, ReportsAreTheSameBytesForAnyCount) {
    const Problem& problem = GetParam();
    const std::string one = reportWith(problem, "1", nullptr);
    ASSERT_GT(one.size(), static_cast<std::size_t>(kOrder) * kOrder);
    for (const char* threads : {"2", "3", "5"}) {
        EXPECT_TRUE(reportWith(problem, threads, nullptr) == one) << problem.name << " with " << threads << " threads";
    }
    EXPECT_TRUE(reportWith(problem, "", "3") == one) << problem.name << " with CORVANE_THREADS=3";
}

INSTANTIATE_TEST_SUITE_P(Problems, ThreadCount, ::testing::ValuesIn(kProblems),
                         [](const ::testing::TestParamInfo<Problem>& info) { return std::string(info.param.name); });

TEST(ThreadCountErrors, BadCountsAreUsageErrorsAndTheOptionWinsOverTheVariable) {
    struct Case {
        const char* option;    // nullptr: not given
        const char* variable;  // nullptr: unset
        int status;
        const char* message;   // in standard error
    };
    const Case cases[] = {
        {"0", nullptr, 1, "--threads"},
        {"-2", nullptr, 1, "--threads"},
        {"two", nullptr, 1, "--threads"},
        {"1025", nullptr, 1, "--threads"},
        {nullptr, "0", 1, "CORVANE_THREADS must be a whole number from 1 to 1024, not \"0\""},
        {nullptr, "many", 1, "CORVANE_THREADS must be a whole number from 1 to 1024, not \"many\""},
        {nullptr, "2x", 1, "not \"2x\""},
        {nullptr, " 2", 1, "not \" 2\""},
        {nullptr, "4096", 1, "not \"4096\""},
        {"2", "many", 0, ""},
        {nullptr, "", 0, ""},
        {nullptr, "1024", 0, ""},
    };
    const std::string dir = testing::scratchDirectory("thread-count-errors");
    const std::string data = dir + "/data.txt";
    for (const Case& c : cases) {
        testing::writeFile(data, "Two equations\n2 1\n2 1\n1 3\n3 5\n");
        if (c.variable != nullptr) setenv("CORVANE_THREADS", c.variable, 1);
        const std::string option = c.option == nullptr ? "" : std::string(" --threads ") + c.option;
        const testing::CliResult result = testing::runCorvane("solve '" + data + "' --method gauss" + option);
        unsetenv("CORVANE_THREADS");
        const std::string where = std::string("option ") + (c.option ? c.option : "(none)") + ", variable " +
                                  (c.variable ? c.variable : "(unset)");
        EXPECT_EQ(result.status, c.status) << where << ": " << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << where << ": " << result.err;
    }
}

}  // namespace
}  // namespace corvane
