#include "report/solution_check.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "problem/problem_state.h"


namespace corvane {
namespace {

// With A0 = I and B0 = 0 the differences are the solutions themselves.
std::string check(const std::vector<std::vector<float>>& columns, bool system, bool eachEquation) {
    const int n = static_cast<int>(columns[0].size());
    const int nb = static_cast<int>(columns.size());
    RealMatrix A0(n, n), B0(n, nb), X(n, nb);
    for (int i = 1; i <= n; ++i) A0(i, i) = 1.0f;
    for (int k = 1; k <= nb; ++k)
        for (int i = 1; i <= n; ++i) X(i, k) = columns[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(i - 1)];
    StringSink sink;
    RecordWriter out(sink);
    PROBA(out, n, nb, A0, RightHandSidesAsGiven(B0), X, system, eachEquation);
    return sink.text();
}

TEST(Proba, MaximumOnlyForTwoRightHandSides) {
    EXPECT_EQ(check({{0, 0}, {1.0e-7f, -3.0e-7f}}, true, false),
              "\r\n\r\n * Proba\r\n"
              "\r\n Diferenta (A*x_k -b_k), maxima in modul\r\n"
              " (b_k = termenul liber nr. 'k')\r\n"
              "\r\n Solutia nr. 1:\r\n   0.000000    ; ecuatia 1\r\n"
              "\r\n Solutia nr. 2:\r\n -3.0000001E-07; ecuatia 2\r\n");
}

TEST(Proba, FirstOfEqualMagnitudesWins) {
    std::string text = check({{1.0e-7f, -3.0e-7f, 3.0e-7f}}, true, false);
    EXPECT_NE(text.find(" -3.0000001E-07; ecuatia 2\r\n"), std::string::npos) << text;
}

TEST(Proba, EveryEquationForTheInverse) {
    std::vector<float> column(12, 0.0f);
    column[10] = 0.5f;
    std::string text = check({column}, false, true);
    std::string expected =
        "\r\n\r\n * Proba\r\n"
        "\r\n Diferente (A*x_k -e_k)\r\n"
        " (e_k = coloana 'k' a matricii unitate)\r\n"
        "\r\n Coloana nr. 1:\r\n";
    for (int i = 1; i <= 12; ++i) {
        std::string number = std::to_string(i);
        expected += std::string(3 - number.size(), ' ') + number + "  " + (i == 11 ? "  0.5000000    " : "   0.000000    ") + "\r\n";
    }
    expected += "\r\n Diferenta maxima in modul:  0.5000000    ; ecuatia 11\r\n";
    EXPECT_EQ(text, expected);
}

// The differences of many columns (more than are worked out at once) are
// those of the whole product summed in column order, with the right-hand
// sides kept as a copy, referred to, or, for the identity, not stored at all.
TEST(Proba, ManyColumnsMatchTheWholeProduct) {
    const int n = 7;
    const int nb = 200;  // more than the 192 columns worked out at once
    RealMatrix A0(n, n), X(n, nb), B(n, nb), identity(n, n);
    for (int j = 1; j <= n; ++j) {
        identity(j, j) = 1.0f;
        for (int i = 1; i <= n; ++i) A0(i, j) = 1.0f / static_cast<float>(i + 2 * j);
    }
    for (int k = 1; k <= nb; ++k)
        for (int i = 1; i <= n; ++i) {
            X(i, k) = static_cast<float>((i * 37 + k * 11) % 23) / 7.0f - 1.5f;
            B(i, k) = static_cast<float>((i * k) % 5) / 3.0f;
        }
    struct Case {
        const char* name;
        RealMatrix rightHandSides;
        int columns;
    };
    const Case cases[] = {{"system", B, nb}, {"inverse", identity, n}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StringSink expected;
        RecordWriter reference(expected);
        for (int k = 1; k <= c.columns; ++k) {
            std::vector<float> d(n, 0.0f);
            for (int j = 1; j <= n; ++j)
                for (int i = 1; i <= n; ++i) d[i - 1] = d[i - 1] + A0(i, j) * X(j, k);
            for (int i = 1; i <= n; ++i) {
                d[i - 1] = d[i - 1] - c.rightHandSides(i, k);
                reference.write("(i2, t5, 1pg15.7)", {i, d[i - 1]});
            }
        }
        StringSink actual;
        RecordWriter out(actual);
        PROBA(out, n, c.columns, A0, RightHandSidesAsGiven(c.rightHandSides), X, true, true);
        std::string equations;  // the lines of the equations only, in order
        const std::string& text = actual.text();
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = text.find("\r\n", at);
            const std::string line = text.substr(at, end + 2 - at);
            if (line.size() > 2 && line[0] == ' ' && line[1] != ' ' && std::isdigit(static_cast<unsigned char>(line[1])))
                equations += line;
            at = end + 2;
        }
        EXPECT_EQ(equations, expected.text());

        // Right-hand sides referred to instead of copied give the same check.
        StringSink referred;
        RecordWriter outReferred(referred);
        PROBA(outReferred, n, c.columns, A0, RightHandSidesAsGiven::unchanged(c.rightHandSides), X, true, true);
        EXPECT_EQ(referred.text(), actual.text());
    }
}

// A symmetric matrix held as its packed upper triangle gives the check of
// the full matrix.
TEST(Proba, PackedSymmetricMatrixChecksAsTheFullOne) {
    const int n = 40;
    const int nb = 37;
    RealMatrix full(n, n), X(n, nb), B(n, nb);
    RealVector packed(n * (n + 1) / 2);
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= j; ++i) {
            const float value = 1.0f / static_cast<float>(i + j) - (i == j ? 0.0f : 0.01f * static_cast<float>(i));
            full(i, j) = full(j, i) = value;
            packed(LOCA(i, j)) = value;
        }
    for (int k = 1; k <= nb; ++k)
        for (int i = 1; i <= n; ++i) {
            X(i, k) = static_cast<float>((i * 7 + k * 3) % 11) / 3.0f;
            B(i, k) = static_cast<float>((i + k) % 4);
        }
    StringSink fromFull, fromPacked;
    RecordWriter outFull(fromFull), outPacked(fromPacked);
    PROBA(outFull, n, nb, full, RightHandSidesAsGiven(B), X, true, true);
    PROBA(outPacked, n, nb, MatrixColumns(n, packed), RightHandSidesAsGiven(B), X, true, true);
    EXPECT_EQ(fromPacked.text(), fromFull.text());
}

}  // namespace
}  // namespace corvane
