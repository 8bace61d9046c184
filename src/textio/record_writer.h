#pragma once
// Formatted and list-directed writes of report records.
//
// A formatted write takes a format list such as "(/, a, i3, a, 1pg15.7)" and
// items; the items a, /, \, :, iw, nx, tn, 1p, ew.d, gw.d, repeat counts and
// parenthesised groups are understood. i0 writes an integer in WIDTH(value)
// characters, the width of its decimal form. A format list written in the
// code is checked when the program is compiled. Widths and counts that are
// known only at run time are put into a pattern with formatList(), e.g.
// formatList("(/, a, i<>)", width); its pattern is checked at compile time,
// the list it makes when it is written.

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "textio/record_sink.h"

namespace corvane {

using Item = std::variant<std::string_view, int, float, double>;

namespace format_syntax {

// The grammar of a format list, checked without building anything; with
// placeholders, "<>" stands wherever a number may.
class Checker {
public:
    constexpr Checker(std::string_view text, bool placeholders) : text_(text), placeholders_(placeholders) {}

    constexpr bool list() {
        skipBlanks();
        if (!take('(') || !items()) return false;
        skipBlanks();
        return pos_ == text_.size();
    }

private:
    constexpr bool items() {
        for (;;) {
            while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == ',')) ++pos_;
            if (pos_ >= text_.size()) return false;
            if (text_[pos_] == ')') {
                ++pos_;
                return true;
            }
            if (!item()) return false;
        }
    }

    constexpr bool item() {
        const char c = text_[pos_];
        if (c == '/' || c == '\\' || c == ':') {
            ++pos_;
            return true;
        }
        if (startsNumber() && !number()) return false;
        skipBlanks();
        if (pos_ >= text_.size()) return false;
        const char kind = lower(text_[pos_++]);
        switch (kind) {
            case '(': return items();
            case 'p':
            case 'x':
            case 'a': return true;
            case 't':
            case 'i': return number();
            case 'e':
            case 'g': return number() && take('.') && digitsOfAField();
            default: return false;
        }
    }

    constexpr bool digitsOfAField() { return number() && lastNumber_ <= 40; }  // the number fields' limit

    constexpr bool startsNumber() const {
        return isDigit(text_[pos_]) || (placeholders_ && text_.substr(pos_, 2) == "<>");
    }
    // A width, count or column: at most 1000000, as the writer takes them.
    constexpr bool number() {
        skipBlanks();
        lastNumber_ = 0;
        if (placeholders_ && text_.substr(pos_, 2) == "<>") {
            pos_ += 2;
            return true;
        }
        const std::size_t start = pos_;
        for (; pos_ < text_.size() && isDigit(text_[pos_]); ++pos_) {
            if (lastNumber_ > 100000) return false;
            lastNumber_ = lastNumber_ * 10 + (text_[pos_] - '0');
        }
        return pos_ > start;
    }
    constexpr bool take(char c) {
        skipBlanks();
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    constexpr void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }
    static constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static constexpr char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

    std::string_view text_;
    bool placeholders_;
    std::size_t pos_ = 0;
    int lastNumber_ = 0;
};

// Called only for a list that is not well formed: not a constant expression,
// so such a list written in the code does not compile.
inline void notAFormatList() {}

}  // namespace format_syntax

// A format list written in the code, checked at compile time; with
// placeholders, a formatList() pattern.
template <bool Placeholders>
class CheckedFormat {
public:
    template <std::size_t N>
    consteval CheckedFormat(const char (&text)[N]) : text_(text, N - 1) {  // NOLINT: literals convert
        if (!format_syntax::Checker(text_, Placeholders).list()) format_syntax::notAFormatList();
    }
    constexpr std::string_view text() const { return text_; }

private:
    std::string_view text_;
};
using FormatString = CheckedFormat<false>;
using FormatPattern = CheckedFormat<true>;

// A format list made at run time; a list that is not well formed throws
// std::logic_error when it is written.
struct RuntimeFormat {
    std::string text;
};

// Replaces each "<>" of the pattern by the next number, in order.
RuntimeFormat formatList(FormatPattern pattern, std::initializer_list<int> numbers);
template <typename... Ints>
RuntimeFormat formatList(FormatPattern pattern, Ints... numbers) {
    return formatList(pattern, std::initializer_list<int>{static_cast<int>(numbers)...});
}

class RecordWriter {
public:
    explicit RecordWriter(RecordSink& sink) : sink_(&sink) {}

    // Formatted write.
    void write(FormatString format, std::span<const Item> items) { writeFormatted(format.text(), items); }
    void write(FormatString format, std::initializer_list<Item> items = {}) {
        writeFormatted(format.text(), std::span<const Item>(items.begin(), items.size()));
    }
    void write(const RuntimeFormat& format, std::span<const Item> items) { writeFormatted(format.text, items); }
    void write(const RuntimeFormat& format, std::initializer_list<Item> items = {}) {
        writeFormatted(format.text, std::span<const Item>(items.begin(), items.size()));
    }

    // List-directed write.
    void writeList(std::span<const Item> items);
    void writeList(std::initializer_list<Item> items = {}) {
        writeList(std::span<const Item>(items.begin(), items.size()));
    }
    // List-directed write of a run of reals (a matrix row), stride apart in memory.
    void writeListReals(const float* values, int count, long stride = 1);

    // Ends a record left open by a trailing backslash, if any, and makes every
    // record reach the sink's medium (a failed write surfaces here at the
    // latest). The dispatcher calls it at the end of every run.
    void flush();

    RecordSink& sink() { return *sink_; }

private:
    friend class FormatRun;
    void writeFormatted(std::string_view format, std::span<const Item> items);
    void closeOpenRecord();
    void endRecord();
    void putAt(std::string_view text);

    RecordSink* sink_;
    std::string record_;
    std::size_t column_ = 0;  // 0-based position in record_
    bool open_ = false;       // a record continues from an earlier write
};

}  // namespace corvane
