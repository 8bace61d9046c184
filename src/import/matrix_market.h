#pragma once
// Matrices in the Matrix Market exchange format, as public collections ship
// them: coordinate or array form; real, integer or pattern entries; general,
// symmetric or skew-symmetric storage. A file's header line
// "%%MatrixMarket matrix <form> <field> <storage>" says which (a UTF-8
// byte-order mark before it is passed over); files without it are read only
// when the caller names their storage. Lines end with LF, CR LF or CR alone.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

enum class MarketStorage { General, Symmetric, SkewSymmetric };

// What cannot be read, and on which line (from 1) of the file.
class MarketError : public std::runtime_error {
public:
    MarketError(int line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// A dense matrix, column by column; every stored entry in double as the
// file gives it (pattern entries are 1), the missing triangle filled in.
struct MarketMatrix {
    int rows = 0;
    int cols = 0;
    std::vector<double> values;  // rows × cols, column-major
    double at(int i, int j) const { return values[static_cast<std::size_t>(j) * rows + i]; }  // 0-based
};

struct MarketReadOptions {
    // Storage of a file without a header (coordinate form, real entries);
    // none: such a file is refused.
    std::optional<MarketStorage> headerless;
    long long maxElements;  // the most rows × cols the caller can take
    bool square = true;     // a matrix of another shape is refused
};

// Reads the whole text; throws MarketError.
MarketMatrix readMarketMatrix(std::string_view text, const MarketReadOptions& options);

// Whether the text starts with a "%%MatrixMarket" header line, after a
// byte-order mark if there is one.
bool hasMarketHeader(std::string_view text);

// "general", "symmetric", "skew-symmetric"; none for another word.
std::optional<MarketStorage> marketStorageNamed(std::string_view name);

}  // namespace corvane
