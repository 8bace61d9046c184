#include "problem/input_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "support/recording_messages.h"

namespace corvane {
namespace {

struct ReadOutcome {
    ProblemState state;
    std::optional<DataEnd> end;
    testing::RecordingMessages messages;
};

std::unique_ptr<ReadOutcome> readText(const std::string& text, const std::function<void(ProblemState&)>& options = {}) {
    auto outcome = std::make_unique<ReadOutcome>();
    INITIALIZEDATA(outcome->state);
    if (options) options(outcome->state);
    outcome->end = readProblemText(outcome->state, text, outcome->messages);
    return outcome;
}

std::vector<float> row(const RealMatrix& m, int i) {
    std::vector<float> values;
    for (int j = 1; j <= m.cols(); ++j) values.push_back(m(i, j));
    return values;
}

std::vector<float> column(const RealMatrix& m, int j) { return {m.column(j), m.column(j) + m.rows()}; }

void asSymmetric(ProblemState& s) { s.GENERALA = false; s.SIMETRICA = true; }
void asCholesky(ProblemState& s) { asSymmetric(s); s.IMETODA = Method::Cholesky; }
void asInverse(ProblemState& s) { s.SISTEM = false; s.INVERSARE = true; }

TEST(ReadInputFile, GeneralSystemWithCrLfLineEnds) {
    const std::string text = "title\r\n2 1\r\n1 2\r\n3 4\r\n5 6\r\nold report\r\n";
    auto r = readText(text);
    ASSERT_TRUE(r->end);
    EXPECT_TRUE(r->state.DATE_CITITE);
    EXPECT_EQ(r->state.n, 2);
    EXPECT_EQ(r->state.nb, 1);
    EXPECT_EQ(row(r->state.A, 1), (std::vector<float>{1, 2}));
    EXPECT_EQ(row(r->state.A, 2), (std::vector<float>{3, 4}));
    EXPECT_EQ(column(r->state.B, 1), (std::vector<float>{5, 6}));
    EXPECT_EQ(r->end->offset, text.find("old report"));
    EXPECT_FALSE(r->end->lineBreakFirst);
    EXPECT_TRUE(r->messages.shown.empty());
}

TEST(ReadInputFile, FreeFormatValues) {
    struct Case {
        const char* name;
        const char* rows;  // the three rows of a 3 x 3 matrix, then b
        std::vector<float> row1, row2, b;
    };
    const Case cases[] = {
        {"repeat counts", "3*1.5\n2*0 7\n1 2 3\n4 5 6\n", {1.5f, 1.5f, 1.5f}, {0, 0, 7}, {4, 5, 6}},
        {"commas and exponents", "1,2.5e1,  -3D-1\n1E2 , .5 ,7.\n1 2 3\n4,5,6\n", {1, 25, -0.3f}, {100, 0.5f, 7}, {4, 5, 6}},
        {"a slash ends a row early", "1 /\n2 3 4\n1 2 3\n4 5 6\n", {1, 0, 0}, {2, 3, 4}, {4, 5, 6}},
        {"null values keep zero", "1,,3\n,2,,\n1 2 3\n4 5 6\n", {1, 0, 3}, {0, 2, 0}, {4, 5, 6}},
        {"extra values are ignored", "1 2 3 99 98\n4 5 6\n7 8 9\n1 1 1 1\n", {1, 2, 3}, {4, 5, 6}, {1, 1, 1}},
        {"a row continues on the next lines", "1\n2\n\n3\n4 5 6\n7 8 9\n1 1 1\n", {1, 2, 3}, {4, 5, 6}, {1, 1, 1}},
        {"repeat beyond the row is dropped", "5*2\n1 2 3\n1 2 3\n1 1 1\n", {2, 2, 2}, {1, 2, 3}, {1, 1, 1}},
    };
    for (const Case& c : cases) {
        auto r = readText(std::string("t\n3 1\n") + c.rows);
        ASSERT_TRUE(r->end) << c.name;
        EXPECT_EQ(row(r->state.A, 1), c.row1) << c.name;
        EXPECT_EQ(row(r->state.A, 2), c.row2) << c.name;
        EXPECT_EQ(column(r->state.B, 1), c.b) << c.name;
    }
}

TEST(ReadInputFile, SizesMayTakeTwoLines) {
    auto r = readText("t\n2\n3\n1 0\n0 1\n1 1\n2 2\n3 3\n");
    ASSERT_TRUE(r->end);
    EXPECT_EQ(r->state.nb, 3);
    EXPECT_EQ(column(r->state.B, 3), (std::vector<float>{3, 3}));
}

TEST(ReadInputFile, SystemFileReadForTheInverse) {
    const std::string text = "t\n2 1\n1 2\n3 4\n5 6\n";
    auto r = readText(text, asInverse);
    ASSERT_TRUE(r->end);
    EXPECT_EQ(r->state.nb, 2);
    EXPECT_EQ(column(r->state.B, 1), (std::vector<float>{1, 0}));
    EXPECT_EQ(column(r->state.B, 2), (std::vector<float>{0, 1}));
    EXPECT_EQ(r->end->offset, text.size());
}

// For an inverse or a condition number the right-hand sides of a system file
// are passed over, so the first report does not cut them away; without a
// second value on the sizes line the data end after the matrix.
TEST(ReadInputFile, RightHandSidesOfASystemFileStayInFrontOfTheReports) {
    struct Case {
        const char* name;
        std::string data;  // the data part
        std::string after; // what follows it
        std::function<void(ProblemState&)> options;
        bool lineBreakFirst = false;
    };
    auto condition = [](ProblemState& s) { s.SISTEM = false; s.CONDITIE = true; };
    auto hilbert = [](ProblemState& s) { asInverse(s); s.FISIER_DATE = false; s.GENERARE = true; s.IGENERATA = 1; };
    const Case cases[] = {
        {"one right-hand side", "t\n2 1\n1 2\n3 4\n5 6\n", "\r\nProblema: Inversare matrice\r\n", asInverse},
        {"two, over several lines", "t\n2, 2 extra\n1 2\n3 4\n5\n6 99\n7 8\n", "old report\n", asInverse},
        {"condition number", "t\n2 1\n1 2\n3 4\n5 6\n", "\r\nProblema: Numar de Conditie\r\n", condition},
        {"after the constants", "t\n2 1\n0\n5 6\n", "\r\nold\r\n", hilbert},
        {"repeat count on the sizes line", "t\n2*2\n1 2\n3 4\n5 6\n7 8\n", "", asInverse},
        {"symmetric layout", "t\n2 1\n1 2\n3\n5 6\n", "", [](ProblemState& s) { asInverse(s); asSymmetric(s); }},
        {"file ends inside them", "t\n2 2\n1 2\n3 4\n5 6\n7", "", asInverse, true},
        {"no second value", "t\n2\n1 2\n3 4\n", "5 6\n", asInverse},
        {"second value 0", "t\n2 0\n1 2\n3 4\n", "5 6\n", asInverse},
        {"second value not an integer", "t\n2 1.5\n1 2\n3 4\n", "5 6\n", asInverse},
        {"an old report where they should be", "t\n2 1\n1 2\n3 4\n", "\r\nProblema: Sistem liniar\r\n", asInverse},
        {"a bad value in the second group", "t\n2 2\n1 2\n3 4\n", "5 6\nx y\n", asInverse},
        // The groups passed over meet the end of the file: the data end after
        // the last line a value came from, not after the blank lines.
        {"the second group missing before blank lines", "t\n2 2\n1 2\n3 4\n5 6\n", "\n\n", asInverse},
        {"condition number, blank CR LF lines", "t\r\n2 2\r\n1 2\r\n3 4\r\n5 6\r\n", "\r\n \t\r\n", condition},
        {"the second group cut short before blank lines", "t\n2 3\n1 2\n3 4\n5 6\n7\n", "\n\n", asInverse},
        {"blanks after the last line end", "t\n2 2\n1 2\n3 4\n5 6\n", "\n   ", asInverse},
    };
    for (const Case& c : cases) {
        auto r = readText(c.data + c.after, c.options);
        ASSERT_TRUE(r->end) << c.name;
        EXPECT_TRUE(r->messages.shown.empty()) << c.name;
        EXPECT_EQ(r->end->offset, c.data.size()) << c.name;
        EXPECT_EQ(r->end->lineBreakFirst, c.lineBreakFirst) << c.name;
        EXPECT_EQ(r->state.nb, 2) << c.name;
        EXPECT_EQ(column(r->state.B, 1), (std::vector<float>{1, 0})) << c.name;
    }
}

TEST(ReadInputFile, SymmetricLayouts) {
    const std::string text = "t\n3 1\n1 2 3\n4 5\n6\n1 1 1\n";
    auto full = readText(text, asSymmetric);
    ASSERT_TRUE(full->end);
    EXPECT_EQ(row(full->state.A, 1), (std::vector<float>{1, 2, 3}));
    EXPECT_EQ(row(full->state.A, 3), (std::vector<float>{3, 5, 6}));
    EXPECT_FALSE(full->state.AV_INPUT);

    auto packed = readText(text, asCholesky);
    ASSERT_TRUE(packed->end);
    EXPECT_EQ(*packed->state.AV, (RealVector{1, 2, 4, 3, 5, 6}));
    EXPECT_EQ(packed->state.AV_INPUT, packed->state.AV);
    EXPECT_EQ(row(packed->state.A, 1), (std::vector<float>{0, 0, 0}));
}

TEST(ReadInputFile, ReciprocalEntries) {
    auto general = readText("t\n2 1\n2 0\n4 8\n1 1\n", [](ProblemState& s) { s.INVERS_ELEMENTE = true; });
    ASSERT_TRUE(general->end);
    EXPECT_EQ(row(general->state.A, 1)[0], 0.5f);
    EXPECT_TRUE(std::isinf(row(general->state.A, 1)[1]));
    EXPECT_EQ(row(general->state.A, 2), (std::vector<float>{0.25f, 0.125f}));

    auto packed = readText("t\n2 1\n2 4\n8\n1 1\n", [](ProblemState& s) { asCholesky(s); s.INVERS_ELEMENTE = true; });
    ASSERT_TRUE(packed->end);
    EXPECT_EQ(*packed->state.AV, (RealVector{0.5f, 0.25f, 0.125f}));
    EXPECT_EQ(packed->state.AV_INPUT, packed->state.AV);  // Cholesky runs start from the reciprocals

    auto generated = readText("t\n2\n0\n", [](ProblemState& s) {
        asInverse(s);
        s.FISIER_DATE = false; s.GENERARE = true; s.IGENERATA = 1; s.INVERS_ELEMENTE = true;
    });
    ASSERT_TRUE(generated->end);
    EXPECT_EQ(row(generated->state.A, 1), (std::vector<float>{1.0f, 0.5f}));
}

// The first entry, in the order of the file, whose reciprocal is infinite.
TEST(ReadInputFile, ReciprocalsNameTheFirstEntryWithoutAFiniteReciprocal) {
    struct Case {
        const char* name;
        std::string text;
        std::function<void(ProblemState&)> options;
        std::optional<InfiniteReciprocal> expected;
    };
    auto reciprocals = [](ProblemState& s) { s.INVERS_ELEMENTE = true; };
    auto symmetric = [](ProblemState& s) { asSymmetric(s); s.INVERS_ELEMENTE = true; };
    auto cholesky = [](ProblemState& s) { asCholesky(s); s.INVERS_ELEMENTE = true; };
    auto hilbert = [](ProblemState& s) {
        asInverse(s); s.FISIER_DATE = false; s.GENERARE = true; s.IGENERATA = 1; s.INVERS_ELEMENTE = true;
    };
    const Case cases[] = {
        {"one zero", "t\n2 1\n2 0\n4 8\n1 1\n", reciprocals, InfiniteReciprocal{1, 2, 0.0f}},
        {"row by row: row 1 before an earlier column", "t\n3 1\n1 1 0\n0 1 1\n1 1 1\n1 1 1\n", reciprocals,
         InfiniteReciprocal{1, 3, 0.0f}},
        {"negative zero", "t\n2 1\n1 1\n1 -0\n1 1\n", reciprocals, InfiniteReciprocal{2, 2, -0.0f}},
        {"too small for a finite reciprocal", "t\n2 1\n1 1e-39\n1 1\n1 1\n", reciprocals,
         InfiniteReciprocal{1, 2, 1e-39f}},
        {"entries the file did not give are 0", "t\n2 1\n1 2\n3", reciprocals, InfiniteReciprocal{2, 2, 0.0f}},
        {"upper triangle, mirrored", "t\n3 1\n1 1 1\n1 0\n1\n1 1 1\n", symmetric, InfiniteReciprocal{2, 3, 0.0f}},
        // Packed column by column, a(2,2) comes before a(1,3); in the file it follows.
        {"upper triangle for Cholesky", "t\n3 1\n1 1 0\n0 1\n1\n1 1 1\n", cholesky, InfiniteReciprocal{1, 3, 0.0f}},
        {"no zero", "t\n2 1\n2 3\n4 8\n1 1\n", reciprocals, std::nullopt},
        {"entries kept as they are", "t\n2 1\n2 0\n4 8\n1 1\n", {}, std::nullopt},
        {"a generated matrix keeps its entries", "t\n2\n0\n", hilbert, std::nullopt},
    };
    for (const Case& c : cases) {
        auto r = readText(c.text, c.options);
        ASSERT_TRUE(r->end) << c.name;
        ASSERT_EQ(r->state.INFINITE_RECIPROCAL.has_value(), c.expected.has_value()) << c.name;
        if (!c.expected) continue;
        EXPECT_EQ(r->state.INFINITE_RECIPROCAL->row, c.expected->row) << c.name;
        EXPECT_EQ(r->state.INFINITE_RECIPROCAL->column, c.expected->column) << c.name;
        EXPECT_EQ(r->state.INFINITE_RECIPROCAL->entry, c.expected->entry) << c.name;
        EXPECT_EQ(std::signbit(r->state.INFINITE_RECIPROCAL->entry), std::signbit(c.expected->entry)) << c.name;
        EXPECT_TRUE(r->messages.shown.empty()) << c.name;
    }
    // A later Read of a file without a zero forgets the entry.
    ProblemState state;
    INITIALIZEDATA(state);
    state.INVERS_ELEMENTE = true;
    testing::RecordingMessages messages;
    ASSERT_TRUE(readProblemText(state, "t\n1 1\n0\n1\n", messages));
    EXPECT_TRUE(state.INFINITE_RECIPROCAL);
    ASSERT_TRUE(readProblemText(state, "t\n1 1\n2\n1\n", messages));
    EXPECT_FALSE(state.INFINITE_RECIPROCAL);
}

TEST(ReadInputFile, EndOfFileInsideTheDataKeepsWhatWasRead) {
    const std::string text = "t\n3 1\n1 2 3\n4 5";
    auto r = readText(text);
    ASSERT_TRUE(r->end);
    EXPECT_TRUE(r->state.DATE_CITITE);
    EXPECT_EQ(row(r->state.A, 2), (std::vector<float>{4, 5, 0}));
    EXPECT_EQ(row(r->state.A, 3), (std::vector<float>{0, 0, 0}));
    EXPECT_EQ(r->end->offset, text.size());
    EXPECT_TRUE(r->end->lineBreakFirst);
}

// A read that meets the end of the file leaves the file at the start of
// the line after the last line a value was taken from; when that line is the
// last one and has no line end, the first report starts with a line end.
TEST(ReadInputFile, MeetingTheEndOfTheFileStopsAfterTheLastValueLine) {
    struct Case {
        const char* name;
        std::string data;   // up to where the first report starts
        std::string after;  // what the report replaces
        std::vector<float> b2;
        bool lineBreakFirst = false;
    };
    const Case cases[] = {
        {"the second right-hand side missing", "t\n2 2\n1 2\n3 4\n5 6\n", "\n\n", {0, 0}},
        {"CR LF lines, blanks on the blank lines", "t\r\n2 2\r\n1 2\r\n3 4\r\n5 6\r\n", "  \r\n\t\r\n", {0, 0}},
        {"the second right-hand side cut short", "t\n2 2\n1 2\n3 4\n5 6\n7\n", "\n\n\n", {7, 0}},
        {"a value after blank lines", "t\n2 2\n1 2\n3 4\n5 6\n\n\n7\n", "\n", {7, 0}},
        {"a null value is taken from its line", "t\n2 2\n1 2\n3 4\n5 6\n,\n", "\n", {0, 0}},
        {"a repeat count of null values", "t\n2 2\n1 2\n3 4\n5 6\n1*\n", "\n", {0, 0}},
        {"the last value line without line end", "t\n2 2\n1 2\n3 4\n5 6\n7", "", {7, 0}, true},
        {"the end met inside the matrix", "t\n2 2\n1 2\n3\n", "\n\n", {0, 0}},
    };
    for (const Case& c : cases) {
        auto r = readText(c.data + c.after);
        ASSERT_TRUE(r->end) << c.name;
        EXPECT_TRUE(r->state.DATE_CITITE) << c.name;
        EXPECT_EQ(column(r->state.B, 2), c.b2) << c.name;
        EXPECT_EQ(r->end->offset, c.data.size()) << c.name;
        EXPECT_EQ(r->end->lineBreakFirst, c.lineBreakFirst) << c.name;
    }
}

TEST(ReadInputFile, LastLineWithoutLineEnd) {
    const std::string text = "t\n1 1\n2\n4";
    auto r = readText(text);
    ASSERT_TRUE(r->end);
    EXPECT_EQ(r->end->offset, text.size());
    EXPECT_TRUE(r->end->lineBreakFirst);
}

TEST(ReadInputFile, GeneratedMatrices) {
    auto hilbert = readText("t\n3\n0\nleft alone\n", [](ProblemState& s) {
        asInverse(s); s.FISIER_DATE = false; s.GENERARE = true; s.IGENERATA = 1; s.IMETODA = Method::Cholesky;
    });
    ASSERT_TRUE(hilbert->end);
    EXPECT_EQ(hilbert->state.nc, 0);
    EXPECT_EQ(row(hilbert->state.A, 2), (std::vector<float>{1.0f / 2, 1.0f / 3, 1.0f / 4}));
    EXPECT_EQ((*hilbert->state.AV)(LOCA(2, 3)), 1.0f / 4);
    EXPECT_TRUE(hilbert->state.AV_INPUT);
    EXPECT_EQ(hilbert->end->offset, std::string("t\n3\n0\n").size());

    auto band = readText("t\n4 1\n2\n4 1\n1 2 3 4\n", [](ProblemState& s) {
        s.FISIER_DATE = false; s.GENERARE = true; s.IGENERATA = 7;
    });
    ASSERT_TRUE(band->end);
    EXPECT_EQ(row(band->state.A, 2), (std::vector<float>{1, 4, 1, 0}));
    EXPECT_EQ(column(band->state.B, 1), (std::vector<float>{1, 2, 3, 4}));
}

TEST(ReadInputFile, FailuresShowTheReadError) {
    struct Case {
        const char* name;
        std::string text;
        std::function<void(ProblemState&)> options;
    };
    auto generator = [](int index) {
        return [index](ProblemState& s) { s.FISIER_DATE = false; s.GENERARE = true; s.IGENERATA = index; };
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"no sizes", "title only\n", {}},
        {"text for n", "t\nthree 1\n", {}},
        {"real for n", "t\n3.0 1\n", {}},
        {"order zero", "t\n0 1\n", {}},
        {"negative order", "t\n-2 1\n", {}},
        {"no right-hand sides", "t\n2 0\n1 2\n3 4\n", {}},
        {"order too large to allocate", "t\n100000 1\n", {}},
        {"text in a row", "t\n2 1\n1 x\n3 4\n1 1\n", {}},
        {"text in a right-hand side", "t\n2 1\n1 2\n3 4\n1 b\n", {}},
        {"number beyond single precision", "t\n1 1\n1e39\n1\n", {}},
        {"NaN in a row", "t\n1 1\nNaN\n1\n", {}},
        {"zero repeat count", "t\n2 1\n0*1 2\n3 4\n1 1\n", {}},
        {"Cholesky rows cut short", "t\n3 1\n1 2 3\n4 5\n", asCholesky},
        {"missing constant count", "t\n3 1\n", generator(1)},
        {"Cauchy with too few constants", "t\n2 1\n6\n1 2 3 4 5 6\n1 1\n", generator(6)},
        {"Wilkinson 5 below order 5", "t\n4 1\n1\n1\n1 1 1 1\n", generator(4)},
        {"companion with too few constants", "t\n3 1\n2\n1 2\n1 1 1\n", generator(3)},
        {"band without constants", "t\n3 1\n0\n1 1 1\n", generator(7)},
        {"text among the constants", "t\n2 1\n1\nz\n1 1\n", generator(5)},
    };
    for (const Case& c : cases) {
        auto r = readText(c.text, c.options);
        EXPECT_FALSE(r->end) << c.name;
        EXPECT_FALSE(r->state.DATE_CITITE) << c.name;
        ASSERT_EQ(r->messages.shown.size(), 1u) << c.name;
        EXPECT_EQ(r->messages.shown[0].text, "Eroare de citire in fisierul de date");
        EXPECT_EQ(r->messages.shown[0].title, "Error");
        EXPECT_EQ(r->messages.shown[0].icon, MessageIcon::Error);
    }
}

}  // namespace
}  // namespace corvane
