// Whole reports of both iterative methods with every print option on, from
// SOLVE: run header, system, interchange count, (scaled system,) histories,
// results and the check of every equation.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "iterative/iterative_fixture.h"
#include "problem/dispatcher.h"

namespace corvane {
namespace {

using testing::RunFixture;
using testing::setSystem;

std::string expectedReport(const std::string& name) {
    std::ifstream file(std::string(CORVANE_TEST_DATA) + "/iterative/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void setEveryPrintOption(ProblemState& state) {
    state.TIPAR_MATRICE = true;
    state.TIPAR_DETERMINANT = true;
    state.TIPAR_ITERATII = true;
    state.VERIF_ECUATII = true;
    state.VERIF_MAXIM = false;
}

TEST(FullReport, GaussSeidel) {
    RunFixture f;
    // Row 1 takes row 3; the solution is (1, 1, 1).
    setSystem(f.state, {{0, 1, 6}, {1, 5, 1}, {4, 1, 1}}, {{7, 7, 6}});
    f.state.IMETODA = 4;
    f.state.EPS_TEXT = "1e-5";
    f.state.NLIM_TEXT = "50";
    setEveryPrintOption(f.state);
    ASSERT_EQ(CORVANEAPPLY(f.context), SolveOutcome::Ran);
    EXPECT_EQ(f.reportText(), expectedReport("gauss_seidel_all_options.txt"));
    EXPECT_EQ(f.consoleSink.text(), "\r\n Toleranta atinsa.\r\n Numar iteratii: 6\r\n\r\n");
}

TEST(FullReport, Sor) {
    RunFixture f;
    // Row 1 takes row 3; the first right-hand side has the solution (1, 1, 1).
    setSystem(f.state, {{0, 1, 5}, {1, 4, 1}, {5, 1, 1}}, {{6, 6, 7}, {1, 2, 3}});
    f.state.IMETODA = 5;
    f.state.EPS_TEXT = "1e-4";
    f.state.NLIM_TEXT = "30";
    f.state.OMEGA_TEXT = "1.2";
    setEveryPrintOption(f.state);
    ASSERT_EQ(CORVANEAPPLY(f.context), SolveOutcome::Ran);
    EXPECT_EQ(f.reportText(), expectedReport("sor_all_options.txt"));
    EXPECT_EQ(f.consoleSink.text(),
              "\r\n Toleranta atinsa.\r\n Numar iteratii: 7\r\n\r\n"
              "\r\n Toleranta atinsa.\r\n Numar iteratii: 6\r\n\r\n");
}

}  // namespace
}  // namespace corvane
