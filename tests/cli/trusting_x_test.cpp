// What `corvane solve` says on standard error about how far to trust x: the
// conditioning warning (for the ill-conditioned Hilbert matrix by each direct
// method, not for a well-conditioned system, never with --quiet, the report
// unchanged) and the true error when the exact answer is known.

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

// --exact: the error of x for each right-hand side, against ones or a file.
TEST(TrueErrorCli, OneLinePerRightHandSide) {
    const std::string hilbert = std::string(CORVANE_SOURCE_DIR) + "/examples/hilbert5.txt";
    const std::string system3 = std::string(CORVANE_SOURCE_DIR) + "/examples/system3.txt";
    const std::string directory = testing::scratchDirectory("true-error");
    const std::string report = " --report-to '" + directory + "/report.txt'";
    testing::writeFile(directory + "/exact.txt", "1 2 3\n");

    testing::CliResult ones = testing::runCorvane("solve '" + hilbert + "' --generate Hilbert --method gauss --quiet --exact ones" + report);
    EXPECT_EQ(ones.status, 0) << ones.err;
    EXPECT_EQ(ones.err, "Error in x, right-hand side 1: max |x - x_exact| = 1.4E-02, relative 1.4E-02\n");

    testing::CliResult file = testing::runCorvane("solve '" + system3 + "' --method lu --exact '" + directory + "/exact.txt'" + report);
    EXPECT_EQ(file.status, 0) << file.err;
    EXPECT_EQ(file.err.rfind("Error in x, right-hand side 1: max |x - x_exact| = ", 0), 0u) << file.err;

    testing::CliResult inverse = testing::runCorvane("solve '" + system3 + "' --problem inverse --method lu --exact ones" + report);
    EXPECT_EQ(inverse.status, 1);
    EXPECT_NE(inverse.err.find("--exact applies to --problem system"), std::string::npos) << inverse.err;

    testing::CliResult missing = testing::runCorvane("solve '" + system3 + "' --method lu --exact '" + directory + "/none.txt'" + report);
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot read 3 x 1 exact solutions"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace corvane
