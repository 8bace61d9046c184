#include "textio/list_directed_input.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "textio/decimal_reading.h"

namespace corvane {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Characters that end a value: blanks, line ends, commas and slashes.
constexpr auto kEndsValue = [] {
    std::array<bool, 256> table{};
    for (unsigned char c : {' ', '\t', '\r', '\n', ',', '/'}) table[c] = true;
    return table;
}();
bool endsValue(char c) { return kEndsValue[static_cast<unsigned char>(c)]; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool convertInteger(std::string_view token, int& value) {
    if (token.empty()) return false;
    std::size_t start = token[0] == '+' || token[0] == '-' ? 1 : 0;
    if (start == token.size()) return false;
    for (std::size_t i = start; i < token.size(); ++i) {
        if (!isDigit(token[i])) return false;
    }
    long long result = 0;
    for (std::size_t i = start; i < token.size(); ++i) {
        result = result * 10 + (token[i] - '0');
        if (result > 2147483648LL) return false;
    }
    if (token[0] == '-') result = -result;
    if (result > 2147483647LL) return false;
    value = static_cast<int>(result);
    return true;
}

bool isExponentLetter(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D' || c == 'q' || c == 'Q'; }

// Converts a number in C form (the syntax checked already), correctly rounded
// to single precision. A value too small for single precision becomes 0; one
// too large is refused.
bool convertCNumber(const char* begin, const char* end, float& value) {
    float result = 0;
    const std::from_chars_result converted = readDecimal(begin, end, result);
    const bool rounded = converted.ec == std::errc{} || converted.ec == std::errc::result_out_of_range;
    if (!rounded || converted.ptr != end || !std::isfinite(result)) return false;
    value = result;
    return true;
}

// Fortran real forms: [sign] digits [. digits] | [sign] . digits, followed by
// an optional exponent: a letter E, D or Q with an optional sign and digits,
// or a sign and digits alone. Rounded once, to single precision. Numbers in C
// form are converted where they stand; the others are rewritten first.
bool convertReal(std::string_view token, float& value) {
    const std::size_t size = token.size();
    // Most numbers are C numbers: converted at once when the conversion takes
    // the whole token, else checked and rewritten below. Of the forms
    // readDecimal reads, only "inf" and "nan" are no Fortran numbers, and
    // they are refused as not finite.
    float result = 0;
    const std::from_chars_result converted = readDecimal(token.data(), token.data() + size, result);
    if (converted.ec == std::errc{} && converted.ptr == token.data() + size) {
        if (!std::isfinite(result)) return false;
        value = result;
        return true;
    }
    std::size_t i = 0;
    if (i < size && (token[i] == '+' || token[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < size && isDigit(token[i])) { ++i; ++digits; }
    if (i < size && token[i] == '.') {
        ++i;
        while (i < size && isDigit(token[i])) { ++i; ++digits; }
    }
    if (digits == 0) return false;
    const std::size_t exponentAt = i;
    if (i < size) {
        if (isExponentLetter(token[i])) ++i;
        else if (token[i] != '+' && token[i] != '-') return false;
        if (i < size && (token[i] == '+' || token[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < size && isDigit(token[i])) { ++i; ++exponentDigits; }
        if (exponentDigits == 0 || i != size) return false;
    }
    const bool cForm = token[0] != '+' && (exponentAt == size || token[exponentAt] == 'e' || token[exponentAt] == 'E');
    if (cForm) return convertCNumber(token.data(), token.data() + size, value);
    std::string number;
    number.reserve(size + 1);
    number.append(token.substr(token[0] == '+' ? 1 : 0, exponentAt - (token[0] == '+' ? 1 : 0)));
    if (exponentAt < size) {
        number += 'e';
        number.append(token.substr(isExponentLetter(token[exponentAt]) ? exponentAt + 1 : exponentAt));
    }
    return convertCNumber(number.data(), number.data() + number.size(), value);
}

bool convert(std::string_view token, const ReadTarget& target) {
    if (int* const* i = std::get_if<int*>(&target)) return convertInteger(token, **i);
    return convertReal(token, *std::get<float*>(target));
}

}  // namespace

bool ListDirectedInput::takeMore(std::size_t pos) {
    while (source_ != nullptr && !sourceEnded_ && pos >= text_.size()) {
        const std::size_t before = window_.size();
        source_->appendNext(window_, pieceSize_);
        if (window_.size() == before) {
            sourceEnded_ = true;
        } else {
            lastByte_ = window_.back();
        }
        text_ = window_;
    }
    return pos < text_.size();
}

void ListDirectedInput::dropReadLines() {
    if (source_ == nullptr || next_ < pieceSize_) return;
    window_.erase(0, next_);
    base_ += next_;
    next_ = 0;
    text_ = window_;
}

std::size_t ListDirectedInput::lineEnd(std::size_t from) {
    for (std::size_t searched = from;;) {
        const std::size_t end = text_.find('\n', searched);
        if (end != std::string_view::npos) return end;
        searched = text_.size();
        if (!takeMore(searched)) return searched;
    }
}

std::size_t ListDirectedInput::afterLine(std::size_t from) {
    std::size_t end = lineEnd(from);
    return end < text_.size() ? end + 1 : text_.size();
}

std::string_view ListDirectedInput::lastLine() const {
    if (lastStop_ == std::string_view::npos) return {};
    const std::size_t start = lastStop_ == 0 ? 0 : text_.rfind('\n', lastStop_ - 1) + 1;
    const std::size_t end = std::min(text_.find('\n', lastStop_), text_.size());
    return text_.substr(start, end - start);
}

bool ListDirectedInput::endedInsideLine() { return !available(next_) && base_ + next_ > 0 && lastByte_ != '\n'; }

bool ListDirectedInput::readLine(std::size_t maxChars, std::string_view& line) {
    lastStop_ = std::string_view::npos;
    dropReadLines();
    if (!available(next_)) return false;
    std::size_t end = lineEnd(next_);
    std::string_view whole = text_.substr(next_, end - next_);
    if (!whole.empty() && whole.back() == '\r') whole.remove_suffix(1);
    line = whole.substr(0, maxChars);
    next_ = afterLine(next_);
    return true;
}

bool ListDirectedInput::takeRealAt(std::size_t& pos, float& value) {
    const char* begin = text_.data() + pos;
    const char* limit = text_.data() + text_.size();
    float result = 0;
    const std::from_chars_result converted = readDecimal(begin, limit, result);
    if (converted.ec != std::errc{} || !std::isfinite(result)) return false;
    const std::size_t after = static_cast<std::size_t>(converted.ptr - text_.data());
    // The number must be the whole value: followed by what ends a value, or
    // by the end of the whole text (a piece may end inside a number).
    const bool whole = after < text_.size() ? endsValue(text_[after]) : source_ == nullptr;
    if (!whole) return false;
    value = result;
    pos = after;
    return true;
}

ReadStatus ListDirectedInput::read(std::span<const ReadTarget> targets) {
    dropReadLines();
    if (!available(next_)) return ReadStatus::EndOfFile;
    std::size_t pos = next_;
    std::size_t item = 0;
    bool separated = true;  // a comma now would be a null value
    // Just after the last value (or null value) this read took; npos while
    // it has taken none.
    std::size_t afterTaken = std::string_view::npos;
    // No line end lies between the start of the current line and pos, so the
    // line that the read ends on is the one holding pos. A read that meets
    // the end of the text leaves the text at the line after the last one it
    // took a value from (where it started, when it took none), not after the
    // blank lines that end the text.
    auto finish = [&](ReadStatus status) {
        if (status != ReadStatus::EndOfFile) next_ = afterLine(pos);
        else if (afterTaken != std::string_view::npos) next_ = afterLine(afterTaken);
        lastStop_ = status == ReadStatus::EndOfFile ? std::string_view::npos : pos;
        return status;
    };
    while (item < targets.size()) {
        // Skip blanks and line ends up to the next comma, slash or value.
        while (available(pos) && (isBlank(text_[pos]) || text_[pos] == '\n')) ++pos;
        if (!available(pos)) return finish(ReadStatus::EndOfFile);
        char c = text_[pos];
        if (c == '/') return finish(ReadStatus::Ok);
        if (c == ',') {
            ++pos;
            if (separated) {  // null value: the item keeps its value
                ++item;
                afterTaken = pos;
            }
            separated = true;
            continue;
        }
        if (float* const* real = std::get_if<float*>(&targets[item]); real != nullptr && takeRealAt(pos, **real)) {
            ++item;
            afterTaken = pos;
            separated = false;
            continue;
        }
        std::size_t start = pos;
        std::size_t star = std::string_view::npos;
        for (; available(pos) && !endsValue(text_[pos]); ++pos) {
            if (text_[pos] == '*' && star == std::string_view::npos) star = pos - start;
        }
        std::string_view token = text_.substr(start, pos - start);
        separated = false;
        long long repeat = 1;
        if (star != std::string_view::npos) {
            std::string_view count = token.substr(0, star);
            if (count.empty()) return finish(ReadStatus::BadValue);
            repeat = 0;
            for (char d : count) {
                if (!isDigit(d)) return finish(ReadStatus::BadValue);
                repeat = std::min<long long>(repeat * 10 + (d - '0'), 1LL << 40);
            }
            if (repeat == 0) return finish(ReadStatus::BadValue);
            token = token.substr(star + 1);
            if (token.empty()) {  // r*: r null values
                item += static_cast<std::size_t>(std::min<long long>(repeat, static_cast<long long>(targets.size() - item)));
                afterTaken = pos;
                continue;
            }
        }
        while (repeat-- > 0 && item < targets.size()) {
            if (!convert(token, targets[item])) return finish(ReadStatus::BadValue);
            ++item;
        }
        afterTaken = pos;
    }
    return finish(ReadStatus::Ok);
}

namespace {

// One read of a single item; a null value or an early slash leaves the item
// without a value, which counts as a failure here.
template <typename T>
bool parseSingleValue(std::string_view text, T& value) {
    T result{};
    T* target = &result;
    ListDirectedInput input(text);
    if (input.read({target}) != ReadStatus::Ok) return false;
    std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || text[first] == ',' || text[first] == '/') return false;
    value = result;
    return true;
}

}  // namespace

bool parseListDirectedValue(std::string_view text, int& value) { return parseSingleValue(text, value); }
bool parseListDirectedValue(std::string_view text, float& value) { return parseSingleValue(text, value); }

}  // namespace corvane
