#pragma once
// Why an import refuses its input, with the pieces of the file its message
// quotes. The message is a text with {1}, {2}, ... where the pieces go: in
// English here (the command line, and what() of the errors), in the
// interface language in the dialog.

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

enum class ImportFault {
    // The Matrix Market file.
    UnknownHeader,          // {1} the header line, quoted
    UnknownForm,            // {1} the word, quoted
    ComplexField,
    UnknownField,           // {1}
    HermitianStorage,
    UnknownStorage,         // {1}
    ArrayPattern,
    OrderNotInteger,        // {1} the word, quoted
    RowCountNotInteger,     // {1}
    ColumnCountNotInteger,  // {1}
    EntryCountNotInteger,   // {1}
    RowIndexNotInteger,     // {1}
    ColumnIndexNotInteger,  // {1}
    ValueNotInteger,        // {1}
    TooLarge,               // {1}
    NotANumber,             // {1}
    ExpectedCoordinateSizes,
    ExpectedArraySizes,
    SizesNotPositive,
    NotSquare,              // {1} rows, {2} columns
    OrderAboveLimit,        // {1} the order, {2} the largest
    SizeAboveLimit,         // {1} rows, {2} columns, {3} the most elements
    NegativeEntryCount,
    SkewDiagonal,
    MoreEntries,            // {1} the entries the sizes line gives
    ExpectedPatternEntry,
    ExpectedEntry,
    IndexOutside,           // {1} row, {2} column, {3} rows, {4} columns
    FewerEntries,           // {1} found, {2} given
    TooFewValues,           // {1} rows, {2} columns
    OneValuePerLine,
    MoreValues,
    Utf16,
    NoHeader,
    NoSizesLine,
    SymmetricNotSquare,
    // The data file made of it.
    EntryBeyondSingle,      // {1} row, {2} column
    RowSumBeyondSingle,     // {1} row
    RightHandSideRows,      // {1} rows, {2} the order
    NotSymmetric,
};

struct ImportFaultText {
    ImportFault fault;
    std::vector<std::string> pieces;
};

// The message in English.
std::string englishText(const ImportFaultText& fault);

// `text` with each {k} replaced by pieces[k - 1].
std::string filledIn(std::string_view text, const std::vector<std::string>& pieces);

}  // namespace corvane
