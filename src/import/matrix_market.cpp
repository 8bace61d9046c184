#include "import/matrix_market.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "textio/decimal_reading.h"

namespace corvane {
namespace {

enum class Form { Coordinate, Array };
enum class Field { Real, Integer, Pattern };

struct Header {
    Form form = Form::Coordinate;
    Field field = Field::Real;
    MarketStorage storage = MarketStorage::General;
};

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

constexpr std::size_t kQuotedLength = 80;  // a quoted text is cut after this many characters
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A text of the file in quotes, cut to kQuotedLength characters with "..."
// after it when it is longer (a file whose line ends are not seen as such
// would otherwise be quoted whole).
std::string quoted(std::string_view text) {
    if (text.size() <= kQuotedLength) return "\"" + std::string(text) + "\"";
    return "\"" + std::string(text.substr(0, kQuotedLength)) + "...\"";
}

// The text after a UTF-8 byte-order mark, which some editors put first.
std::string_view withoutByteOrderMark(std::string_view text) {
    return text.starts_with(kUtf8ByteOrderMark) ? text.substr(kUtf8ByteOrderMark.size()) : text;
}

bool startsWithUtf16ByteOrderMark(std::string_view text) {
    return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
}

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (true) {
        at = line.find_first_not_of(" \t\r", at);
        if (at == std::string_view::npos) return words;
        const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
}

// The lines of the text, numbered from 1. A line ends with LF, CR LF or a
// CR alone (as in files from old Mac programs).
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}
    // The next line, none at the end of the text.
    std::optional<std::string_view> next() {
        if (at_ >= text_.size()) return std::nullopt;
        const std::size_t end = std::min(text_.find_first_of("\r\n", at_), text_.size());
        std::string_view line = text_.substr(at_, end - at_);
        at_ = end + (text_.substr(end, 2) == "\r\n" ? 2 : 1);
        ++number_;
        return line;
    }
    // The next line that is neither a comment nor blank.
    std::optional<std::string_view> nextData() {
        while (std::optional<std::string_view> line = next()) {
            if (!line->empty() && line->front() == '%') continue;
            if (wordsOf(*line).empty()) continue;
            return line;
        }
        return std::nullopt;
    }
    int number() const { return number_; }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    int number_ = 0;
};

Header headerFrom(std::string_view line, int number) {
    const std::vector<std::string_view> words = wordsOf(line);
    if (words.size() != 5 || lowered(words[0]) != "%%matrixmarket" || lowered(words[1]) != "matrix") {
        throw MarketError(number, "unknown header " + quoted(line) +
                                      " (expected %%MatrixMarket matrix coordinate|array real|integer|pattern "
                                      "general|symmetric|skew-symmetric)");
    }
    Header header;
    const std::string form = lowered(words[2]), field = lowered(words[3]), storage = lowered(words[4]);
    if (form == "array") header.form = Form::Array;
    else if (form != "coordinate") throw MarketError(number, "unknown form " + quoted(words[2]));
    if (field == "complex") throw MarketError(number, "complex entries are not supported (the program computes in real arithmetic)");
    if (field == "integer") header.field = Field::Integer;
    else if (field == "pattern") header.field = Field::Pattern;
    else if (field != "real") throw MarketError(number, "unknown field " + quoted(words[3]));
    if (storage == "hermitian") throw MarketError(number, "hermitian storage is not supported (the program computes in real arithmetic)");
    const std::optional<MarketStorage> known = marketStorageNamed(storage);
    if (!known) throw MarketError(number, "unknown storage " + quoted(words[4]));
    header.storage = *known;
    if (header.form == Form::Array && header.field == Field::Pattern) throw MarketError(number, "an array cannot hold a pattern");
    return header;
}

// The number without a leading plus sign, which from_chars does not take
// (a sign after it stays, and makes the number unreadable).
std::string_view withoutPlus(std::string_view number) {
    return number.size() > 1 && number.front() == '+' && number[1] != '-' && number[1] != '+' ? number.substr(1) : number;
}

long long integerFrom(std::string_view word, int line, const char* what) {
    const std::string_view number = withoutPlus(word);
    long long value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()) {
        throw MarketError(line, std::string(what) + " " + quoted(word) + " is not an integer");
    }
    return value;
}

bool allDigits(std::string_view word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A decimal number in C form, read the same whatever the C locale (the Qt
// front end takes the user's, whose decimal point may be a comma). A value
// of an integer file must be an integer, and every value must fit single
// precision. The double is nudged by one unit in its last place when
// rounding it to single precision would give another value than rounding
// the text at once (a text just beside a halfway point between two floats),
// so that an entry is rounded once.
double valueFrom(std::string_view word, int line, bool integer) {
    const std::string_view number = withoutPlus(word);
    const char* begin = number.data();
    const char* end = begin + number.size();
    const std::string_view magnitude = number.empty() || number.front() != '-' ? number : number.substr(1);
    if (integer && !allDigits(magnitude)) throw MarketError(line, quoted(word) + " is not an integer");
    const MarketError tooLarge(line, quoted(word) + " is too large for single precision");
    double value = 0;
    const std::from_chars_result read = readDecimal(begin, end, value);
    const bool beyondDouble = read.ec == std::errc::result_out_of_range;  // rounded to 0 or infinite
    if (!(beyondDouble || (read.ec == std::errc() && std::isfinite(value))) || read.ptr != end) {
        throw MarketError(line, quoted(word) + " is not a number");
    }
    if (std::isinf(static_cast<float>(value))) throw tooLarge;
    float single = 0;
    const std::from_chars_result direct = readDecimal(begin, end, single);
    if (direct.ec == std::errc() && static_cast<float>(value) != single) {
        value = std::nextafter(value, static_cast<double>(single));
    }
    return value;
}

struct Sizes {
    int rows = 0;
    int cols = 0;
    std::optional<long long> entries;  // none: a headerless file giving only the order, read to its end
};

// The largest n with n·n at most `elements`.
long long largestOrder(long long elements) {
    long long n = static_cast<long long>(std::sqrt(static_cast<double>(elements)));
    while (n * n > elements) --n;
    while ((n + 1) * (n + 1) <= elements) ++n;
    return n;
}

Sizes sizesFrom(std::string_view line, int number, bool coordinate, bool headerless, const MarketReadOptions& options) {
    const std::vector<std::string_view> words = wordsOf(line);
    Sizes sizes;
    long long rows = 0, cols = 0;
    if (headerless && words.size() == 1) {
        rows = cols = integerFrom(words[0], number, "the order");
    } else if (words.size() == (coordinate ? 3u : 2u)) {
        rows = integerFrom(words[0], number, "the row count");
        cols = integerFrom(words[1], number, "the column count");
        if (coordinate) sizes.entries = integerFrom(words[2], number, "the entry count");
    } else {
        throw MarketError(number, coordinate ? "expected the sizes line \"rows columns entries\""
                                             : "expected the sizes line \"rows columns\"");
    }
    if (rows < 1 || cols < 1) throw MarketError(number, "the sizes must be positive");
    if (options.square && rows != cols) {
        throw MarketError(number, "the matrix is " + std::to_string(rows) + " x " + std::to_string(cols) + ", not square");
    }
    if (rows > options.maxElements / cols) {
        throw MarketError(number, rows == cols ? "the order " + std::to_string(rows) + " is above the program's limit of " +
                                                     std::to_string(largestOrder(options.maxElements))
                                               : std::to_string(rows) + " x " + std::to_string(cols) +
                                                     " is above the program's limit of " +
                                                     std::to_string(options.maxElements) + " elements");
    }
    // Duplicates add up, so the count may exceed rows × cols.
    if (sizes.entries && *sizes.entries < 0) throw MarketError(number, "the entry count cannot be negative");
    sizes.rows = static_cast<int>(rows);
    sizes.cols = static_cast<int>(cols);
    return sizes;
}

// Stores a(i, j) (0-based) and its mirror image as the storage says;
// duplicate coordinates add up.
void store(MarketMatrix& m, MarketStorage storage, long long i, long long j, double value, int line) {
    if (storage == MarketStorage::SkewSymmetric && i == j) {
        throw MarketError(line, "a skew-symmetric matrix has no diagonal entries");
    }
    m.values[static_cast<std::size_t>(j) * m.rows + static_cast<std::size_t>(i)] += value;
    if (storage != MarketStorage::General && i != j) {
        const double mirrored = storage == MarketStorage::SkewSymmetric ? -value : value;
        m.values[static_cast<std::size_t>(i) * m.rows + static_cast<std::size_t>(j)] += mirrored;
    }
}

void readCoordinates(Lines& lines, MarketMatrix& m, const Header& header, const std::optional<long long>& entries) {
    const std::size_t expectedWords = header.field == Field::Pattern ? 2 : 3;
    long long count = 0;
    while (std::optional<std::string_view> line = lines.nextData()) {
        const int number = lines.number();
        if (entries && count == *entries) {
            throw MarketError(number, "more entries than the " + std::to_string(*entries) + " the sizes line gives");
        }
        const std::vector<std::string_view> words = wordsOf(*line);
        if (words.size() != expectedWords) {
            throw MarketError(number, header.field == Field::Pattern ? "expected an entry \"row column\""
                                                                      : "expected an entry \"row column value\"");
        }
        const long long i = integerFrom(words[0], number, "the row index");
        const long long j = integerFrom(words[1], number, "the column index");
        if (i < 1 || i > m.rows || j < 1 || j > m.cols) {
            throw MarketError(number, "index (" + std::to_string(i) + ", " + std::to_string(j) + ") is outside the " +
                                          std::to_string(m.rows) + " x " + std::to_string(m.cols) + " matrix");
        }
        const double value = header.field == Field::Pattern ? 1.0 : valueFrom(words[2], number, header.field == Field::Integer);
        store(m, header.storage, i - 1, j - 1, value, number);
        ++count;
    }
    if (entries && count < *entries) {
        throw MarketError(lines.number() + 1, "only " + std::to_string(count) + " of the " + std::to_string(*entries) +
                                                  " entries the sizes line gives");
    }
}

// Column by column; a symmetric array holds the lower triangle with the
// diagonal, a skew-symmetric one the strict lower triangle.
void readArray(Lines& lines, MarketMatrix& m, const Header& header) {
    for (int j = 0; j < m.cols; ++j) {
        const int first = header.storage == MarketStorage::General ? 0
                          : header.storage == MarketStorage::Symmetric ? j : j + 1;
        for (int i = first; i < m.rows; ++i) {
            const std::optional<std::string_view> line = lines.nextData();
            if (!line) {
                throw MarketError(lines.number() + 1, "too few values for the " + std::to_string(m.rows) + " x " +
                                                          std::to_string(m.cols) + " array");
            }
            const std::vector<std::string_view> words = wordsOf(*line);
            if (words.size() != 1) throw MarketError(lines.number(), "expected one value per line");
            store(m, header.storage, i, j, valueFrom(words[0], lines.number(), header.field == Field::Integer), lines.number());
        }
    }
    if (lines.nextData()) throw MarketError(lines.number(), "more values than the array holds");
}

}  // namespace

std::optional<MarketStorage> marketStorageNamed(std::string_view name) {
    const std::string word = lowered(name);
    if (word == "general") return MarketStorage::General;
    if (word == "symmetric") return MarketStorage::Symmetric;
    if (word == "skew-symmetric") return MarketStorage::SkewSymmetric;
    return std::nullopt;
}

bool hasMarketHeader(std::string_view text) {
    return lowered(withoutByteOrderMark(text).substr(0, 14)) == "%%matrixmarket";
}

MarketMatrix readMarketMatrix(std::string_view text, const MarketReadOptions& options) {
    if (startsWithUtf16ByteOrderMark(text)) {
        throw MarketError(1, "the file is UTF-16 text; save it as ASCII or UTF-8 text");
    }
    text = withoutByteOrderMark(text);
    Lines lines(text);
    const std::optional<std::string_view> first = lines.next();
    Header header;
    const bool hasHeader = hasMarketHeader(text);
    if (hasHeader) {
        header = headerFrom(*first, 1);
    } else if (options.headerless) {
        header.storage = *options.headerless;
        lines = Lines(text);  // the first line is data or a comment
    } else {
        throw MarketError(1, "no %%MatrixMarket header; a file without one is read only with --headerless "
                             "general|symmetric|skew-symmetric naming its storage");
    }
    const std::optional<std::string_view> sizesLine = lines.nextData();
    if (!sizesLine) throw MarketError(lines.number() + 1, "no sizes line");
    const Sizes sizes = sizesFrom(*sizesLine, lines.number(), header.form == Form::Coordinate, !hasHeader, options);
    if (header.storage != MarketStorage::General && sizes.rows != sizes.cols) {
        throw MarketError(lines.number(), "a symmetric or skew-symmetric matrix must be square");
    }
    MarketMatrix m;
    m.rows = sizes.rows;
    m.cols = sizes.cols;
    m.values.assign(static_cast<std::size_t>(m.rows) * m.cols, 0.0);
    if (header.form == Form::Coordinate) readCoordinates(lines, m, header, sizes.entries);
    else readArray(lines, m, header);
    return m;
}

}  // namespace corvane
