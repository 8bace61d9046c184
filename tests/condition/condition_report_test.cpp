#include "condition/condition_number.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "condition/matrix_literal.h"
#include "app/dispatcher.h"
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
