// The conditioning warning of `corvane solve` on standard error: for the
// ill-conditioned Hilbert matrix by each direct method, not for a
// well-conditioned system, never with --quiet, and the report unchanged.

#include <gtest/gtest.h>

#include <string>

#include "support/cli_runner.h"

namespace corvane {
namespace {

constexpr const char* kHilbert5Warning =
    "Warning: ill-conditioned matrix, cond1(A) ~ 9.4E+05: expect about 1 correct digit in x\n";

TEST(ConditioningWarningCli, ShownForAnIllConditionedMatrixOnly) {
    const std::string hilbert = std::string(CORVANE_SOURCE_DIR) + "/examples/hilbert5.txt";
    const std::string system3 = std::string(CORVANE_SOURCE_DIR) + "/examples/system3.txt";
    const std::string directory = testing::scratchDirectory("conditioning-warning");
    const struct {
        std::string arguments;
        bool warned;
    } cases[] = {
        {"'" + hilbert + "' --generate Hilbert --method gauss", true},
        {"'" + hilbert + "' --generate Hilbert --method lu", true},
        {"'" + hilbert + "' --generate Hilbert --matrix symmetric --method cholesky", true},
        {"'" + hilbert + "' --generate Hilbert --problem inverse --method lu", true},
        {"'" + hilbert + "' --generate Hilbert --method gauss --quiet", false},
        {"'" + system3 + "' --method gauss", false},
        {"'" + system3 + "' --method gauss-seidel --eps 1e-5 --nlim 50", false},
    };
    for (const auto& c : cases) {
        const std::string report = directory + "/report.txt";
        testing::CliResult run = testing::runCorvane("solve " + c.arguments + " --report-to '" + report + "'");
        ASSERT_EQ(run.status, 0) << c.arguments << "\n" << run.err;
        if (c.warned) {
            EXPECT_EQ(run.err, kHilbert5Warning) << c.arguments;
        } else {
            EXPECT_EQ(run.err.find("Warning"), std::string::npos) << c.arguments << "\n" << run.err;
        }
        EXPECT_EQ(testing::readFile(report).find("Warning"), std::string::npos) << "the report stays as it was";
    }
}

}  // namespace
}  // namespace corvane
