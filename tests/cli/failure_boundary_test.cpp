// An exception that leaves a SOLVE ends `corvane solve` with an "Error"
// message and its own exit status, and the data file keeps its data.

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "cli/command_line.h"
#include "support/cli_runner.h"
#include "support/recording_messages.h"
#include "support/throwing_sink.h"

namespace corvane {
namespace {

using testing::readFile;
using testing::writeFile;

const std::string kSystem = "t\n2 1\n2 1\n1 3\n3 5\n";

TEST(FailureBoundary, AnExceptionInASolveEndsTheCommandWithItsStatus) {
    struct Case {
        const char* name;
        std::function<void()> failure;
        bool reportElsewhere;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {"standard exception", [] { throw std::runtime_error("the console went away"); }, true, 5,
         "the console went away"},
        {"out of memory", [] { throw std::bad_alloc(); }, true, 6, "Not enough memory for this problem."},
        {"not a standard exception", [] { throw 7; }, true, 5, "An unexpected failure stopped this action."},
        {"failed write", [] { throw WriteError("cannot write the report: Broken pipe"); }, true, 4,
         "cannot write the report: Broken pipe"},
        {"report into the data file", [] { throw std::runtime_error("the console went away"); }, false, 5,
         "the console went away"},
    };
    for (const Case& c : cases) {
        const std::string dir = testing::scratchDirectory("failure-boundary");
        SolveOptions options;
        options.dataFile = dir + "/data.txt";
        writeFile(options.dataFile, kSystem);
        options.method = "gauss-seidel";
        options.eps = "1e-4";
        options.nlim = "50";
        if (c.reportElsewhere) options.reportTo = dir + "/report.txt";
        testing::ThrowingSink console(c.failure);  // Gauss-Seidel copies its outcome there
        testing::RecordingMessages messages;

        EXPECT_EQ(runSolve(options, console, messages), c.status) << c.name;
        ASSERT_EQ(messages.shown.size(), 1u) << c.name;
        EXPECT_EQ(messages.shown[0].title, "Error") << c.name;
        EXPECT_EQ(messages.shown[0].text, c.message) << c.name;
        const std::string data = readFile(options.dataFile);
        if (c.reportElsewhere) {
            EXPECT_EQ(data, kSystem) << c.name;
        } else {
            // The data stay in front of the part of the report written before the failure.
            EXPECT_EQ(data.rfind(kSystem + "\r\nProblema: ", 0), 0u) << c.name << "\n" << data;
        }
    }
}

}  // namespace
}  // namespace corvane
