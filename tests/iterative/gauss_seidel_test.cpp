#include "iterative/gauss_seidel.h"

#include <gtest/gtest.h>

#include "iterative/iteration.h"
#include "iterative/iterative_fixture.h"
#include "app/dispatcher.h"

namespace corvane {
namespace {

using testing::Rows;
using testing::RunFixture;
using testing::iterationPart;
using testing::setSystem;

std::string runGaussSeidel(RunFixture& f, float eps, int nlim) {
    f.state.EPS = eps;
    f.state.NLIM = nlim;
    GAUSS_SEIDEL(f.context);
    return f.reportText();
}

struct StopCase {
    const char* name;
    Rows rows;
    Rows rightHandSides;
    float eps;
    int nlim;
    const char* report;   // from the interchange count to the solution check
    const char* console;
};

class GaussSeidelStop : public ::testing::TestWithParam<StopCase> {};

TEST_P(GaussSeidelStop, ReportsOutcomeAndLastIterate) {
    const StopCase& c = GetParam();
    RunFixture f;
    setSystem(f.state, c.rows, c.rightHandSides);
    EXPECT_EQ(iterationPart(runGaussSeidel(f, c.eps, c.nlim)), c.report);
    EXPECT_EQ(f.consoleSink.text(), c.console);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GaussSeidelStop,
    ::testing::Values(
        StopCase{"ToleranceAtFirstSweep", {{2, 0}, {0, 4}}, {{1, 2}}, 0.5f, 50,
                 "\r\n Solutia:\r\n"
                 "\r\n Toleranta atinsa. (0.500000    )\r\n"
                 " Numar iteratii: 1\r\n"
                 "\r\n"
                 " x(1) =  0.5000000    \r\n"
                 " x(2) =  0.5000000    \r\n",
                 "\r\n Toleranta atinsa.\r\n Numar iteratii: 1\r\n\r\n"},
        // Differences 2, 12, 72: the second and third sweeps do not decrease.
        StopCase{"Divergence", {{1, 2}, {3, 1}}, {{1, 1}}, 1.0e-5f, 50,
                 " * Divergenta la iteratia           2\r\n"
                 " * Divergenta la iteratia           3\r\n"
                 "\r\n Solutia:\r\n"
                 "\r\n Divergenta ( 72.0000     >  12.0000    )\r\n"
                 "\r\n Ultima aproximatie:\r\n"
                 " x(1) =   29.00000    \r\n"
                 " x(2) =  -86.00000    \r\n",
                 "\r\n Divergenta\r\n\r\n"},
        // Iterates (0, 2), then (-2, 0): the difference is 2 both times.
        StopCase{"Stagnation", {{1, 1}, {-1, 1}}, {{0, 2}}, 1.0e-5f, 50,
                 " * Iteratie stationara           2\r\n"
                 "\r\n Solutia:\r\n"
                 "\r\n Iteratie stationara ( 2.00000     =  2.00000    )\r\n"
                 "\r\n Ultima aproximatie:\r\n"
                 " x(1) =  -2.000000    \r\n"
                 " x(2) =   0.000000    \r\n",
                 "\r\n Iteratie stationara\r\n\r\n"},
        // A tolerance below zero is never reached: the exact solution shows as
        // two differences of 0 in a row.
        StopCase{"FixedPointWithNegativeTolerance", {{2}}, {{1}}, -1.0f, 50,
                 " * Iteratie stationara           3\r\n"
                 "\r\n Solutia:\r\n"
                 "\r\n Iteratie stationara ( 0.00000     =  0.00000    )\r\n"
                 "\r\n Ultima aproximatie:\r\n"
                 " x(1) =  0.5000000    \r\n",
                 "\r\n Iteratie stationara\r\n\r\n"},
        // Differences 1.25, then 0.296875 at the limit of two sweeps.
        StopCase{"Limit", {{4, 1}, {1, 4}}, {{5, 6}}, 1.0e-6f, 2,
                 "\r\n Solutia:\r\n"
                 "\r\n Numar de iteratii depasit. (0.296875    )\r\n"
                 "\r\n Ultima aproximatie:\r\n"
                 " x(1) =  0.9531250    \r\n"
                 " x(2) =   1.261719    \r\n",
                 "\r\n Numar de iteratii depasit.\r\n\r\n"},
        // The first right-hand side reaches the tolerance; the second one's
        // single sweep (1.0E11, not below 1.0E10) sets no outcome, so the
        // first one's stands.
        StopCase{"OutcomeCarriesOverToTheNextRightHandSide", {{1}}, {{1}, {1.0e11f}}, 2.0f, 1,
                 "\r\n Solutia - Termenii liberi nr. 1\r\n"
                 "\r\n Toleranta atinsa. ( 1.00000    )\r\n"
                 " Numar iteratii: 1\r\n"
                 "\r\n"
                 " x(1) =   1.000000    \r\n"
                 " * Divergenta la iteratia           1\r\n"
                 "\r\n Solutia - Termenii liberi nr. 2\r\n"
                 "\r\n Toleranta atinsa. (1.000000E+11)\r\n"
                 " Numar iteratii: 1\r\n"
                 "\r\n"
                 " x(1) =  0.1000000E+12\r\n",
                 "\r\n Toleranta atinsa.\r\n Numar iteratii: 1\r\n\r\n"
                 "\r\n Toleranta atinsa.\r\n Numar iteratii: 1\r\n\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GaussSeidel, EveryRightHandSideStartsAfresh) {
    RunFixture f;
    // The same right-hand side twice: a second start from the first one's
    // iterate, or with its last difference, would end differently.
    setSystem(f.state, {{4, 1}, {1, 4}}, {{5, 6}, {5, 6}});
    const std::string part = iterationPart(runGaussSeidel(f, 1.0e-6f, 2));
    const std::string result =
        "\r\n Numar de iteratii depasit. (0.296875    )\r\n"
        "\r\n Ultima aproximatie:\r\n"
        " x(1) =  0.9531250    \r\n"
        " x(2) =   1.261719    \r\n";
    EXPECT_EQ(part, "\r\n Solutia - Termenii liberi nr. 1\r\n" + result +
                        "\r\n Solutia - Termenii liberi nr. 2\r\n" + result);
    EXPECT_NE(f.reportText().find("\r\n Solutia nr. 2:\r\n"), std::string::npos);
}

TEST(GaussSeidel, NegativeLimitMakesNoSweep) {
    RunFixture f;
    setSystem(f.state, {{4, 1}, {1, 4}}, {{5, 6}});
    f.state.IMETODA = Method::GaussSeidel;
    f.state.EPS_TEXT = "1e-5";
    f.state.NLIM_TEXT = "-3";
    f.state.TIPAR_ITERATII = true;
    ASSERT_EQ(CORVANEAPPLY(f.context), SolveOutcome::Ran);
    EXPECT_EQ(iterationPart(f.reportText()),
              "\r\n Iter\tx" + std::string(28, ' ') + "max|x - x_ant|\r\n"
              "  0     0.000000       0.000000    \r\n"
              "\r\n Solutia:\r\n"
              "\r\n Numar de iteratii depasit. ( 0.00000    )\r\n"
              "\r\n Ultima aproximatie:\r\n"
              " x(1) =   0.000000    \r\n"
              " x(2) =   0.000000    \r\n");
}

TEST(GaussSeidel, CheckUsesTheReorderedSystem) {
    RunFixture f;
    // Rows 1 and 2 change places; the solution is (1, 2).
    setSystem(f.state, {{0, 1}, {2, 0}}, {{2, 2}});
    f.state.VERIF_ECUATII = true;
    f.state.VERIF_MAXIM = false;
    const std::string report = runGaussSeidel(f, 1.0e-6f, 10);
    EXPECT_EQ(testing::rowsOf(f.state.A), (Rows{{2, 0}, {0, 1}}));
    EXPECT_EQ(testing::rowsOf(f.state.B), (Rows{{2}, {2}}));
    EXPECT_NE(report.find(" x(1) =   1.000000    \r\n x(2) =   2.000000    \r\n"), std::string::npos) << report;
}

TEST(GaussSeidel, IterateThatIsNotANumberDivergesAtOnce) {
    RunFixture f;
    // The second sweep overflows (1.0E30 * 1.0E9 - 1.0E30 * 1.0E9) and makes the
    // first component NaN, and with it the others (0 * NaN): that sweep ends
    // the run as a divergence, although it is the first sweep whose difference
    // did not decrease.
    setSystem(f.state, {{1, 1.0e30f, -1.0e30f}, {0, 1, 0}, {0, 0, 1}}, {{0, 1.0e9f, 1.0e9f}});
    const std::string part = iterationPart(runGaussSeidel(f, 1.0e-5f, 50));
    EXPECT_EQ(part, " * Divergenta la iteratia           2\r\n"
                    "\r\n Solutia:\r\n"
                    "\r\n Divergenta (         NaN > 1.000000E+09)\r\n"
                    "\r\n Ultima aproximatie:\r\n"
                    " x(1) =            NaN\r\n"
                    " x(2) =            NaN\r\n"
                    " x(3) =            NaN\r\n");
}

TEST(GaussSeidelHistory, ThreeUnknowns) {
    RunFixture f;
    setSystem(f.state, {{2, 0, 0}, {0, 4, 0}, {0, 0, 8}}, {{1, 1, 1}});
    f.state.TIPAR_ITERATII = true;
    EXPECT_EQ(iterationPart(runGaussSeidel(f, 1.0e-6f, 50)),
              "\r\n Iter\tx" + std::string(43, ' ') + "max|x - x_ant|\r\n"
              "  0     0.000000       0.000000       0.000000    \r\n"
              "  1    0.5000000      0.2500000      0.1250000      0.5000000    \r\n"
              "  2    0.5000000      0.2500000      0.1250000       0.000000    \r\n"
              "\r\n Solutia:\r\n"
              "\r\n Toleranta atinsa. ( 0.00000    )\r\n"
              " Numar iteratii: 2\r\n"
              "\r\n"
              " x(1) =  0.5000000    \r\n"
              " x(2) =  0.2500000    \r\n"
              " x(3) =  0.1250000    \r\n");
}

TEST(GaussSeidelHistory, DivergenceLinesFollowTheSweepLines) {
    RunFixture f;
    setSystem(f.state, {{1, 2}, {3, 1}}, {{1, 1}});
    f.state.TIPAR_ITERATII = true;
    const std::string part = iterationPart(runGaussSeidel(f, 1.0e-5f, 50));
    EXPECT_NE(part.find("  2     5.000000      -14.00000       12.00000    \r\n * Divergenta\r\n"
                        "  3     29.00000      -86.00000       72.00000    \r\n * Divergenta\r\n\r\n Solutia:"),
              std::string::npos)
        << part;
}

TEST(GaussSeidelHistory, TenUnknownsContinueOnASecondLine) {
    RunFixture f;
    Rows rows(10, std::vector<float>(10, 0.0f));
    std::vector<float> b;
    for (int i = 0; i < 10; ++i) {
        rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = 2.0f;
        b.push_back(static_cast<float>(i + 1));
    }
    setSystem(f.state, rows, {b});
    f.state.TIPAR_ITERATII = true;
    const std::string part = iterationPart(runGaussSeidel(f, 1.0e-6f, 50));
    const std::string zero = "   0.000000    ";
    std::string zeros8;
    for (int i = 0; i < 8; ++i) zeros8 += zero;
    const std::string expectedHistory =
        "\r\n Iter\tx" + std::string(118, ' ') + "max|x - x_ant|\r\n"
        "  0  " + zeros8 + "\r\n" + zero + zero + "\r\n"
        "   1   0.5000000       1.000000       1.500000       2.000000       2.500000    "
        "   3.000000       3.500000       4.000000       4.500000    \r\n"
        "   5.000000       5.000000    \r\n"
        "   2   0.5000000       1.000000       1.500000       2.000000       2.500000    "
        "   3.000000       3.500000       4.000000       4.500000    \r\n"
        "   5.000000    " + zero + "\r\n"
        "\r\n Solutia:\r\n";
    EXPECT_EQ(part.substr(0, expectedHistory.size()), expectedHistory);
}

TEST(GaussSeidelHistory, SweepNumbersFromOneThousandShowAsAsterisks) {
    RunFixture f;
    // x2 <- x3 / 2, x3 <- 1 + 1.996 * x2: the differences shrink by 0.998 a sweep.
    setSystem(f.state, {{1, 0, 0}, {0, 1, -0.5f}, {0, -1.996f, 1}}, {{0, 0, 1}});
    f.state.TIPAR_ITERATII = true;
    const std::string part = iterationPart(runGaussSeidel(f, 1.0e-6f, 1000));
    EXPECT_NE(part.find("\r\n999     0.000000 "), std::string::npos);
    const std::size_t last = part.find("\r\n***     0.000000 ");
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(part.find("\r\n\r\n Solutia:\r\n\r\n Numar de iteratii depasit.", last), last + 2 + 65);  // the sweep line is 5 + 4 * 15 characters
}

TEST(Norm, LargestMagnitudeSkippingNotANumber) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float values[] = {1.0f, nan, -3.0f, 2.0f};
    EXPECT_EQ(largestMagnitude(values, 4), 3.0f);
    const float nans[] = {nan, nan};
    EXPECT_EQ(largestMagnitude(nans, 2), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(largestMagnitude(values, 0), -std::numeric_limits<float>::max());
}

}  // namespace
}  // namespace corvane
