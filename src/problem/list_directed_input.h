#pragma once
// Free-format (list-directed) reading of numbers from a text, record by record.
//
// Each read starts at the beginning of a new line and takes values across as
// many lines as it needs; whatever follows its last value on that line is
// ignored. Values are separated by blanks, commas or line ends; r*v stands for
// r copies of v, r* and an empty field between two commas for null values that
// leave their item unchanged, and a slash ends the read early. Numbers must be
// finite single-precision reals or 32-bit integers.

#include <cstddef>
#include <span>
#include <string_view>
#include <variant>

namespace corvane {

using ReadTarget = std::variant<int*, float*>;

enum class ReadStatus {
    Ok,          // every item was given a value, or a slash ended the read
    EndOfFile,   // the text ended first; the items read before keep their values
    BadValue,    // a value could not be converted to its item's type
};

class ListDirectedInput {
public:
    explicit ListDirectedInput(std::string_view text) : text_(text) {}

    // One read of the given items.
    ReadStatus read(std::span<const ReadTarget> targets);
    ReadStatus read(std::initializer_list<ReadTarget> targets) {
        return read(std::span<const ReadTarget>(targets.begin(), targets.size()));
    }

    // Reads the next line as text, at most maxChars characters of it.
    // Returns false at the end of the text.
    bool readLine(std::size_t maxChars, std::string_view& line);

    // Byte offset of the line after the last line a read took anything from.
    std::size_t position() const { return next_; }
    bool atEnd() const { return next_ >= text_.size(); }

private:
    std::size_t lineEnd(std::size_t from) const;
    std::size_t afterLine(std::size_t from) const;

    std::string_view text_;
    std::size_t next_ = 0;  // start of the next unread line
};

// Converts one number, as a single-value read of the text would.
bool parseListDirectedValue(std::string_view text, int& value);
bool parseListDirectedValue(std::string_view text, float& value);

}  // namespace corvane
