#include "import/import_fault.h"

namespace corvane {
namespace {

std::string_view englishTemplate(ImportFault fault) {
    switch (fault) {
        case ImportFault::UnknownHeader:
            return "unknown header {1} (expected %%MatrixMarket matrix coordinate|array real|integer|pattern "
                   "general|symmetric|skew-symmetric)";
        case ImportFault::UnknownForm: return "unknown form {1}";
        case ImportFault::ComplexField: return "complex entries are not supported (the program computes in real arithmetic)";
        case ImportFault::UnknownField: return "unknown field {1}";
        case ImportFault::HermitianStorage:
            return "hermitian storage is not supported (the program computes in real arithmetic)";
        case ImportFault::UnknownStorage: return "unknown storage {1}";
        case ImportFault::ArrayPattern: return "an array cannot hold a pattern";
        case ImportFault::OrderNotInteger: return "the order {1} is not an integer";
        case ImportFault::RowCountNotInteger: return "the row count {1} is not an integer";
        case ImportFault::ColumnCountNotInteger: return "the column count {1} is not an integer";
        case ImportFault::EntryCountNotInteger: return "the entry count {1} is not an integer";
        case ImportFault::RowIndexNotInteger: return "the row index {1} is not an integer";
        case ImportFault::ColumnIndexNotInteger: return "the column index {1} is not an integer";
        case ImportFault::ValueNotInteger: return "{1} is not an integer";
        case ImportFault::TooLarge: return "{1} is too large for single precision";
        case ImportFault::NotANumber: return "{1} is not a number";
        case ImportFault::ExpectedCoordinateSizes: return "expected the sizes line \"rows columns entries\"";
        case ImportFault::ExpectedArraySizes: return "expected the sizes line \"rows columns\"";
        case ImportFault::SizesNotPositive: return "the sizes must be positive";
        case ImportFault::NotSquare: return "the matrix is {1} x {2}, not square";
        case ImportFault::OrderAboveLimit: return "the order {1} is above the program's limit of {2}";
        case ImportFault::SizeAboveLimit: return "{1} x {2} is above the program's limit of {3} elements";
        case ImportFault::NegativeEntryCount: return "the entry count cannot be negative";
        case ImportFault::SkewDiagonal: return "a skew-symmetric matrix has no diagonal entries";
        case ImportFault::MoreEntries: return "more entries than the {1} the sizes line gives";
        case ImportFault::ExpectedPatternEntry: return "expected an entry \"row column\"";
        case ImportFault::ExpectedEntry: return "expected an entry \"row column value\"";
        case ImportFault::IndexOutside: return "index ({1}, {2}) is outside the {3} x {4} matrix";
        case ImportFault::FewerEntries: return "only {1} of the {2} entries the sizes line gives";
        case ImportFault::TooFewValues: return "too few values for the {1} x {2} array";
        case ImportFault::OneValuePerLine: return "expected one value per line";
        case ImportFault::MoreValues: return "more values than the array holds";
        case ImportFault::Utf16: return "the file is UTF-16 text; save it as ASCII or UTF-8 text";
        case ImportFault::NoHeader:
            return "no %%MatrixMarket header; a file without one is read only with --headerless "
                   "general|symmetric|skew-symmetric naming its storage";
        case ImportFault::NoSizesLine: return "no sizes line";
        case ImportFault::SymmetricNotSquare: return "a symmetric or skew-symmetric matrix must be square";
        case ImportFault::EntryBeyondSingle: return "entry ({1}, {2}) is beyond single precision";
        case ImportFault::RowSumBeyondSingle: return "b({1}) = A·(1, ..., 1) of row {1} is beyond single precision";
        case ImportFault::RightHandSideRows: return "{1} rows for a matrix of order {2}";
        case ImportFault::NotSymmetric: return "not symmetric, so it cannot be written in the symmetric layout";
    }
    return {};
}

}  // namespace

std::string filledIn(std::string_view text, const std::vector<std::string>& pieces) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t close = text.find('}', at);
        if (text[at] == '{' && close != std::string_view::npos && close == at + 2 && text[at + 1] >= '1' &&
            text[at + 1] <= '9') {
            const std::size_t k = static_cast<std::size_t>(text[at + 1] - '1');
            if (k < pieces.size()) out += pieces[k];
            at = close;
            continue;
        }
        out += text[at];
    }
    return out;
}

std::string englishText(const ImportFaultText& fault) { return filledIn(englishTemplate(fault.fault), fault.pieces); }

}  // namespace corvane
