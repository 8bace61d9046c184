// Matrix Market files into data files: each form, field and storage on a
// tiny file against its expected data file, and every fault a file can have
// with its line.

#include "import/data_file_import.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "support/comma_locale.h"

namespace corvane {
namespace {

std::string imported(const std::string& matrix, DataLayout layout = DataLayout::General,
                     RightHandSides rhs = RightHandSides::None, const std::string& rhsText = "",
                     std::optional<MarketStorage> headerless = std::nullopt) {
    ImportRequest request;
    request.matrixText = matrix;
    request.layout = layout;
    request.rhs = rhs;
    request.rhsText = rhsText;
    request.title = "t";
    request.headerless = headerless;
    return importedDataFile(request);
}

TEST(MatrixMarketImport, EachFormFieldAndStorage) {
    const struct {
        const char* name;
        std::string matrix;
        std::string expected;
    } cases[] = {
        {"coordinate real general, a duplicate adds up",
         "%%MatrixMarket matrix coordinate real general\n% a comment\n2 2 4\n1 1 1.5\n2 1 -2\n1 2 3e-3\n1 1 0.5\n",
         "t\n2\n2 0.003\n-2 0\n"},
        {"coordinate integer symmetric: the upper triangle mirrored",
         "%%MatrixMarket matrix coordinate integer symmetric\n3 3 4\n1 1 4\n2 1 1\n3 2 -1\n3 3 2\n",
         "t\n3\n4 1 0\n1 0 -1\n0 -1 2\n"},
        {"coordinate pattern skew-symmetric: entries are 1, the mirror negated",
         "%%MatrixMarket matrix coordinate pattern skew-symmetric\n2 2 1\n2 1\n", "t\n2\n0 -1\n1 0\n"},
        {"array real general, column by column",
         "%%MatrixMarket matrix array real general\n2 2\n1\n2\n3\n4\n", "t\n2\n1 3\n2 4\n"},
        {"array integer symmetric: the lower triangle",
         "%%MatrixMarket matrix array integer symmetric\n2 2\n5\n6\n7\n", "t\n2\n5 6\n6 7\n"},
        {"array real skew-symmetric: the strict lower triangle",
         "%%MATRIXMARKET Matrix Array Real Skew-Symmetric\n3 3\n1\n2\n3\n", "t\n3\n0 -1 -2\n1 0 -3\n2 3 0\n"},
        {"a value that single precision rounds is written as it rounds",
         "%%MatrixMarket matrix coordinate real general\n1 1 1\n1 1 0.1000000000001\n", "t\n1\n0.1\n"},
        // Through double this text lands on the halfway point 1 + 2^-24 and
        // then rounds to even, 1; rounded once it is the float above.
        {"a text just above a halfway point between two floats is rounded once",
         "%%MatrixMarket matrix coordinate real general\n1 1 1\n1 1 1.00000005960464477539062500001\n",
         "t\n1\n1.0000001\n"},
        {"a leading plus, a value below double's range and more duplicates than the matrix has entries",
         "%%MatrixMarket matrix coordinate real general\n1 1 3\n1 1 +2.5\n1 1 1e-400\n1 1 0.5\n", "t\n1\n3\n"},
        {"values below every range are 0", "%%MatrixMarket matrix coordinate real general\n1 1 3\n1 1 1E-9999\n1 1 2\n1 1 -0.0001e-99999\n",
         "t\n1\n2\n"},
        {"a leading plus on the sizes and the indices",
         "%%MatrixMarket matrix coordinate real general\n+2 +2 +1\n+2 +1 3\n", "t\n2\n0 0\n3 0\n"},
        {"line ends of CR alone", "%%MatrixMarket matrix coordinate real general\r% a comment\r2 2 2\r1 1 1.5\r\r2 2 2\r",
         "t\n2\n1.5 0\n0 2\n"},
        {"CR LF and CR alone mixed", "%%MatrixMarket matrix array real general\r\n2 2\r1\r\n\r2\r3\r\n4", "t\n2\n1 3\n2 4\n"},
        {"a UTF-8 byte-order mark before the header", "\xEF\xBB\xBF%%MatrixMarket matrix array real general\n1 1\n4\n",
         "t\n1\n4\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(imported(c.matrix), c.expected) << c.name;
}

TEST(MatrixMarketImport, LayoutsAndRightHandSides) {
    const std::string spd = "%%MatrixMarket matrix coordinate real symmetric\n2 2 3\n1 1 4\n2 1 1\n2 2 0.1\n";
    EXPECT_EQ(imported(spd, DataLayout::Symmetric), "t\n2\n4 1\n0.1\n");
    // b = A·(1, 1) from the single-precision entries, summed in double and rounded once.
    EXPECT_EQ(imported(spd, DataLayout::General, RightHandSides::Ones), "t\n2 1\n4 1\n1 0.1\n5 1.1\n");
    const std::string twoColumns = "%%MatrixMarket matrix array real general\n2 2\n1\n2\n3\n4\n";
    EXPECT_EQ(imported(spd, DataLayout::General, RightHandSides::FromFile, twoColumns), "t\n2 2\n4 1\n1 0.1\n1 2\n3 4\n");
    // Nine values of a row: eight to a line, each row starting on its own line.
    std::string wide = "%%MatrixMarket matrix coordinate real general\n9 9 9\n";
    for (int j = 1; j <= 9; ++j) wide += "1 " + std::to_string(j) + " " + std::to_string(j) + "\n";
    const std::string data = imported(wide);
    EXPECT_EQ(data.substr(0, data.find("\n0 0")), "t\n9\n1 2 3 4 5 6 7 8\n9");
}

TEST(MatrixMarketImport, FilesWithoutHeader) {
    const std::string orderAlone = "3\n1 1 2\n3 1 1\n3 3 5\n";
    const std::string sizes = "3 3 3\n1 1 2\n3 1 1\n3 3 5\n";
    const std::string expected = "t\n3\n2 0 1\n0 0 0\n1 0 5\n";
    EXPECT_EQ(imported(orderAlone, DataLayout::General, RightHandSides::None, "", MarketStorage::Symmetric), expected);
    EXPECT_EQ(imported(sizes, DataLayout::General, RightHandSides::None, "", MarketStorage::Symmetric), expected);
    try {
        imported(sizes);
        FAIL() << "a file without a header is refused unless its storage is named";
    } catch (const ImportError& error) {
        EXPECT_NE(std::string(error.what()).find("--headerless"), std::string::npos) << error.what();
    }
}

// The dialog runs under the user's C locale; a comma as its decimal point
// changes neither what is read nor what is written.
TEST(MatrixMarketImport, TheLocaleChangesNothing) {
    const testing::NumericLocaleRestored restored;
    const std::string locale = testing::selectCommaLocale();
    if (locale.empty()) GTEST_SKIP() << "no locale with a decimal comma to be had";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    EXPECT_EQ(imported("%%MatrixMarket matrix coordinate real general\n1 1 2\n1 1 1.5e-3\n1 1 2.25\n"),
              "t\n1\n2.2515\n")
        << locale;
}

TEST(MatrixMarketImport, FaultsNameTheirLine) {
    const std::string header = "%%MatrixMarket matrix coordinate real general\n";
    const struct {
        std::string matrix;
        DataLayout layout;
        std::string message;
    } cases[] = {
        {"%%MatrixMarket vector coordinate real general\n1 1 1\n1 1 1\n", DataLayout::General, "line 1: unknown header"},
        {"%%MatrixMarket matrix coordinate complex general\n1 1 1\n1 1 1 0\n", DataLayout::General,
         "line 1: complex entries are not supported"},
        {"%%MatrixMarket matrix coordinate real hermitian\n1 1 1\n1 1 1\n", DataLayout::General,
         "line 1: hermitian storage is not supported"},
        {header + "2 3 1\n1 1 1\n", DataLayout::General, "line 2: the matrix is 2 x 3, not square"},
        {header + "2 2 1\n3 1 1\n", DataLayout::General, "line 3: index (3, 1) is outside the 2 x 2 matrix"},
        {header + "2 2 1\n1 0 1\n", DataLayout::General, "line 3: index (1, 0) is outside"},
        {header + "2 2 3\n1 1 1\n2 2 1\n", DataLayout::General, "line 5: only 2 of the 3 entries"},
        {header + "2 2 1\n1 1 1\n2 2 1\n", DataLayout::General, "line 4: more entries than the 1"},
        {header + "2 2 1\n1 1 x1\n", DataLayout::General, "line 3: \"x1\" is not a number"},
        {header + "2 2 1\n1 1\n", DataLayout::General, "line 3: expected an entry \"row column value\""},
        {header + "20000 20000 1\n1 1 1\n", DataLayout::General, "line 2: the order 20000 is above the program's limit of 11585"},
        {header + "11586 11586 1\n1 1 1\n", DataLayout::General, "line 2: the order 11586 is above"},
        {"%%MatrixMarket matrix array real general\n2 2\n1\n2\n3\n", DataLayout::General, "line 6: too few values"},
        {"%%MatrixMarket matrix array real general\n1 1\n1\n% a comment\n2\n", DataLayout::General,
         "line 5: more values than the array holds"},
        {"%%MatrixMarket matrix array real general\n1 1\n1,5\n", DataLayout::General, "line 3: \"1,5\" is not a number"},
        {"%%MatrixMarket matrix coordinate integer general\n1 1 1\n1 1 1.5\n", DataLayout::General,
         "line 3: \"1.5\" is not an integer"},
        {header + "1 1 1\n1 1 1e400\n", DataLayout::General, "line 3: \"1e400\" is too large for single precision"},
        // Beyond single precision, whatever the wider types make of it: one message with the line.
        {header + "1 1 1\n1 1 1E310\n", DataLayout::General, "line 3: \"1E310\" is too large for single precision"},
        {header + "1 1 1\n1 1 1E9999\n", DataLayout::General, "line 3: \"1E9999\" is too large for single precision"},
        {header + "1 1 1\n1 1 -12.5e+99999\n", DataLayout::General,
         "line 3: \"-12.5e+99999\" is too large for single precision"},
        {header + "1 1 1\n1 1 3.5e38\n", DataLayout::General, "line 3: \"3.5e38\" is too large for single precision"},
        {"%%MatrixMarket matrix coordinate integer general\n1 1 1\n1 1 " + std::string(40, '9') + "\n",
         DataLayout::General, "line 3: \"" + std::string(40, '9') + "\" is too large for single precision"},
        {header + "2 2 1\n+-1 1 1\n", DataLayout::General, "line 3: the row index \"+-1\" is not an integer"},
        {header + "1 1 1\n1 1 inf\n", DataLayout::General, "line 3: \"inf\" is not a number"},
        {"\xFF\xFE%\0%\0", DataLayout::General, "line 1: the file is UTF-16 text"},
        {"%%MatrixMarket vector coordinate real general\r1 1 1\r1 1 1\r", DataLayout::General,
         "line 1: unknown header \"%%MatrixMarket vector coordinate real general\" (expected"},
        {"%%MatrixMarket matrix coordinate real skew-symmetric\n2 2 1\n1 1 1\n", DataLayout::General,
         "line 3: a skew-symmetric matrix has no diagonal entries"},
        {header + "2 2 1\n2 1 1\n", DataLayout::Symmetric, "not symmetric"},
        {header + "1 1 1\n1 1 1e39\n", DataLayout::General, "line 3: \"1e39\" is too large for single precision"},
        {header + "1 1 2\n1 1 3e38\n1 1 3e38\n", DataLayout::General, "entry (1, 1) is beyond single precision"},
    };
    for (const auto& c : cases) {
        try {
            imported(c.matrix, c.layout);
            ADD_FAILURE() << "accepted: " << c.matrix;
        } catch (const ImportError& error) {
            EXPECT_EQ(error.source(), ImportSource::Matrix);
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what() << " / " << c.message;
        }
    }
    try {
        imported(header + "2 2 2\n1 1 3e38\n1 2 3e38\n", DataLayout::General, RightHandSides::Ones);
        ADD_FAILURE() << "a right-hand side beyond single precision accepted";
    } catch (const ImportError& error) {
        EXPECT_NE(std::string(error.what()).find("b(1)"), std::string::npos) << error.what();
    }
    try {
        imported(header + "2 2 1\n1 1 1\n", DataLayout::General, RightHandSides::FromFile,
                 "%%MatrixMarket matrix array real general\n3 1\n1\n2\n3\n");
        ADD_FAILURE() << "right-hand sides of another order accepted";
    } catch (const ImportError& error) {
        EXPECT_EQ(error.source(), ImportSource::RightHandSides);
        EXPECT_NE(std::string(error.what()).find("3 rows for a matrix of order 2"), std::string::npos) << error.what();
    }
}

// A text of the file that a message quotes is cut after 80 characters, so
// that a file whose lines are not seen as lines is not quoted whole.
TEST(MatrixMarketImport, QuotedTextsAreCut) {
    const std::string header = "%%MatrixMarket matrix coordinate real general\n";
    const std::string longWord(5000, '7');
    const struct {
        const char* name;
        std::string matrix;
        std::string start;  // the message up to the cut
    } cases[] = {
        {"a header", "%%MatrixMarket matrix coordinate real general " + longWord + "\n1 1 1\n1 1 1\n",
         "line 1: unknown header \"%%MatrixMarket matrix coordinate real general 777"},
        {"a storage word", "%%MatrixMarket matrix coordinate real x" + longWord + "\n1 1 1\n1 1 1\n",
         "line 1: unknown storage \"x777"},
        {"an index", header + "1 1 1\nx" + longWord + " 1 1\n", "line 3: the row index \"x777"},
        {"a value", header + "1 1 1\n1 1 x" + longWord + "\n", "line 3: \"x777"},
    };
    for (const auto& c : cases) {
        try {
            imported(c.matrix);
            ADD_FAILURE() << "accepted: " << c.name;
        } catch (const ImportError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind(c.start, 0), 0u) << c.name << ": " << message.substr(0, 200);
            EXPECT_NE(message.find("777...\""), std::string::npos) << c.name << ": " << message.substr(0, 200);
            EXPECT_LT(message.size(), 250u) << c.name;
        }
    }
}

}  // namespace
}  // namespace corvane
