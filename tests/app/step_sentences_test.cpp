// What each kind of step says, in both languages, with its numbers as the
// report writes reals: one row per kind of step (and per way it can go),
// taken from the run of a small system made to meet it.

#include "app/step_sentences.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/steps_cases.h"

namespace corvane {
namespace {

struct SentenceCase {
    testing::StepsCase problem;
    StepKind kind;
    int occurrence;  // the n-th step of this kind in the run, from 1
    std::string romanian;
    std::string english;
};

testing::StepsCase system(const std::string& data, const std::string& method, const std::string& eps = "",
                          const std::string& nlim = "", const std::string& omega = "") {
    return {method, data, method, "general", "system", eps, nlim, omega};
}

const std::string kExchanges = "exchanges\n3 1\n0 2 1\n4 1 0\n0 3 5\n3 5 8\n";
const std::string kOneLeftAlone = "one left alone\n3 1\n4 1 0\n2 3 1\n0 1 2\n1 2 3\n";
const std::string kSystem3 = "system\n3 1\n4 -2 1\n3 6 -4\n2 1 8\n3 3 28\n";
const std::string kTwoRightHandSides = "two\n2 2\n4 1\n1 3\n1 2\n3 4\n";
const std::string kZeroCandidates = "zero u22\n3 1\n1 1 0\n1 1 0\n0 0 1\n1 1 1\n";
const std::string kSpd4 = "spd\n4 1\n4 1 0 0\n4 1 0\n4 1\n4\n5 6 6 5\n";

std::vector<SentenceCase> sentenceCases() {
    const testing::StepsCase cholesky{"cholesky", kSpd4, "cholesky", "symmetric"};
    const testing::StepsCase inverse{"inverse", "inverse\n2\n4 1\n1 3\n", "gauss", "general", "inverse"};
    return {
        {system(kSystem3, "gauss"), StepKind::DataAsRead, 1,
         "Datele asa cum au fost citite: sistemul de ordinul 3 cu un termen liber; metoda Gauss.",
         "The data as read: the system of order 3 with one right-hand side; the Gauss method."},
        {system(kTwoRightHandSides, "gauss"), StepKind::DataAsRead, 1,
         "Datele asa cum au fost citite: sistemul de ordinul 2 cu 2 termeni liberi; metoda Gauss.",
         "The data as read: the system of order 2 with 2 right-hand sides; the Gauss method."},
        {inverse, StepKind::DataAsRead, 1,
         "Datele asa cum au fost citite: matricea de ordinul 2 langa matricea unitate, ale carei coloane se rezolva "
         "pentru inversa; metoda Gauss.",
         "The data as read: the matrix of order 2 beside the identity, whose columns are solved for the inverse; the "
         "Gauss method."},
        {system(kSystem3, "lu"), StepKind::DataAsRead, 1,
         "Datele asa cum au fost citite: sistemul de ordinul 3 cu un termen liber; metoda LU. Termenii liberi se arata "
         "in ordinea liniilor lui A.",
         "The data as read: the system of order 3 with one right-hand side; the LU method. The right-hand sides are "
         "shown in the row order of A."},
        {cholesky, StepKind::DataAsRead, 1,
         "Datele asa cum au fost citite: sistemul de ordinul 4 cu un termen liber; metoda Cholesky. Se pastreaza doar "
         "triunghiul superior al matricii simetrice.",
         "The data as read: the system of order 4 with one right-hand side; the Cholesky method. Only the upper "
         "triangle of the symmetric matrix is kept."},
        // Gauss
        {system(kExchanges, "gauss"), StepKind::Elimination, 1,
         "Pasul 1: |a(2,1)| = 4.000000 este cel mai mare din coloana 1; se schimba liniile 1 si 2; liniile 2, 3 au "
         "deja 0 in coloana 1 si raman neschimbate.",
         "Step 1: |a(2,1)| = 4.000000 is the largest in column 1; rows 1 and 2 are exchanged; rows 2, 3 already have "
         "0 in column 1 and stay as they are."},
        {system(kExchanges, "gauss"), StepKind::Elimination, 2,
         "Pasul 2: |a(3,2)| = 3.000000 este cel mai mare din coloana 2; se schimba liniile 2 si 3; fiecare linie i > 2 "
         "scade m(i,2) ori linia 2, cu m(i,2) = a(i,2) / a(2,2): m(3,2) = 0.6666667.",
         "Step 2: |a(3,2)| = 3.000000 is the largest in column 2; rows 2 and 3 are exchanged; each row i > 2 takes "
         "away m(i,2) times row 2, where m(i,2) = a(i,2) / a(2,2): m(3,2) = 0.6666667."},
        {system(kOneLeftAlone, "gauss"), StepKind::Elimination, 1,
         "Pasul 1: |a(1,1)| = 4.000000 este cel mai mare din coloana 1; pivotul ramane pe linia 1; fiecare linie i > 1 "
         "scade m(i,1) ori linia 1, cu m(i,1) = a(i,1) / a(1,1): m(2,1) = 0.5000000; linia 3 are deja 0 in coloana 1 "
         "si ramane neschimbata.",
         "Step 1: |a(1,1)| = 4.000000 is the largest in column 1; the pivot stays in row 1; each row i > 1 takes away "
         "m(i,1) times row 1, where m(i,1) = a(i,1) / a(1,1): m(2,1) = 0.5000000; row 3 already has 0 in column 1 and "
         "stays as it is."},
        {system("tiny\n2 1\n1e-7 1\n0 1\n1 1\n", "gauss"), StepKind::SmallPivot, 1,
         "Pasul 1: |a(1,1)| = 0.1000000E-06 este cel mai mare din coloana 1, dar este sub pragul 1.00E-06: sistemul nu "
         "se poate rezolva.",
         "Step 1: |a(1,1)| = 0.1000000E-06 is the largest in column 1, but below the threshold 1.00E-06: the system "
         "cannot be solved."},
        {system("singular\n2 1\n1 2\n2 4\n3 6\n", "gauss"), StepKind::SmallPivot, 1,
         "Ultimul pivot, |a(2,2)| = 0.000000, este sub pragul 1.00E-06: sistemul nu se poate rezolva.",
         "The last pivot, |a(2,2)| = 0.000000, is below the threshold 1.00E-06: the system cannot be solved."},
        {system(kExchanges, "gauss"), StepKind::BackSubstitution, 1,
         "Substitutia inapoi: x(3) = b(3) / a(3,3) = -2.333333 / (-2.333333) = 1.000000.",
         "Back substitution: x(3) = b(3) / a(3,3) = -2.333333 / (-2.333333) = 1.000000."},
        {system(kExchanges, "gauss"), StepKind::BackSubstitution, 3,
         "Substitutia inapoi: x(1) = (b(1) - [a(1,2)*x(2) + a(1,3)*x(3)]) / a(1,1) = (5.000000 - 1.000000) / 4.000000 "
         "= 1.000000.",
         "Back substitution: x(1) = (b(1) - [a(1,2)*x(2) + a(1,3)*x(3)]) / a(1,1) = (5.000000 - 1.000000) / 4.000000 "
         "= 1.000000."},
        {inverse, StepKind::BackSubstitution, 1,
         "Substitutia inapoi (coloana 1): x(2) = b(2) / a(2,2) = -0.2500000 / 2.750000 = -0.9090909E-01.",
         "Back substitution (column 1): x(2) = b(2) / a(2,2) = -0.2500000 / 2.750000 = -0.9090909E-01."},
        // LU
        {system(kExchanges, "lu"), StepKind::LuPivotSearch, 1,
         "Pasul 1: candidatii pentru u(1,1) sunt elementele coloanei 1: linia 1: 0.000000, linia 2: 4.000000, linia 3: "
         "0.000000; cel mai mare in modul este al liniei 2: se schimba liniile 1 si 2.",
         "Step 1: the candidates for u(1,1) are the entries of column 1: row 1: 0.000000, row 2: 4.000000, row 3: "
         "0.000000; the largest in magnitude is that of row 2: rows 1 and 2 are exchanged."},
        {system(kExchanges, "lu"), StepKind::LuPivotSearch, 2,
         "Pasul 2: candidatii pentru u(2,2) sunt a(i,2) - [l(i,1)*u(1,2)] pentru i = 2..3: linia 2: 2.000000, linia "
         "3: 3.000000; cel mai mare in modul este al liniei 3: se schimba liniile 2 si 3.",
         "Step 2: the candidates for u(2,2) are a(i,2) - [l(i,1)*u(1,2)] for i = 2..3: row 2: 2.000000, row 3: "
         "3.000000; the largest in magnitude is that of row 3: rows 2 and 3 are exchanged."},
        {system(kZeroCandidates, "lu"), StepKind::LuPivotSearch, 1,
         "Pasul 1: candidatii pentru u(1,1) sunt elementele coloanei 1: linia 1: 1.000000, linia 2: 1.000000, linia 3: "
         "0.000000; cel mai mare in modul este al liniei 1: nu se schimba nicio linie.",
         "Step 1: the candidates for u(1,1) are the entries of column 1: row 1: 1.000000, row 2: 1.000000, row 3: "
         "0.000000; the largest in magnitude is that of row 1 itself: no rows are exchanged."},
        {system(kZeroCandidates, "lu"), StepKind::LuPivotSearch, 2,
         "Pasul 2: candidatii pentru u(2,2) sunt a(i,2) - [l(i,1)*u(1,2)] pentru i = 2..3: linia 2: 0.000000, linia "
         "3: 0.000000; toti sunt 0: nu se schimba nicio linie.",
         "Step 2: the candidates for u(2,2) are a(i,2) - [l(i,1)*u(1,2)] for i = 2..3: row 2: 0.000000, row 3: "
         "0.000000; all of them are 0: no rows are exchanged."},
        {system(kSystem3, "lu"), StepKind::LuLower, 1,
         "Coloana 1 a lui L: l(2,1) = a(2,1) / u(1,1) = 3.000000 / 4.000000 = 0.7500000.",
         "Column 1 of L: l(2,1) = a(2,1) / u(1,1) = 3.000000 / 4.000000 = 0.7500000."},
        {system(kSystem3, "lu"), StepKind::LuLower, 3,
         "Coloana 2 a lui L: l(3,2) = (a(3,2) - [l(3,1)*u(1,2)]) / u(2,2) = (1.000000 - (-1.000000)) / 7.500000 = "
         "0.2666667 (suma in dubla precizie).",
         "Column 2 of L: l(3,2) = (a(3,2) - [l(3,1)*u(1,2)]) / u(2,2) = (1.000000 - (-1.000000)) / 7.500000 = "
         "0.2666667 (the sum in double precision)."},
        {system(kSystem3, "lu"), StepKind::LuUpper, 3,
         "Randul 3 al lui U: u(3,3) = a(3,3) - [l(3,1)*u(1,3) + l(3,2)*u(2,3)] = 8.000000 - (-0.7666667) = 8.766666 "
         "(suma in dubla precizie).",
         "Row 3 of U: u(3,3) = a(3,3) - [l(3,1)*u(1,3) + l(3,2)*u(2,3)] = 8.000000 - (-0.7666667) = 8.766666 (the sum "
         "in double precision)."},
        {system(kZeroCandidates, "lu"), StepKind::LuSmallDiagonal, 1,
         "|u(2,2)| = 0.000000 este sub pragul 1.00E-08: descompunerea LU nu e fezabila.",
         "|u(2,2)| = 0.000000 is below the threshold 1.00E-08: the LU factorisation cannot go on."},
        {system(kTwoRightHandSides, "lu"), StepKind::LuForward, 1,
         "Substitutia inainte (termenii liberi nr. 1): y(2) = b(2) - [l(2,1)*y(1)] = 2.000000 - 0.2500000 = 1.750000 "
         "(suma in dubla precizie).",
         "Forward substitution (right-hand side 1): y(2) = b(2) - [l(2,1)*y(1)] = 2.000000 - 0.2500000 = 1.750000 (the "
         "sum in double precision)."},
        {system(kTwoRightHandSides, "lu"), StepKind::LuBack, 1,
         "Substitutia inapoi (termenii liberi nr. 1): x(2) = y(2) / u(2,2) = 1.750000 / 2.750000 = 0.6363636.",
         "Back substitution (right-hand side 1): x(2) = y(2) / u(2,2) = 1.750000 / 2.750000 = 0.6363636."},
        {system(kTwoRightHandSides, "lu"), StepKind::LuBack, 2,
         "Substitutia inapoi (termenii liberi nr. 1): x(1) = (y(1) - [u(1,2)*x(2)]) / u(1,1) = (1.000000 - 0.6363636) "
         "/ 4.000000 = 0.9090909E-01 (suma in dubla precizie).",
         "Back substitution (right-hand side 1): x(1) = (y(1) - [u(1,2)*x(2)]) / u(1,1) = (1.000000 - 0.6363636) / "
         "4.000000 = 0.9090909E-01 (the sum in double precision)."},
        // Cholesky
        {cholesky, StepKind::CholeskyDiagonal, 1, "Randul 1 al lui S: s(1,1) = sqrt(a(1,1)) = sqrt(4.000000) = 2.000000.",
         "Row 1 of S: s(1,1) = sqrt(a(1,1)) = sqrt(4.000000) = 2.000000."},
        {cholesky, StepKind::CholeskyDiagonal, 2,
         "Randul 2 al lui S: s(2,2) = sqrt(a(2,2) - [s(1,2)^2]) = sqrt(4.000000 - 0.2500000) = 1.936492.",
         "Row 2 of S: s(2,2) = sqrt(a(2,2) - [s(1,2)^2]) = sqrt(4.000000 - 0.2500000) = 1.936492."},
        {cholesky, StepKind::CholeskyEntry, 1, "Randul 1 al lui S: s(1,2) = a(1,2) / s(1,1) = 1.000000 / 2.000000 = 0.5000000.",
         "Row 1 of S: s(1,2) = a(1,2) / s(1,1) = 1.000000 / 2.000000 = 0.5000000."},
        {cholesky, StepKind::CholeskyEntry, 4,
         "Randul 2 al lui S: s(2,3) = (a(2,3) - [s(1,2)*s(1,3)]) / s(2,2) = (1.000000 - 0.000000) / 1.936492 = "
         "0.5163978.",
         "Row 2 of S: s(2,3) = (a(2,3) - [s(1,2)*s(1,3)]) / s(2,2) = (1.000000 - 0.000000) / 1.936492 = 0.5163978."},
        {{"indefinite", "indefinite\n2 1\n1 2\n1\n1 1\n", "cholesky", "symmetric"}, StepKind::CholeskyNotPositive, 1,
         "Randul 2 al lui S: a(2,2) - [s(1,2)^2] = 1.000000 - 4.000000 = -3.000000, care nu este pozitiv: matricea nu "
         "este pozitiv definita.",
         "Row 2 of S: a(2,2) - [s(1,2)^2] = 1.000000 - 4.000000 = -3.000000, which is not positive: the matrix is not "
         "positive definite."},
        {{"negative", "negative\n1 1\n-1\n1\n", "cholesky", "symmetric"}, StepKind::CholeskyNotPositive, 1,
         "Randul 1 al lui S: a(1,1) = -1.000000, care nu este pozitiv: matricea nu este pozitiv definita.",
         "Row 1 of S: a(1,1) = -1.000000, which is not positive: the matrix is not positive definite."},
        {cholesky, StepKind::CholeskyForward, 2,
         "Substitutia inainte: y(2) = (b(2) - [s(1,2)*y(1)]) / s(2,2) = (6.000000 - 1.250000) / 1.936492 = 2.452889.",
         "Forward substitution: y(2) = (b(2) - [s(1,2)*y(1)]) / s(2,2) = (6.000000 - 1.250000) / 1.936492 = 2.452889."},
        {cholesky, StepKind::CholeskyBack, 2,
         "Substitutia inapoi: x(3) = (y(3) - [s(3,4)*x(4)]) / s(3,3) = (2.449733 - 0.5175492) / 1.932184 = 1.000000.",
         "Back substitution: x(3) = (y(3) - [s(3,4)*x(4)]) / s(3,3) = (2.449733 - 0.5175492) / 1.932184 = 1.000000."},
        // Gauss-Seidel and SOR
        {system(kExchanges, "gauss-seidel", "1e-5", "3"), StepKind::RowOrdering, 1,
         "Ordonarea liniilor: |a(1,1)| = 0.000000 este sub pragul 1.00E-06; |a(2,1)| = 4.000000 este cel mai mare sub "
         "el in coloana 1: se schimba liniile 1 si 2.",
         "Row ordering: |a(1,1)| = 0.000000 is below the threshold 1.00E-06; |a(2,1)| = 4.000000 is the largest below "
         "it in column 1: rows 1 and 2 are exchanged."},
        {system("zero last\n2 1\n1 1\n1 0\n1 1\n", "gauss-seidel", "1e-5", "3"), StepKind::RowOrderingFailed, 1,
         "Ordonarea liniilor: |a(2,2)| = 0.000000 este sub pragul 1.00E-06, si niciun element de sub el din coloana 2 "
         "nu ajunge la prag (cel mai mare in modul: 0.000000): metoda se opreste.",
         "Row ordering: |a(2,2)| = 0.000000 is below the threshold 1.00E-06, and no entry below it in column 2 reaches "
         "it (the largest in magnitude: 0.000000): the method stops."},
        {system(kExchanges, "gauss-seidel", "1e-5", "3"), StepKind::Sweep, 1,
         "Iteratia 1: x(i) = (b(i) - suma a(i,j)*x(j) pentru j != i) / a(i,i), i = 1..3, cu x(j) din aceasta iteratie "
         "pentru j < i si din cea dinainte pentru j > i, pornind de la x = 0; max|x - x_ant| = 1.500000 > EPS = "
         "0.1000000E-04: se continua.",
         "Sweep 1: x(i) = (b(i) - the sum of a(i,j)*x(j) over j != i) / a(i,i), i = 1..3, with x(j) of this sweep for "
         "j < i and of the one before for j > i, starting from x = 0; max|x - x_ant| = 1.500000 > EPS = 0.1000000E-04: "
         "the sweeps go on."},
        {system(kExchanges, "gauss-seidel", "1e-5", "3"), StepKind::Sweep, 3,
         "Iteratia 3: max|x - x_ant| = 0.1050000; cele NLIM = 3 iteratii s-au facut: Numar de iteratii depasit.",
         "Sweep 3: max|x - x_ant| = 0.1050000; the NLIM = 3 sweeps are used up: iteration limit exceeded."},
        {system(kSystem3, "gauss-seidel", "0.1", "50"), StepKind::Sweep, 5,
         "Iteratia 5: max|x - x_ant| = 0.6251466E-01 <= EPS = 0.1000000: Toleranta atinsa.",
         "Sweep 5: max|x - x_ant| = 0.6251466E-01 <= EPS = 0.1000000: tolerance reached."},
        {system("diverges\n2 1\n1 3\n2 1\n1 1\n", "gauss-seidel", "1e-5", "30"), StepKind::Sweep, 2,
         "Iteratia 2: max|x - x_ant| = 6.000000 nu scade fata de 1.000000: Divergenta; se mai face o iteratie.",
         "Sweep 2: max|x - x_ant| = 6.000000 does not decrease from 1.000000: divergence; one more sweep is made."},
        {system("diverges\n2 1\n1 3\n2 1\n1 1\n", "gauss-seidel", "1e-5", "30"), StepKind::Sweep, 3,
         "Iteratia 3: max|x - x_ant| = 36.00000 nu scade nici acum fata de 6.000000: Divergenta.",
         "Sweep 3: max|x - x_ant| = 36.00000 does not decrease from 6.000000 again: divergence."},
        {system("overflows\n2 1\n1 10\n1e30 1\n1 1\n", "gauss-seidel", "1e-5", "30"), StepKind::Sweep, 2,
         "Iteratia 2: iteratul nu mai este finit: Divergenta.", "Sweep 2: the iterate is no longer finite: divergence."},
        {system("identity\n2 1\n1 0\n0 1\n1 1\n", "gauss-seidel", "-1", "30"), StepKind::Sweep, 3,
         "Iteratia 3: max|x - x_ant| = 0.000000 este egal cu cel dinainte: Iteratie stationara.",
         "Sweep 3: max|x - x_ant| = 0.000000 equals the one before: stagnation."},
        {system(kTwoRightHandSides, "sor", "1e-3", "30", "1.1"), StepKind::DiagonalScaling, 1,
         "Scalarea: fiecare ecuatie se imparte la elementul ei diagonal (a(1,1) = 4.000000, a(2,2) = 3.000000); "
         "diagonala devine 1.",
         "Scaling: each equation is divided by its diagonal entry (a(1,1) = 4.000000, a(2,2) = 3.000000); the "
         "diagonal becomes 1."},
        {system(kTwoRightHandSides, "sor", "1e-3", "30", "1.1"), StepKind::Sweep, 2,
         "Iteratia 2 (termenii liberi nr. 1): max|x - x_ant| = 0.1604167 > EPS = 0.1000000E-02: se continua.",
         "Sweep 2 (right-hand side 1): max|x - x_ant| = 0.1604167 > EPS = 0.1000000E-02: the sweeps go on."},
        {system(kTwoRightHandSides, "sor", "1e-3", "30", "1.1"), StepKind::Sweep, 1,
         "Iteratia 1 (termenii liberi nr. 1): pe sistemul scalat, t = (b(i) - suma a(i,j)*x(j) pentru j < i) - suma "
         "a(i,j)*x_ant(j) pentru j > i; x(1) = t si x(i) = OMEGA*t + (1 - OMEGA)*x_ant(i) pentru i >= 2, cu OMEGA = "
         "1.100000, pornind de la x = 0; max|x - x_ant| = 0.6416667 > EPS = 0.1000000E-02: se continua.",
         "Sweep 1 (right-hand side 1): on the scaled system, t = (b(i) - the sum of a(i,j)*x(j) over j < i) - the sum "
         "of a(i,j)*x_ant(j) over j > i; x(1) = t and x(i) = OMEGA*t + (1 - OMEGA)*x_ant(i) for i >= 2, with OMEGA = "
         "1.100000, starting from x = 0; max|x - x_ant| = 0.6416667 > EPS = 0.1000000E-02: the sweeps go on."},
    };
}

// The index of the n-th step of `kind`, or the count of steps when there is none.
std::size_t indexOf(const MethodSteps& run, StepKind kind, int occurrence) {
    for (std::size_t k = 0; k < run.steps.size(); ++k)
        if (run.steps[k].kind == kind && --occurrence == 0) return k;
    return run.steps.size();
}

TEST(StepSentencesTest, EachKindOfStepSaysWhatItDidInBothLanguages) {
    for (const SentenceCase& c : sentenceCases()) {
        SCOPED_TRACE(c.problem.data + " " + c.problem.method + " step kind " + std::to_string(static_cast<int>(c.kind)) +
                     " #" + std::to_string(c.occurrence));
        const RecordedSteps recorded = recordMethodSteps(testing::readStepsCase(c.problem), kRomanian);
        ASSERT_TRUE(recorded.steps) << recorded.refusal;
        const std::size_t index = indexOf(*recorded.steps, c.kind, c.occurrence);
        ASSERT_LT(index, recorded.steps->steps.size()) << "no such step";
        EXPECT_EQ(stepSentence(*recorded.steps, index, kRomanian), c.romanian);
        EXPECT_EQ(stepSentence(*recorded.steps, index, kEnglish), c.english);
    }
}

TEST(StepSentencesTest, NotesBesideTheRowsInBothLanguages) {
    const auto run = [](const testing::StepsCase& c) { return *recordMethodSteps(testing::readStepsCase(c), kEnglish).steps; };
    const MethodSteps gauss = run(system(kOneLeftAlone, "gauss"));
    const Step& elimination = gauss.steps[1];
    EXPECT_EQ(rowNoteText(elimination, 1, kEnglish), "");
    EXPECT_EQ(rowNoteText(elimination, 2, kEnglish), "m(2,1) = 0.5000000");
    EXPECT_EQ(rowNoteText(elimination, 3, kEnglish), "m(3,1) = 0: unchanged");
    EXPECT_EQ(rowNoteText(elimination, 3, kRomanian), "m(3,1) = 0: neschimbata");

    // The candidates stand beside the rows where these now are: row 2's 4 is in row 1.
    const MethodSteps lu = run(system(kExchanges, "lu"));
    EXPECT_EQ(rowNoteText(lu.steps[1], 1, kEnglish), "u = 4.000000");
    EXPECT_EQ(rowNoteText(lu.steps[1], 2, kEnglish), "u = 0.000000");

    const MethodSteps sor = run(system(kTwoRightHandSides, "sor", "1e-3", "30", "1.1"));
    EXPECT_EQ(rowNoteText(sor.steps[1], 2, kRomanian), "/ 3.000000");
}

TEST(StepSentencesTest, NumbersAreThoseOfTheReport) {
    const std::pair<double, std::string> cases[] = {
        {5.0, "5.000000"},           {0.4f, "0.4000000"},     {-0.001234568f, "-0.1234568E-02"},
        {1.0e10, "0.1000000E+11"},   {0.0, "0.000000"},       {-0.0, "-0.000000"},
        {9999999.0, "9999999."},     {std::numeric_limits<double>::infinity(), "Infinity"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(stepNumber(value), text) << value;
    EXPECT_EQ(thresholdText(1.0e-6f), "1.00E-06");
    EXPECT_EQ(thresholdText(1.0e-8f), "1.00E-08");
}

}  // namespace
}  // namespace corvane
