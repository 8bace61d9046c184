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

}  // namespace
}  // namespace corvane
