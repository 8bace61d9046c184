#include "direct/lu_method.h"

#include <gtest/gtest.h>

#include "direct/direct_test_support.h"
#include "app/dispatcher.h"
#include "support/run_fixture.h"

namespace corvane {
namespace {

using testing::columnsFrom;
using testing::matrixFromRows;
using testing::records;
using testing::Rows;


// A read system (or, with no right-hand sides given, the inverse) with LU chosen.
struct LuRun : testing::RunFixture {
    LuRun(const Rows& rows, const Rows& rightHandSides) { load(rows, rightHandSides); }

    void load(const Rows& rows, const Rows& rightHandSides) {
        state.A = matrixFromRows(rows);
        state.n = state.A.rows();
        if (rightHandSides.empty()) {
            state.SISTEM = false;
            state.INVERSARE = true;
            state.B = testing::identity(state.n);
        } else {
            state.B = columnsFrom(rightHandSides);
        }
        state.nb = state.B.cols();
        state.IMETODA = Method::Lu;
        state.METODA_ALEASA = true;
        state.DATE_CITITE = true;
    }
    SolveOutcome solve() { return CORVANEAPPLY(context); }
};

const std::string kMethodLine = "Metoda: LU" + std::string(31, ' ');

std::string systemHeader(bool determinant) {
    std::string text = records({"", "Problema: Sistem liniar", "Matrice: generala", "- Citita din fisier"});
    if (determinant) text += records({"- Cu calculare determinant"});
    return text + records({"Verificare: diferente maxime", "", kMethodLine});
}

TEST(LuMethod, FullReportWithEveryPrintOption) {
    LuRun run({{1, 2, 3}, {2, 2, 2}, {4, 6, 10}}, {{6, 6, 20}, {5, 4, 18}});
    run.state.TIPAR_MATRICE = true;
    run.state.TIPAR_DETERMINANT = true;
    run.state.VERIF_MAXIM = false;
    run.state.VERIF_ECUATII = true;
    const std::string expected = testing::expectedReport("lu/full_report_system.txt");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(run.solve(), SolveOutcome::Ran);
    EXPECT_EQ(run.reportText(), expected);
    EXPECT_EQ(run.consoleSink.text(), "");
    // A holds the factors, B the solutions.
    EXPECT_EQ(run.state.A, matrixFromRows({{4, 6, 10}, {0.5f, -1, -3}, {0.25f, -0.5f, -1}}));
    EXPECT_EQ(run.state.B, columnsFrom({{1, 1, 1}, {1, -1, 2}}));
}

TEST(LuMethod, InverseOfOrderOne) {
    LuRun run({{4}}, {});
    run.state.TIPAR_DETERMINANT = true;
    EXPECT_EQ(run.solve(), SolveOutcome::Ran);
    EXPECT_EQ(run.reportText(),
              records({"", "Problema: Inversare matrice", "Matrice: generala", "- Citita din fisier",
                       "- Cu calculare determinant", "Verificare: diferente maxime", "", kMethodLine,
                       "", "Numar de schimbari de linii = 0",
                       "", "Matricea L", "   1.000000    ",
                       "", "Matricea U", "   4.000000    ",
                       "", "Determinant(A) =  4.000000E+00",
                       "",
                       "", "Matricea Inversa",
                       "", " * Coloana 1", " x(1) =   0.2500000    ",
                       "", "", " * Proba", "", " Diferenta (A*x_k -e_k), maxima in modul",
                       " (e_k = coloana 'k' a matricii unitate)", "", " Coloana nr. 1:", "   0.000000    ; ecuatia 1"}));
}

Rows reversedIdentity(int n) {
    Rows rows(static_cast<std::size_t>(n), std::vector<float>(static_cast<std::size_t>(n), 0.0f));
    for (int i = 0; i < n; ++i) rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(n - 1 - i)] = 1.0f;
    return rows;
}

struct DeterminantCase {
    const char* name;
    Rows matrix;
    std::string exchangesLine;
    std::string determinantLine;
};

void PrintTo(const DeterminantCase& c, std::ostream* os) { *os << c.name; }

class LuDeterminant : public ::testing::TestWithParam<DeterminantCase> {};

// The exchange count follows the row changes, the determinant's sign its parity.
TEST_P(LuDeterminant, CountAndSignFollowTheExchanges) {
    const DeterminantCase& c = GetParam();
    LuRun run(c.matrix, {std::vector<float>(c.matrix.size(), 1.0f)});
    run.state.TIPAR_DETERMINANT = true;
    run.solve();
    const std::string& text = run.reportText();
    EXPECT_NE(text.find("\r\n\r\n" + c.exchangesLine + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n\r\n" + c.determinantLine + "\r\n"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LuDeterminant,
    ::testing::Values(
        DeterminantCase{"NoExchange", {{4, 2}, {2, 3}}, "Numar de schimbari de linii = 0", "Determinant(A) =  8.000000E+00"},
        DeterminantCase{"ReversedIdentity", reversedIdentity(3), "Numar de schimbari de linii = 1",
                        "Determinant(A) = -1.000000E+00"},
        DeterminantCase{"ReversedIdentityOfFour", reversedIdentity(4), "Numar de schimbari de linii = 2",
                        "Determinant(A) =  1.000000E+00"},
        DeterminantCase{"CyclicPermutation", {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}, "Numar de schimbari de linii = 2",
                        "Determinant(A) =  1.000000E+00"},
        DeterminantCase{"ExchangeAtSecondStep", {{2, 1, 1}, {1, 0.5f, 3}, {-1, 1, 1}},
                        "Numar de schimbari de linii = 1", "Determinant(A) = -7.500000E+00"},
        DeterminantCase{"TwoDigitCount", reversedIdentity(20), "Numar de schimbari de linii = 10",
                        "Determinant(A) =  1.000000E+00"},
        // The product is formed in double precision: 1E+60 has no single-precision value.
        DeterminantCase{"BeyondSinglePrecision", {{1.0e30f, 0}, {0, 1.0e30f}}, "Numar de schimbari de linii = 0",
                        "Determinant(A) =  1.000000E+60"}),
    [](const ::testing::TestParamInfo<DeterminantCase>& info) { return std::string(info.param.name); });

struct FailedRunCase {
    const char* name;
    Rows matrix;
    std::string stepRecord;  // as written to the report
    std::string consoleText;
};

void PrintTo(const FailedRunCase& c, std::ostream* os) { *os << c.name; }

class LuFailedRun : public ::testing::TestWithParam<FailedRunCase> {};

// The failure ends the run, not the program: the dispatcher returns, and the
// next SOLVE on a new matrix appends its report.
TEST_P(LuFailedRun, EndsTheRunAndReturnsToTheCaller) {
    const FailedRunCase& c = GetParam();
    LuRun run(c.matrix, {std::vector<float>(c.matrix.size(), 1.0f)});
    run.state.TIPAR_DETERMINANT = true;
    EXPECT_EQ(run.solve(), SolveOutcome::Ran);
    const std::string failedReport =
        systemHeader(true) + c.stepRecord + records({"", " U-diagonal < Prag. Descompunerea LU nu e fezabila."});
    EXPECT_EQ(run.reportText(), failedReport);
    EXPECT_EQ(run.consoleSink.text(), c.consoleText + records({" U-diagonal < Prag. Descompunerea LU nu e fezabila."}));

    run.load({{2}}, {{1}});
    run.state.TIPAR_DETERMINANT = false;
    EXPECT_EQ(run.solve(), SolveOutcome::Ran);
    EXPECT_EQ(run.reportText().substr(failedReport.size()),
              systemHeader(false) +
                  records({"", "Numar de schimbari de linii = 0", "", "", "", " * Solutia pentru termenii liberi nr. 1",
                           " x(1) =   0.5000000    ", "", "", " * Proba", "", " Diferenta (A*x_k -b_k), maxima in modul",
                           " (b_k = termenul liber nr. 'k')", "", " Solutia nr. 1:", "   0.000000    ; ecuatia 1"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LuFailedRun,
    ::testing::Values(FailedRunCase{"FirstStep", {{0, 1}, {0, 2}}, records({"  u(1,1) =   0.000000     <  9.9999999E-09"}),
                                    records({"  u(1,1) =   0.000000     <  9.9999999E-09"})},
                      FailedRunCase{"LaterStep", {{1, 2}, {2, 4}}, records({"", " u(2,2) =    0.000000    "}), ""}),
    [](const ::testing::TestParamInfo<FailedRunCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvane
