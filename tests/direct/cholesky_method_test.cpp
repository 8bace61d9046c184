#include "direct/cholesky_method.h"

#include <gtest/gtest.h>

#include "direct/direct_test_support.h"
#include "app/dispatcher.h"
#include "problem/input_file.h"
#include "support/run_fixture.h"

namespace corvane {
namespace {

using testing::columnsFrom;
using testing::packedFromUpperRows;
using testing::records;
using testing::Rows;


// A symmetric matrix read for the Cholesky method: the packed triangle as read
// is kept, A stays 0 (as the reader leaves it).
struct CholeskyRun : testing::RunFixture {
    CholeskyRun(const Rows& upper, const Rows& rightHandSides) {
        state.GENERALA = false;
        state.SIMETRICA = true;
        state.IMETODA = Method::Cholesky;
        state.METODA_ALEASA = true;
        state.n = static_cast<int>(upper.size());
        state.A = RealMatrix(state.n, state.n);
        state.AV = packedFromUpperRows(upper);
        state.AV_INPUT = state.AV;
        if (rightHandSides.empty()) {
            state.SISTEM = false;
            state.INVERSARE = true;
            state.B = testing::identity(state.n);
        } else {
            state.B = columnsFrom(rightHandSides);
        }
        state.nb = state.B.cols();
        state.DATE_CITITE = true;
    }
    SolveOutcome solve() { return CORVANEAPPLY(context); }
};

const std::string kMethodLine = "Metoda: Cholesky" + std::string(25, ' ');

std::string symmetricSystemHeader(bool determinant) {
    std::string text = records({"", "Problema: Sistem liniar", "Matrice: simetrica", "- Citita din fisier"});
    if (determinant) text += records({"- Cu calculare determinant"});
    return text + records({"Verificare: diferente maxime", "", kMethodLine});
}

std::string maximumCheckOfOneSolution() {
    return records({"", "", " * Proba", "", " Diferenta (A*x_k -b_k), maxima in modul", " (b_k = termenul liber nr. 'k')", "",
                    " Solutia nr. 1:", "   0.000000    ; ecuatia 1"});
}

TEST(CholeskyMethod, FullReportOfTheInverseWithEveryPrintOption) {
    CholeskyRun run({{4, 2, 2}, {5, 3}, {3}}, {});
    run.state.TIPAR_MATRICE = true;
    run.state.TIPAR_DETERMINANT = true;
    run.state.VERIF_MAXIM = false;
    run.state.VERIF_ECUATII = true;
    const std::string expected = testing::expectedReport("cholesky/full_report_inverse.txt");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(run.solve(), SolveOutcome::Ran);
    EXPECT_EQ(run.reportText(), expected);
    EXPECT_EQ(run.consoleSink.text(), "");
    EXPECT_FALSE(run.state.AV.has_value());
    EXPECT_EQ(run.state.A, RealMatrix(3, 3));  // the full matrix is neither read nor changed
}

// One empty record before S, one before the first solution heading.
TEST(CholeskyMethod, SystemOfOrderTwo) {
    CholeskyRun run({{4, 2}, {5}}, {{6, 7}});
    run.state.TIPAR_DETERMINANT = true;
    EXPECT_EQ(run.solve(), SolveOutcome::Ran);
    EXPECT_EQ(run.reportText(), symmetricSystemHeader(true) +
                                    records({"", " Matricea S", "    2.000000       1.000000    ", "    2.000000    ", "",
                                             " Determinant =   16.00000    ", "", "",
                                             " * Solutia pentru termenii liberi nr. 1", " x(1) =    1.000000    ",
                                             " x(2) =    1.000000    "}) +
                                    maximumCheckOfOneSolution());
}

TEST(CholeskyMethod, IdentityGivesUnitFactorAndSolutionsEqualToTheRightHandSides) {
    CholeskyRun run({{1, 0, 0}, {1, 0}, {1}}, {{3, -2, 5}});
    run.state.TIPAR_DETERMINANT = true;
    run.solve();
    const std::string factor = records({" Matricea S", "    1.000000       0.000000       0.000000    ",
                                        "    1.000000       0.000000    ", "    1.000000    ", "",
                                        " Determinant =   1.000000    "});
    EXPECT_NE(run.reportText().find(factor), std::string::npos) << run.reportText();
    EXPECT_EQ(run.state.B, columnsFrom({{3, -2, 5}}));
}

// The report goes to standard output and to the results file; nothing else
// follows, B keeps its values and the triangle is released.
TEST(CholeskyMethod, MatrixNotPositiveDefiniteEndsTheRun) {
    CholeskyRun run({{1, 2}, {1}}, {{1, 1}});
    run.state.TIPAR_DETERMINANT = true;
    EXPECT_EQ(run.solve(), SolveOutcome::Ran);
    const std::string failure = records({"", " * Matricea nu este pozitiv definita:", " Linia 2: s(2,2) =  -3.000000    "});
    EXPECT_EQ(run.reportText(), symmetricSystemHeader(true) + failure);
    EXPECT_EQ(run.consoleSink.text(), failure);
    EXPECT_FALSE(run.state.AV.has_value());
    EXPECT_EQ(run.state.B, columnsFrom({{1, 1}}));
}

// Every SOLVE factorises the triangle as read, so a second SOLVE without a new
// Read is sound; it solves for the B the first run left.
TEST(CholeskyMethod, SecondSolveFactorisesTheInputAgain) {
    testing::RunFixture f;
    f.state.GENERALA = false;
    f.state.SIMETRICA = true;
    f.state.IMETODA = Method::Cholesky;
    f.state.TIPAR_DETERMINANT = true;
    ASSERT_TRUE(readProblemText(f.state, "Sistem simetric\n3 1\n4 2 2\n5 3\n3\n8 10 8\n", f.messages));

    ASSERT_EQ(CORVANEAPPLY(f.context), SolveOutcome::Ran);
    const std::size_t firstLength = f.reportText().size();
    EXPECT_FALSE(f.state.AV.has_value());
    ASSERT_EQ(CORVANEAPPLY(f.context), SolveOutcome::Ran);

    const std::string factor = records({"", " Matricea S", "    2.000000       1.000000       1.000000    ",
                                        "    2.000000       1.000000    ", "    1.000000    ", "",
                                        " Determinant =   16.00000    ", "", ""});
    EXPECT_EQ(f.reportText().substr(0, firstLength),
              symmetricSystemHeader(true) + factor +
                  records({" * Solutia pentru termenii liberi nr. 1", " x(1) =    1.000000    ", " x(2) =    1.000000    ",
                           " x(3) =    1.000000    "}) +
                  maximumCheckOfOneSolution());
    EXPECT_EQ(f.reportText().substr(firstLength),
              symmetricSystemHeader(true) + factor +
                  records({" * Solutia pentru termenii liberi nr. 1", " x(1) =   0.1250000    ", " x(2) =    0.000000    ",
                           " x(3) =   0.2500000    "}) +
                  maximumCheckOfOneSolution());
    EXPECT_FALSE(f.state.AV.has_value());
    EXPECT_EQ(f.state.AV_INPUT, packedFromUpperRows({{4, 2, 2}, {5, 3}, {3}}));
    EXPECT_TRUE(f.messages.shown.empty());
}

// Read with another method, the symmetric matrix went to A: Cholesky is
// refused before anything is written.
TEST(CholeskyMethod, RefusedWhenTheTriangleWasNotReadForIt) {
    testing::RunFixture f;
    f.state.GENERALA = false;
    f.state.SIMETRICA = true;
    f.state.IMETODA = Method::Lu;
    ASSERT_TRUE(readProblemText(f.state, "Sistem simetric\n2 1\n4 2\n5\n6 7\n", f.messages));
    f.state.IMETODA = Method::Cholesky;

    EXPECT_EQ(CORVANEAPPLY(f.context), SolveOutcome::Refused);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, kCholeskyNeedsPackedInput);
    EXPECT_EQ(f.messages.shown[0].title, "Eroare");
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(f.reportText(), "");
    EXPECT_EQ(f.consoleSink.text(), "");
    EXPECT_EQ(f.state.B, columnsFrom({{6, 7}}));
}

}  // namespace
}  // namespace corvane
