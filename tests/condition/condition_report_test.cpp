#include "condition/condition_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <functional>
#include <sstream>

#include "condition/matrix_literal.h"
#include "app/dispatcher.h"
#include "import/matrix_market.h"
#include "problem/test_matrices.h"
#include "support/run_fixture.h"

namespace corvane {
namespace {

using testing::identity;
using testing::rows;

// The state as a read for the condition number leaves it, with the norm
// entry `normEntry` (1..4) selected in the dialog.
void conditionProblem(ProblemState& s, const RealMatrix& A, int normEntry) {
    s.SISTEM = false;
    s.INVERSARE = false;
    s.CONDITIE = true;
    s.IMETODA = Method::None;
    s.INORMA = normAt(normEntry);
    s.KNORMA = normEntry - 1;
    s.n = A.rows();
    s.nb = A.rows();
    s.A = A;
    s.B = identity(A.rows());
    s.DATE_CITITE = true;
}

std::string fixture(const std::string& name) {
    std::ifstream in(CORVANE_TEST_DATA "/condition/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs SOLVE and returns the whole report, run header included.
std::string solve(testing::RunFixture& f) {
    EXPECT_EQ(CORVANEAPPLY(f.context), SolveOutcome::Ran);
    return f.reportText();
}

TEST(ConditionReport, CompleteReports) {
    struct Case {
        const char* fixture;
        RealMatrix A;
        int normEntry;
        bool printMatrix;
    };
    const Case cases[] = {
        {"identity_infinity_norm.txt", identity(3), 1, false},
        {"diagonal_one_norm.txt", rows({{1, 0}, {0, 1.0e-4f}}), 2, false},  // cond 10000: exponent form
        {"rotation_two_norm.txt", rows({{0, 1}, {-1, 0}}), 3, false},
        // The power vectors of AᵀA have components near 5.0E+19: their squares
        // overflow single precision, their norm does not.
        {"large_entries_two_norm.txt", rows({{1.0e10f, 0}, {0, 1}}), 3, false},
        {"diagonal_radius_estimate.txt", rows({{2, 0}, {0, 0.5f}}), 4, false},
        // A general matrix from the file is not echoed; its inverse is printed.
        {"inverse_printed.txt", rows({{4, 1, 0}, {1, 3, 1}, {0, 1, 2}}), 1, true},
        {"nearly_singular.txt", rows({{1, 2}, {2, 4}}), 1, false},
        // Eigenvalues ±2: the power method settles neither on A nor on its inverse.
        {"power_method_unsettled.txt", rows({{1, 3}, {1, -1}}), 4, false},
    };
    for (const Case& c : cases) {
        testing::RunFixture f;
        conditionProblem(f.state, c.A, c.normEntry);
        f.state.TIPAR_MATRICE = c.printMatrix;
        EXPECT_EQ(solve(f), fixture(c.fixture)) << c.fixture;
        EXPECT_EQ(f.consoleSink.text(), "") << c.fixture;
    }
}

// The number a report line gives after its label, without the blanks around
// it; empty when no line has the label.
std::string valueAfter(const std::string& report, const std::string& label) {
    const std::size_t at = report.find(label);
    if (at == std::string::npos) return "";
    const std::size_t start = report.find_first_not_of(' ', at + label.size());
    return report.substr(start, report.find_first_of(" \r", start) - start);
}

// The same as a number; not a number when there is none ("?", or no line).
double numberAfter(const std::string& report, const std::string& label) {
    const std::string value = valueAfter(report, label);
    double number = std::nan("");
    std::from_chars(value.data(), value.data() + value.size(), number);
    return number;
}

std::string conditionNumberOf(const RealMatrix& A, int normEntry) {
    testing::RunFixture f;
    conditionProblem(f.state, A, normEntry);
    NUMAR_CONDITIE(f.context);
    return f.reportText();
}

RealMatrix constantBand(int n, std::initializer_list<float> constants) {
    RealVector c(static_cast<int>(constants.size()));
    int k = 0;
    for (float value : constants) c(++k) = value;
    RealMatrix A(n, n);
    GEN_A(n, A, c.size(), c, "Banda constanta");
    return A;
}

RealMatrix scaled(RealMatrix A, float factor) {
    for (int j = 1; j <= A.cols(); ++j)
        for (int i = 1; i <= A.rows(); ++i) A(i, j) = A(i, j) * factor;
    return A;
}

// 2 at (1, 1), and a cycle 2 -> 3 -> 4 -> 5 -> 2 whose entries multiply to
// 2: the inverse has the eigenvalues 0.5 and 2^(-1/4)·i^k.
RealMatrix scaledPermutation() {
    RealMatrix A(5, 5);
    A(1, 1) = 2;
    A(3, 2) = -4;
    A(4, 3) = -1;
    A(5, 4) = 1;
    A(2, 5) = 0.5f;
    return A;
}

// Spectral radii and condition numbers whose dominant eigenvector the start
// (1, ..., 1) does not see, whose estimates agree by chance at two
// components, or whose entries are far from 1; against their true values.
TEST(ConditionReport, SpectralRadiiAndConditionNumbersOfKnownMatrices) {
    struct Case {
        const char* name;
        RealMatrix A;
        int normEntry;
        const char* label;
        double value;
    };
    const char* kCondition = " Numarul de conditie =";
    const char* kRadius = " Raza_spectrala(A):";
    const char* kInverseRadius = " Raza_spectrala(A-invers):";
    const double pi = std::acos(-1.0);
    const double band10 = (1 + std::cos(pi / 11)) / (1 - std::cos(pi / 11));
    const Case cases[] = {
        {"symmetric 2 x 2, 2-norm", rows({{2, 1}, {1, 2}}), 3, kCondition, 3},
        {"symmetric 2 x 2, estimate", rows({{2, 1}, {1, 2}}), 4, kCondition, 3},
        {"band of order 10, constants 2, -1, 2-norm", constantBand(10, {2, -1}), 3, kCondition, band10},
        {"band of order 10, constants 2, -1, estimate", constantBand(10, {2, -1}), 4, kCondition, band10},
        {"band of order 6, constants 3, 1", constantBand(6, {3, 1}), 4, kRadius, 3 + 2 * std::cos(pi / 7)},
        {"scaled permutation", scaledPermutation(), 4, kInverseRadius, std::pow(2.0, -0.25)},
        {"diagonal", rows({{1, 0, 0}, {0, -5, 0}, {0, 0, 0.25f}}), 4, kCondition, 20},
        {"rotation, 2-norm", rows({{0, 1}, {-1, 0}}), 3, kCondition, 1},
        {"rotation, estimate", rows({{0, 1}, {-1, 0}}), 4, kCondition, 1},
    };
    for (const Case& c : cases) {
        const std::string report = conditionNumberOf(c.A, c.normEntry);
        EXPECT_NEAR(numberAfter(report, c.label), c.value, 1.0e-5 * c.value) << c.name << "\n" << report;
        EXPECT_EQ(report.find("(?)"), std::string::npos) << c.name << "\n" << report;
    }
}

// Scaled by a power of two the matrix has the same condition number, up to
// the power method's accuracy: its test and its shift follow the scale of
// entries below 0.5. (The entries are large enough for the inversion's pivot
// threshold, 1.0E-8, also at 2^-30.)
TEST(ConditionReport, ScalingByAPowerOfTwoKeepsTheConditionNumber) {
    const struct {
        const char* name;
        RealMatrix A;
    } matrices[] = {
        {"band of order 9, constants 128, -64", constantBand(9, {128, -64})},
        {"band of order 6, constants 192, 64", constantBand(6, {192, 64})},
        {"unsymmetric 3 x 3", rows({{400, 100, 0}, {200, 300, 100}, {0, 100, 200}})},
    };
    for (const auto& m : matrices) {
        for (int normEntry : {3, 4}) {
            const double expected = numberAfter(conditionNumberOf(m.A, normEntry), " Numarul de conditie =");
            for (int power : {-30, 30}) {
                const std::string report = conditionNumberOf(scaled(m.A, std::ldexp(1.0f, power)), normEntry);
                EXPECT_NEAR(numberAfter(report, " Numarul de conditie ="), expected, 1.0e-5 * expected)
                    << m.name << ", norm " << normEntry << ", 2^" << power << "\n" << report;
            }
        }
    }
}

RealMatrix bcsstk03() {
    std::ifstream in(CORVANE_TEST_DATA "/matrices/bcsstk03.mtx", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const MarketMatrix m = readMarketMatrix(text.str(), {std::nullopt, 1 << 20});
    RealMatrix A(m.rows, m.cols);
    for (int j = 1; j <= m.cols; ++j)
        for (int i = 1; i <= m.rows; ++i) A(i, j) = static_cast<float>(m.at(i - 1, j - 1));
    return A;
}

// A stiffness matrix of order 112 whose entries reach 1.7E+11: its 2-norm
// condition number, about 6.79E+06, does not depend on the unit of its
// entries.
TEST(ConditionReport, StiffnessMatrixInAnotherUnitKeepsItsConditionNumber) {
    const RealMatrix A = bcsstk03();
    ASSERT_EQ(A.rows(), 112);
    for (float unit : {1.0f, 1.0e-6f}) {
        const std::string report = conditionNumberOf(scaled(A, unit), 3);
        EXPECT_NEAR(numberAfter(report, " Numarul de conditie ="), 6.7913e6, 1.0e-4 * 6.7913e6)
            << unit << "\n" << report;
    }
}

TEST(ConditionReport, MatrixEchoedOnlyWhenNotAGeneralMatrixReadUnchanged) {
    struct Case {
        const char* name;
        std::function<void(ProblemState&)> setUp;
        bool echoed;
    };
    const Case cases[] = {
        {"general from the file", [](ProblemState&) {}, false},
        {"symmetric", [](ProblemState& s) { s.GENERALA = false; s.SIMETRICA = true; }, true},
        {"generated", [](ProblemState& s) { s.FISIER_DATE = false; s.GENERARE = true; s.IGENERATA = 1; }, true},
        {"reciprocal entries", [](ProblemState& s) { s.INVERS_ELEMENTE = true; }, true},
        {"symmetric without printing", [](ProblemState& s) { s.SIMETRICA = true; s.TIPAR_MATRICE = false; }, false},
    };
    for (const Case& c : cases) {
        testing::RunFixture f;
        conditionProblem(f.state, rows({{2, 1}, {1, 2}}), 1);
        f.state.TIPAR_MATRICE = true;
        c.setUp(f.state);
        NUMAR_CONDITIE(f.context);
        const std::string echo = "\r\nMatricea A\r\n    2.000000       1.000000    \r\n    1.000000       2.000000    \r\n";
        EXPECT_EQ(f.reportText().rfind(echo, 0) == 0, c.echoed) << c.name << "\n" << f.reportText();
        EXPECT_EQ(f.reportText().find("Termenii liberi b"), std::string::npos) << c.name;
    }
}

TEST(ConditionReport, ConditionNumberOfExactlyAThousandStaysInFixedForm) {
    testing::RunFixture f;
    conditionProblem(f.state, rows({{1000, 0}, {0, 1}}), 1);
    NUMAR_CONDITIE(f.context);
    EXPECT_TRUE(f.reportText().ends_with("\r\n\r\n Numarul de conditie =   1000.000    \r\n")) << f.reportText();
}

TEST(ConditionReport, UnsettledMatrixSideIsReportedBeforeTheInversionStops) {
    // The zero matrix: AᵀA = 0 gives numbers that are not numbers in the power
    // method, and the inversion fails at its first pivot.
    testing::RunFixture f;
    conditionProblem(f.state, rows({{0, 0}, {0, 0}}), 3);
    NUMAR_CONDITIE(f.context);
    EXPECT_EQ(f.reportText(),
              "\r\n A_transpus*A: Toleranta 1E-5 la \"lambda\", nu s-a atins in 1000 de iteratii (metoda Puterii).\r\n"
              " Valoarea de test =        NaN\r\n"
              " Calculeaza valorile proprii ale lui \"A_transpus*A\" cu alta metoda !\r\n"
              "\r\n Linia 1: Pivot =   0.000000     <  1.000E-08\r\n"
              "\r\n* Matrice aproape singulara.\r\n");
}

TEST(ConditionReport, LeavesTheReducedMatrixAndTheInverseInTheState) {
    testing::RunFixture f;
    conditionProblem(f.state, rows({{0, 2}, {4, 0}}), 2);
    NUMAR_CONDITIE(f.context);
    EXPECT_EQ(f.state.A, rows({{4, 0}, {0, 2}}));
    EXPECT_EQ(f.state.B, rows({{0, 0.25f}, {0.5f, 0}}));
}

TEST(ConditionReport, SecondRunWorksOnWhatTheFirstLeft) {
    testing::RunFixture f;
    conditionProblem(f.state, rows({{0, 2}, {4, 0}}), 2);
    NUMAR_CONDITIE(f.context);
    f.reportSink.clear();
    // Now A = diag(4, 2) and B = ((0, 0.25), (0.5, 0)): B becomes diag(4, 2)⁻¹·B.
    NUMAR_CONDITIE(f.context);
    EXPECT_EQ(f.state.B, rows({{0, 0.0625f}, {0.25f, 0}}));
    EXPECT_TRUE(f.reportText().ends_with(" Norm(A) =   4.000000    \r\n Norm(A-invers) =  0.2500000    \r\n"
                                         "\r\n Numarul de conditie =   1.000000    \r\n"))
        << f.reportText();
}

TEST(ConditionReport, RightHandSidesOfASystemReadAreReplacedByTheIdentity) {
    // Read as a system (n = 3, nb = 1), then switched to the condition number.
    testing::RunFixture f;
    conditionProblem(f.state, rows({{4, 1, 0}, {1, 3, 1}, {0, 1, 2}}), 1);
    f.state.nb = 1;
    f.state.B = RealMatrix(3, 1);
    NUMAR_CONDITIE(f.context);
    EXPECT_EQ(f.state.nb, 3);
    EXPECT_EQ(f.state.B.cols(), 3);
    EXPECT_TRUE(f.reportText().ends_with(" Numarul de conditie =   4.444445    \r\n")) << f.reportText();
}

TEST(ConditionReport, EmptyMatrixEndsWithoutFault) {
    testing::RunFixture f;
    conditionProblem(f.state, RealMatrix(), 4);
    NUMAR_CONDITIE(f.context);
    EXPECT_TRUE(f.reportText().ends_with(" Numarul de conditie = ?\r\n")) << f.reportText();
}

}  // namespace
}  // namespace corvane
