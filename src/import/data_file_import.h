#pragma once
// A data file made from a Matrix Market matrix (and right-hand sides), in
// the layout the Read takes: the title line, the sizes line, the rows of the
// matrix (all of them, or the upper triangle for the symmetric layout),
// then each right-hand side. Every number is written so that reading it
// back gives the same single-precision value.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/matrix_market.h"

namespace corvane {

enum class DataLayout { General, Symmetric };
enum class RightHandSides { None, Ones, FromFile };

struct ImportRequest {
    std::string_view matrixText;
    RightHandSides rhs = RightHandSides::None;
    std::string_view rhsText;  // a dense n × k array, for FromFile
    DataLayout layout = DataLayout::General;
    std::string title;
    std::optional<MarketStorage> headerless;
};

enum class ImportSource { Matrix, RightHandSides };

// What an import refuses: in which file, and why ("line 12: ..." when the
// fault is on a line).
class ImportError : public std::runtime_error {
public:
    ImportError(ImportSource source, ImportFault fault, std::vector<std::string> pieces)
        : ImportError(source, std::nullopt, ImportFaultText{fault, std::move(pieces)}) {}
    ImportError(ImportSource source, const MarketError& error) : ImportError(source, error.line(), error.fault()) {}
    ImportSource source() const { return source_; }
    // The line of the file, when the fault is on one.
    const std::optional<int>& line() const { return line_; }
    const ImportFaultText& fault() const { return fault_; }

private:
    ImportError(ImportSource source, std::optional<int> line, ImportFaultText fault)
        : std::runtime_error((line ? "line " + std::to_string(*line) + ": " : std::string()) + englishText(fault)),
          source_(source), line_(line), fault_(std::move(fault)) {}

    ImportSource source_;
    std::optional<int> line_;
    ImportFaultText fault_;
};

// The data file's text; throws ImportError. Without right-hand sides the
// sizes line holds only n (an inverse or a condition number). Ones makes
// b = A·(1, ..., 1) from the single-precision entries written, summed in
// double and rounded once.
std::string importedDataFile(const ImportRequest& request);

}  // namespace corvane
