#include "report/run_header.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/run_fixture.h"

namespace corvane {
namespace {

std::string header(const std::function<void(ProblemState&)>& setUp) {
    testing::RunFixture f;
    setUp(f.state);
    PRINT_CODURI(f.state, f.report);
    return f.reportText();
}

const std::string kBlank33(33, ' ');

TEST(RunHeader, Variants) {
    struct Case {
        const char* name;
        std::function<void(ProblemState&)> setUp;
        std::string expected;
    };
    const Case cases[] = {
        {"gauss defaults", [](ProblemState& s) { s.IMETODA = Method::Gauss; },
         "\r\nProblema: Sistem liniar\r\nMatrice: generala\r\n- Citita din fisier\r\nVerificare: diferente maxime\r\n"
         "\r\nMetoda: Gauss" + std::string(28, ' ') + "\r\n"},
        {"condition cond(A)*",
         [](ProblemState& s) { s.SISTEM = false; s.CONDITIE = true; s.INORMA = Norm::Spectral; s.KNORMA = 3; s.TIPAR_DETERMINANT = true; },
         "\r\nProblema: Numar de Conditie;  Cond(A)*.\r\n\r\nMatrice: generala\r\n- Citita din fisier\r\n"},
        {"condition infinity norm",
         [](ProblemState& s) { s.SISTEM = false; s.CONDITIE = true; s.INORMA = Norm::Infinity; s.KNORMA = 0; },
         "\r\nProblema: Numar de Conditie;  Norma-Infinit  (Norma liniilor).\r\n\r\nMatrice: generala\r\n- Citita din fisier\r\n"},
        {"symmetric generated inverse with options",
         [](ProblemState& s) {
             s.SISTEM = false; s.INVERSARE = true; s.GENERALA = false; s.SIMETRICA = true;
             s.FISIER_DATE = false; s.GENERARE = true; s.IGENERATA = 1; s.INVERS_ELEMENTE = true;
             s.TIPAR_MATRICE = true; s.TIPAR_DETERMINANT = true; s.VERIF_MAXIM = false; s.VERIF_ECUATII = true;
             s.IMETODA = Method::Cholesky;
         },
         "\r\nProblema: Inversare matrice\r\nMatrice: simetrica\r\n- Generata (Hilbert)\r\n- Cu inversare elemente\r\n"
         "- Cu tiparire matrice\r\n- Cu calculare determinant\r\nVerificare: fiecare ecuatie\r\n"
         "\r\nMetoda: Cholesky" + std::string(25, ' ') + "\r\n"},
        {"gauss-seidel", [](ProblemState& s) { s.IMETODA = Method::GaussSeidel; s.EPS = 1.0e-4f; s.NLIM = 100; },
         "\r\nProblema: Sistem liniar\r\nMatrice: generala\r\n- Citita din fisier\r\nVerificare: diferente maxime\r\n"
         "\r\nMetoda: Gauss-Seidel" + std::string(21, ' ') +
             "\r\nToleranta: eps =  1.000E-04;  Numar limita de iteratii: nlim =100\r\n"},
        {"sor", [](ProblemState& s) { s.IMETODA = Method::Sor; s.EPS = 1.0e-4f; s.NLIM = -7; s.OMEGA = 1.2f; },
         "\r\nProblema: Sistem liniar\r\nMatrice: generala\r\n- Citita din fisier\r\nVerificare: diferente maxime\r\n"
         "\r\nMetoda: SOR" + std::string(30, ' ') +
             "\r\nToleranta: eps =  1.000E-04;  Numar limita de iteratii: nlim =-7\r\nOmega = 1.200E+00\r\n"},
        {"no method", [](ProblemState&) {},
         "\r\nProblema: Sistem liniar\r\nMatrice: generala\r\n- Citita din fisier\r\nVerificare: diferente maxime\r\n"
         "\r\nMetoda: " + kBlank33 + "\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(header(c.setUp), c.expected) << c.name;
}

TEST(NormaChar, NamesByCode) {
    EXPECT_EQ(NORMA_CHAR(0), padded("Infinit  (Norma liniilor)", 33));
    EXPECT_EQ(NORMA_CHAR(1), padded("1  (Norma coloanelor)", 33));
    EXPECT_EQ(NORMA_CHAR(2), padded("2  (Norma euclidiana)", 33));
    EXPECT_EQ(NORMA_CHAR(3), padded("Cond(A)*", 33));
    EXPECT_EQ(NORMA_CHAR(17), NORMA_CHAR(0));
}

}  // namespace
}  // namespace corvane
