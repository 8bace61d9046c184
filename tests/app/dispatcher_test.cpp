#include "app/dispatcher.h"

#include <gtest/gtest.h>

#include "support/run_fixture.h"

namespace corvane {
namespace {

void chooseMethod(ProblemState& s, int index) {
    s.IMETODA = methodAt(index);
    s.METODA_ALEASA = true;
}

void loadSystem(ProblemState& s) {
    s.n = 1;
    s.nb = 1;
    s.A = RealMatrix(1, 1);
    s.B = RealMatrix(1, 1);
    s.A(1, 1) = 2;
    s.B(1, 1) = 4;
}

TEST(ReadEpsNlimOmega, ConvertsTheTextsAsFreeFormatNumbers) {
    struct Case {
        const char* eps;
        const char* nlim;
        const char* omega;
        float wantEps;
        int wantNlim;
        float wantOmega;
    };
    const Case cases[] = {
        {"1e-4", "100", "1.2", 1e-4f, 100, 1.2f},
        {"  0.001", " 50 ", "1.", 0.001f, 50, 1.0f},
        {"1E-4", "-3", "2", 1e-4f, -3, 2.0f},
        {"", "  ", "x", 0, 0, 0},           // empty, blank, not a number: 0
        {"0.5", "1.5", "1e", 0.5f, 0, 0},   // NLIM must be an integer
        {"2,", "7/", "3 4", 2.0f, 7, 3.0f},
        {"12345678901e-15", "1", "1", 1234567890.0f, 1, 1},  // only the first 10 characters count
    };
    for (const Case& c : cases) {
        ProblemState s;
        INITIALIZEDATA(s);
        s.IMETODA = Method::Sor;
        s.EPS_TEXT = c.eps;
        s.NLIM_TEXT = c.nlim;
        s.OMEGA_TEXT = c.omega;
        READ_EPSNLIMOMEGA(s);
        EXPECT_EQ(s.NLIM, c.wantNlim) << c.nlim;
        EXPECT_EQ(s.OMEGA, c.wantOmega) << c.omega;
        EXPECT_EQ(s.OMEGA1, 1.0f - c.wantOmega) << c.omega;
        EXPECT_EQ(s.EPS, c.wantEps) << c.eps;
    }
}

TEST(ReadEpsNlimOmega, DirectMethodsConvertNothing) {
    ProblemState s;
    INITIALIZEDATA(s);
    s.IMETODA = Method::Cholesky;
    s.EPS_TEXT = "1e-3";
    READ_EPSNLIMOMEGA(s);
    EXPECT_EQ(s.EPS, 0.0f);
}

TEST(CorvaneApply, RefusalsWriteNothing) {
    struct Case {
        int method;
        const char* eps;
        const char* nlim;
        const char* omega;
        const char* message;
    };
    const Case cases[] = {
        {4, "0.", "0", "0.", "Introdu EPS si/sau NLIM"},
        {4, "1e-4", "0", "0.", "Introdu EPS si/sau NLIM"},
        {5, "1e-4", "50", "0.", "Introdu EPS si/sau NLIM si/sau OMEGA"},
        {5, "1e-4", "", "1.2", "Introdu EPS si/sau NLIM si/sau OMEGA"},
    };
    for (const Case& c : cases) {
        testing::RunFixture f;
        loadSystem(f.state);
        chooseMethod(f.state, c.method);
        f.state.EPS_TEXT = c.eps;
        f.state.NLIM_TEXT = c.nlim;
        f.state.OMEGA_TEXT = c.omega;
        EXPECT_EQ(CORVANEAPPLY(f.context), SolveOutcome::Refused);
        EXPECT_EQ(f.reportText(), "");
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_EQ(f.messages.shown[0].text, c.message);
        EXPECT_EQ(f.messages.shown[0].title, "Eroare");
        EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Error);
    }
}

TEST(CorvaneApply, HeaderComesFirstThenTheMethod) {
    testing::RunFixture f;
    loadSystem(f.state);
    chooseMethod(f.state, 1);
    EXPECT_EQ(CORVANEAPPLY(f.context), SolveOutcome::Ran);
    const std::string& text = f.reportText();
    EXPECT_EQ(text.rfind("\r\nProblema: Sistem liniar\r\n", 0), 0u);
    EXPECT_LT(text.find("Metoda: Gauss"), text.find(" x(1) =    2.000000    "));
}

TEST(CorvaneApply, NoMethodWritesTheHeaderOnly) {
    testing::RunFixture f;
    loadSystem(f.state);
    EXPECT_EQ(CORVANEAPPLY(f.context), SolveOutcome::Ran);
    EXPECT_EQ(f.reportText(),
              "\r\nProblema: Sistem liniar\r\nMatrice: generala\r\n- Citita din fisier\r\n"
              "Verificare: diferente maxime\r\n\r\nMetoda: " + std::string(33, ' ') + "\r\n");
}

TEST(CorvaneApply, TwoSolvesAppendTwoReports) {
    testing::RunFixture f;
    loadSystem(f.state);
    chooseMethod(f.state, 1);
    CORVANEAPPLY(f.context);
    const std::string first = f.reportText();
    CORVANEAPPLY(f.context);
    EXPECT_EQ(f.reportText().substr(0, first.size()), first);
    EXPECT_NE(f.reportText().find("Problema", first.size()), std::string::npos);
}

class FailingSink : public RecordSink {
public:
    void writeRecord(std::string_view) override { throw WriteError("cannot write the results file: No space left on device"); }
};

TEST(CorvaneApply, AFailedWriteStopsTheRunWithAMessage) {
    testing::RunFixture f;
    FailingSink full;
    RecordWriter report(full);
    RunContext context{f.state, report, f.console, f.messages};
    loadSystem(f.state);
    chooseMethod(f.state, 1);
    EXPECT_EQ(CORVANEAPPLY(context), SolveOutcome::WriteFailed);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].title, "Error");
    EXPECT_NE(f.messages.shown[0].text.find("No space left"), std::string::npos);
}

}  // namespace
}  // namespace corvane
