// What `corvane solve` says on standard error about how far to trust x: the
// conditioning warning (for the ill-conditioned Hilbert matrix by each direct
// method, not for a well-conditioned system, never with --quiet, the report
// unchanged) and the true error when the exact answer is known.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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
        std::string after = "";  // what follows the warning (an inverse's error)
    } cases[] = {
        {"'" + hilbert + "' --generate Hilbert --method gauss", true},
        {"'" + hilbert + "' --generate Hilbert --method lu", true},
        {"'" + hilbert + "' --generate Hilbert --matrix symmetric --method cholesky", true},
        {"'" + hilbert + "' --generate Hilbert --problem inverse --method lu", true, "Error in the inverse: "},
        {"'" + hilbert + "' --generate Hilbert --method gauss --quiet", false},
        {"'" + system3 + "' --method gauss", false},
        {"'" + system3 + "' --method gauss-seidel --eps 1e-5 --nlim 50", false},
    };
    for (const auto& c : cases) {
        const std::string report = directory + "/report.txt";
        testing::CliResult run = testing::runCorvane("solve " + c.arguments + " --report-to '" + report + "'");
        ASSERT_EQ(run.status, 0) << c.arguments << "\n" << run.err;
        if (c.warned) {
            const std::size_t firstLineEnd = run.err.find('\n') + 1;
            EXPECT_EQ(run.err.substr(0, firstLineEnd), kHilbert5Warning) << c.arguments;
            const std::string rest = run.err.substr(firstLineEnd);
            EXPECT_EQ(c.after.empty() ? rest : rest.substr(0, c.after.size()), c.after) << c.arguments;
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

// The columns of the inverse a report prints (" * Coloana k", then
// " x(i) = value" lines), as rows of numbers.
std::vector<std::vector<double>> printedInverse(const std::string& report, int n) {
    std::vector<std::vector<double>> X(static_cast<std::size_t>(n), std::vector<double>(static_cast<std::size_t>(n), 0.0));
    std::size_t at = 0;
    for (int k = 1; k <= n; ++k) {
        at = report.find(" * Coloana " + std::to_string(k) + "\r\n", at);
        if (at == std::string::npos) return {};
        for (int i = 1; i <= n; ++i) {
            at = report.find(" x(" + std::to_string(i) + ") =", at);
            if (at == std::string::npos) return {};
            X[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(k - 1)] = std::strtod(report.c_str() + report.find('=', at) + 1, nullptr);
        }
    }
    return X;
}

// The inverse of a generated Hilbert matrix is measured against its exact
// inverse without being asked: the figures agree with the inverse the
// report prints (seven digits), measured here against an exact inverse
// stated here.
TEST(TrueErrorCli, HilbertInverseAgainstItsExactInverse) {
    const std::string directory = testing::scratchDirectory("hilbert-inverse");
    testing::writeFile(directory + "/hilbert6.txt", "Hilbert 6\n6 0\n0\n");
    const std::string report = directory + "/report.txt";
    testing::CliResult run = testing::runCorvane("solve '" + directory + "/hilbert6.txt' --generate Hilbert --problem inverse "
                                                 "--method lu --quiet --report-to '" + report + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    double largest = 0.0, relative = 0.0;
    ASSERT_EQ(std::sscanf(run.err.c_str(), "Error in the inverse: max |X - X_exact| = %lf, relative %lf", &largest, &relative), 2)
        << run.err;

    const double exact[6][6] = {
        {36, -630, 3360, -7560, 7560, -2772},           {-630, 14700, -88200, 211680, -220500, 83160},
        {3360, -88200, 564480, -1411200, 1512000, -582120}, {-7560, 211680, -1411200, 3628800, -3969000, 1552320},
        {7560, -220500, 1512000, -3969000, 4410000, -1746360}, {-2772, 83160, -582120, 1552320, -1746360, 698544},
    };
    const std::vector<std::vector<double>> printed = printedInverse(testing::readFile(report), 6);
    ASSERT_EQ(printed.size(), 6u);
    double recomputed = 0.0;
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) recomputed = std::max(recomputed, std::fabs(printed[i][j] - exact[i][j]));
    EXPECT_NEAR(largest, recomputed, 0.051 * recomputed);  // the line shows two digits
    EXPECT_NEAR(relative, recomputed / 4410000.0, 0.051 * recomputed / 4410000.0);
}

}  // namespace
}  // namespace corvane
