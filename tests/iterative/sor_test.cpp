#include "iterative/sor.h"

#include <gtest/gtest.h>

#include "iterative/gauss_seidel.h"
#include "iterative/iterative_fixture.h"

namespace corvane {
namespace {

using testing::Rows;
using testing::RunFixture;
using testing::iterationPart;
using testing::setSystem;

void setParameters(ProblemState& state, float eps, int nlim, float omega) {
    state.EPS = eps;
    state.NLIM = nlim;
    state.OMEGA = omega;
    state.OMEGA1 = 1.0f - omega;
}

TEST(Sor, FirstComponentIsNeverRelaxed) {
    RunFixture f;
    // Scaled: rows (1, 0.5) and (0.25, 1), b = (1, 1).
    setSystem(f.state, {{2, 1}, {1, 4}}, {{2, 4}});
    setParameters(f.state, 1.0e-6f, 2, 1.5f);
    f.state.TIPAR_ITERATII = true;
    SOR(f.context);
    // Sweep 1: x1 = 1; t = 0.75, x2 = 1.5 * 0.75 - 0.5 * 0 = 1.125.
    // Sweep 2: x1 = 0.4375; t = 0.890625, x2 = 1.5 * t - 0.5 * 1.125 = 0.7734375.
    const std::string part = iterationPart(f.reportText());
    EXPECT_EQ(part.substr(0, part.find(" Solutia:")),
              "\r\n Iter\tx" + std::string(28, ' ') + "max|x - x_ant|\r\n"
              "  0     0.000000       0.000000    \r\n"
              "  1     1.000000       1.125000       1.125000    \r\n"
              "  2    0.4375000      0.7734375      0.5625000    \r\n"
              "\r\n");
}

TEST(Sor, SingleUnknownSettlesInTwoSweeps) {
    RunFixture f;
    setSystem(f.state, {{4}}, {{2}});
    setParameters(f.state, 1.0e-3f, 50, 1.5f);
    SOR(f.context);
    EXPECT_EQ(iterationPart(f.reportText()),
              "\r\n Solutia:\r\n"
              "\r\n Toleranta atinsa. ( 0.00000    )\r\n"
              " Numar iteratii: 2\r\n"
              "\r\n"
              " x(1) =  0.5000000    \r\n");
}

TEST(Sor, OmegaOneIsGaussSeidelOnTheScaledSystem) {
    RunFixture sor;
    // Rows 1 and 2 change places before the scaling.
    setSystem(sor.state, {{0, 3, 1}, {5, 1, 2}, {1, 2, 6}}, {{4, 8, 9}, {1, 0, -1}});
    setParameters(sor.state, 1.0e-6f, 50, 1.0f);
    sor.state.TIPAR_ITERATII = true;
    SOR(sor.context);
    EXPECT_EQ(testing::rowsOf(sor.state.A)[1], (std::vector<float>{0, 1, 1.0f / 3.0f}));

    RunFixture gaussSeidel;
    gaussSeidel.state.n = sor.state.n;
    gaussSeidel.state.nb = sor.state.nb;
    gaussSeidel.state.A = sor.state.A;
    gaussSeidel.state.B = sor.state.B;
    setParameters(gaussSeidel.state, 1.0e-6f, 50, 0.0f);
    gaussSeidel.state.TIPAR_ITERATII = true;
    GAUSS_SEIDEL(gaussSeidel.context);

    const std::string part = iterationPart(sor.reportText());
    EXPECT_NE(part.find(" Toleranta atinsa."), std::string::npos) << part;
    EXPECT_EQ(part, iterationPart(gaussSeidel.reportText()));
}

}  // namespace
}  // namespace corvane
