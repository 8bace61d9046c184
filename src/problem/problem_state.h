#pragma once
// The one record through which the dialog, the reader, the methods and the
// report writers communicate: the problem data, the user's options, the
// iteration parameters, readiness flags and the name tables.

#include <array>
#include <optional>
#include <string>

#include "problem/matrix.h"
#include "problem/options.h"
#include "problem/test_matrices.h"

namespace corvane {

constexpr int kNameLength = 33;  // length of the method, generator and norm names
constexpr std::size_t kParameterTextLength = 10;  // characters of EPS, NLIM and OMEGA the fields keep

enum Language { kRomanian = 1, kEnglish = 2 };

// The user's options and the iteration parameters, with their defaults: the
// part of the state that INITIALIZEDATA sets back.
struct ProblemOptions {
    bool SISTEM = true;
    bool INVERSARE = false;
    bool CONDITIE = false;
    bool GENERALA = true;
    bool SIMETRICA = false;
    bool FISIER_DATE = true;
    bool GENERARE = false;
    bool INVERS_ELEMENTE = false;
    bool TIPAR_MATRICE = false;
    bool TIPAR_DETERMINANT = false;
    bool TIPAR_ITERATII = false;
    bool VERIF_MAXIM = true;
    bool VERIF_ECUATII = false;
    Method IMETODA = Method::None;
    int IGENERATA = 0;  // 1-based position in the test matrix table, 0 for none
    Norm INORMA = Norm::None;

    // Iteration parameters: the texts of the edit fields and their values.
    std::string EPS_TEXT = "0.";
    std::string NLIM_TEXT = "0";
    std::string OMEGA_TEXT = "0.";
    float EPS = 0.0f;
    int NLIM = 0;
    float OMEGA = 0.0f;
};

// An entry that a Read with INVERS_ELEMENTE replaced by an infinite
// reciprocal: a zero, or one too small for its reciprocal to be a
// single-precision number.
struct InfiniteReciprocal {
    int row;
    int column;
    float entry;  // as the file gave it
};

struct ProblemState : ProblemOptions {
    // Problem data, rebuilt by every Read.
    int n = 0;
    int nb = 0;
    int nc = 0;
    RealMatrix A;
    RealMatrix B;
    std::optional<RealVector> AV;        // packed upper triangle of a symmetric matrix
    std::optional<RealVector> AV_INPUT;  // the packed triangle as read, kept for repeated Cholesky runs
    RealVector C;                        // generation constants
    // The first such entry in the order of the data file (row by row), when
    // the last Read replaced the entries by their reciprocals.
    std::optional<InfiniteReciprocal> INFINITE_RECIPROCAL;

    int KNORMA = 0;  // the norm's code (INORMA - 1), kept when the norm list is cleared
    float OMEGA1 = 0.0f;

    // Readiness and derived flags.
    bool DATE_CITITE = false;
    bool METODA_ALEASA = false;
    bool ESTE_GS = false;
    bool ESTE_SOR = false;
    bool ESTE_ITERATIV = false;

    // Interface language and the states of the two language buttons.
    int LIMBA = kRomanian;
    bool LIMBA_RO = true;
    bool LIMBA_EN = false;

    // Name tables, 33 characters each, blank-padded; index 1-based.
    std::array<std::string, kMethodCount> METODA;
    std::array<std::string, kTestMatrixCount> GENERATA;
    std::array<std::array<std::string, 2>, kNormCount> NORMA_CONTROL;  // [norm code][language - 1]

    std::string FNAME;
    std::array<std::string, 2> GEN_HELPFILE;

    std::string N_TEXT;
    std::string NB_TEXT;

    const std::string& methodName(Method method) const {
        return METODA[static_cast<std::size_t>(positionOf(method) - 1)];
    }
    const std::string& generatorName(int index) const { return GENERATA[static_cast<std::size_t>(index - 1)]; }
};

// Sets the name tables and every option back to its default, and marks the
// data unread and no method chosen; the sizes, the arrays, KNORMA and OMEGA1
// are left as they are.
void INITIALIZEDATA(ProblemState& state);

// Position of a(i, j), i <= j, in the packed upper triangle.
constexpr int LOCA(int i, int j) { return i + j * (j - 1) / 2; }

// a(i, j) of the matrix a Read left (before a SOLVE works on it): a
// symmetric matrix read for Cholesky is only in the packed upper triangle.
float matrixEntry(const ProblemState& state, int i, int j);

// A text padded with blanks (or cut) to the given length.
std::string padded(std::string_view text, std::size_t length);
// A text without its trailing blanks.
std::string_view trimmed(std::string_view text);

}  // namespace corvane
