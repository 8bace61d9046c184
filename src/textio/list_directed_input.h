#pragma once
// Free-format (list-directed) reading of numbers from a text, record by record.
//
// Each read starts at the beginning of a new line and takes values across as
// many lines as it needs; whatever follows its last value on that line is
// ignored. Values are separated by blanks, commas or line ends; r*v stands for
// r copies of v, r* and an empty field between two commas for null values that
// leave their item unchanged, and a slash ends the read early. Numbers must be
// finite single-precision reals or 32-bit integers.
//
// The text is either given whole or taken piece by piece from a TextSource, so
// that a large data file never needs to be held in memory at once: only the
// lines from the start of the current read onwards are kept.

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace corvane {

using ReadTarget = std::variant<int*, float*>;

enum class ReadStatus {
    Ok,          // every item was given a value, or a slash ended the read
    EndOfFile,   // the text ended first; the items read before keep their values
    BadValue,    // a value could not be converted to its item's type
};

// The pieces of a text, in order.
class TextSource {
public:
    virtual ~TextSource() = default;
    // Appends the next piece (at most `limit` bytes) to `text`; appends
    // nothing at the end of the text. Throws TextSourceError when the text
    // cannot be read.
    virtual void appendNext(std::string& text, std::size_t limit) = 0;
};

class TextSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ListDirectedInput {
public:
    explicit ListDirectedInput(std::string_view text) : text_(text), lastByte_(text.empty() ? '\n' : text.back()) {}
    // Takes the text from `source`, `pieceSize` bytes at a time; the source
    // must outlive the input.
    explicit ListDirectedInput(TextSource& source, std::size_t pieceSize = kPieceSize)
        : source_(&source), pieceSize_(pieceSize) {}

    // One read of the given items.
    ReadStatus read(std::span<const ReadTarget> targets);
    ReadStatus read(std::initializer_list<ReadTarget> targets) {
        return read(std::span<const ReadTarget>(targets.begin(), targets.size()));
    }

    // Reads the next line as text, at most maxChars characters of it.
    // Returns false at the end of the text.
    bool readLine(std::size_t maxChars, std::string_view& line);

    // The line on which the last read of items ended, without its line end;
    // empty when that read met the end of the text. Valid until the next read.
    std::string_view lastLine() const;

    // Byte offset of the line after the last line a read took anything from.
    std::size_t position() const { return base_ + next_; }
    // The reads took the text to its end, and its last line had no line end.
    bool endedInsideLine();

private:
    static constexpr std::size_t kPieceSize = 1 << 18;

    // Whether text_[pos] exists, taking more text from the source if needed.
    bool available(std::size_t pos) { return pos < text_.size() || takeMore(pos); }
    bool takeMore(std::size_t pos);
    // Drops the lines before next_ that no read will look at again.
    void dropReadLines();
    // Takes a number in C form standing alone at pos, the common case; false
    // (pos unchanged) for anything else, which the full syntax then decides.
    bool takeRealAt(std::size_t& pos, float& value);
    std::size_t lineEnd(std::size_t from);
    std::size_t afterLine(std::size_t from);

    std::string_view text_;  // the text, or the part of it held in window_
    std::size_t next_ = 0;   // start of the next unread line, in text_
    TextSource* source_ = nullptr;
    std::size_t pieceSize_ = kPieceSize;
    std::string window_;     // the text from the source not yet dropped
    std::size_t base_ = 0;   // offset in the whole text of text_[0]
    bool sourceEnded_ = false;
    char lastByte_ = '\n';  // the last byte of the text taken so far
    std::size_t lastStop_ = std::string_view::npos;  // where the last read stopped, in text_
};

// Converts one number, as a single-value read of the text would.
bool parseListDirectedValue(std::string_view text, int& value);
bool parseListDirectedValue(std::string_view text, float& value);

}  // namespace corvane
