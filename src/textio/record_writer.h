#pragma once
// Formatted and list-directed writes of report records.
//
// A formatted write takes a format list such as "(/, a, i3, a, 1pg15.7)" and
// items; the items a, /, \, :, iw, nx, tn, 1p, ew.d, gw.d, repeat counts and
// parenthesised groups are understood. Widths and counts that are known only
// at run time are put into the list with formatList(), e.g.
// formatList("(/, a, i<>)", width).

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "textio/record_sink.h"

namespace corvane {

using Item = std::variant<std::string_view, int, float, double>;

// Replaces each "<>" of the pattern by the next number, in order.
std::string formatList(std::string_view pattern, std::initializer_list<int> numbers);
template <typename... Ints>
std::string formatList(std::string_view pattern, Ints... numbers) {
    return formatList(pattern, std::initializer_list<int>{static_cast<int>(numbers)...});
}

class RecordWriter {
public:
    explicit RecordWriter(RecordSink& sink) : sink_(&sink) {}

    // Formatted write.
    void write(std::string_view format, std::span<const Item> items);
    void write(std::string_view format, std::initializer_list<Item> items = {}) {
        write(format, std::span<const Item>(items.begin(), items.size()));
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
    void closeOpenRecord();
    void endRecord();
    void putAt(std::string_view text);

    RecordSink* sink_;
    std::string record_;
    std::size_t column_ = 0;  // 0-based position in record_
    bool open_ = false;       // a record continues from an earlier write
};

}  // namespace corvane
