#include "problem/list_directed_input.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace corvane {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool endsValue(char c) { return isBlank(c) || c == ',' || c == '/' || c == '\n'; }

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

// Fortran real forms: [sign] digits [. digits] | [sign] . digits, followed by
// an optional exponent: a letter E, D or Q with an optional sign and digits,
// or a sign and digits alone. Rewritten as a C number and rounded once, to
// single precision.
bool convertReal(std::string_view token, float& value) {
    std::string number;
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) number += token[i++];
    std::size_t digits = 0;
    while (i < token.size() && isDigit(token[i])) { number += token[i++]; ++digits; }
    if (i < token.size() && token[i] == '.') {
        number += token[i++];
        while (i < token.size() && isDigit(token[i])) { number += token[i++]; ++digits; }
    }
    if (digits == 0) return false;
    if (i < token.size()) {
        char c = token[i];
        if (c == 'e' || c == 'E' || c == 'd' || c == 'D' || c == 'q' || c == 'Q') ++i;
        else if (c != '+' && c != '-') return false;
        number += 'e';
        if (i < token.size() && (token[i] == '+' || token[i] == '-')) number += token[i++];
        std::size_t exponentDigits = 0;
        while (i < token.size() && isDigit(token[i])) { number += token[i++]; ++exponentDigits; }
        if (exponentDigits == 0 || i != token.size()) return false;
    }
    errno = 0;
    char* end = nullptr;
    float result = std::strtof(number.c_str(), &end);
    if (end != number.c_str() + number.size() || !std::isfinite(result)) return false;
    value = result;
    return true;
}

bool convert(std::string_view token, const ReadTarget& target) {
    if (int* const* i = std::get_if<int*>(&target)) return convertInteger(token, **i);
    return convertReal(token, *std::get<float*>(target));
}

}  // namespace

std::size_t ListDirectedInput::lineEnd(std::size_t from) const {
    std::size_t end = text_.find('\n', from);
    return end == std::string_view::npos ? text_.size() : end;
}

std::size_t ListDirectedInput::afterLine(std::size_t from) const {
    std::size_t end = lineEnd(from);
    return end < text_.size() ? end + 1 : text_.size();
}

bool ListDirectedInput::readLine(std::size_t maxChars, std::string_view& line) {
    if (next_ >= text_.size()) return false;
    std::size_t end = lineEnd(next_);
    std::string_view whole = text_.substr(next_, end - next_);
    if (!whole.empty() && whole.back() == '\r') whole.remove_suffix(1);
    line = whole.substr(0, maxChars);
    next_ = afterLine(next_);
    return true;
}

ReadStatus ListDirectedInput::read(std::span<const ReadTarget> targets) {
    if (next_ >= text_.size()) return ReadStatus::EndOfFile;
    std::size_t pos = next_;
    std::size_t lastLine = next_;  // start of the line the read is on
    std::size_t item = 0;
    bool separated = true;  // a comma now would be a null value
    auto finish = [&](ReadStatus status) {
        next_ = status == ReadStatus::EndOfFile ? text_.size() : afterLine(lastLine);
        return status;
    };
    while (item < targets.size()) {
        // Skip blanks and line ends up to the next comma, slash or value.
        while (pos < text_.size() && (isBlank(text_[pos]) || text_[pos] == '\n')) {
            if (text_[pos] == '\n') lastLine = pos + 1;
            ++pos;
        }
        if (pos >= text_.size()) return finish(ReadStatus::EndOfFile);
        char c = text_[pos];
        if (c == '/') return finish(ReadStatus::Ok);
        if (c == ',') {
            ++pos;
            if (separated) ++item;  // null value: the item keeps its value
            separated = true;
            continue;
        }
        std::size_t start = pos;
        while (pos < text_.size() && !endsValue(text_[pos])) ++pos;
        std::string_view token = text_.substr(start, pos - start);
        separated = false;
        long long repeat = 1;
        std::size_t star = token.find('*');
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
                continue;
            }
        }
        while (repeat-- > 0 && item < targets.size()) {
            if (!convert(token, targets[item])) return finish(ReadStatus::BadValue);
            ++item;
        }
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
