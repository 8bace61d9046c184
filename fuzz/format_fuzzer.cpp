// Fuzzes the report writer: single number fields, formatted writes with any
// format list and items, and list-directed writes.
//
// Checked for every input: a field is exactly as wide as asked; it is either
// asterisks, an infinity or NaN text for a value that is not finite, or a
// number that reads back within the rounding of its significant digits;
// list-directed records begin with a blank and rows of reals keep within 80
// columns. A malformed format list or an item of the wrong type is a
// programming error reported as std::logic_error, never a crash.

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "textio/number_format.h"
#include "textio/record_writer.h"

namespace corvane {
namespace {

constexpr int kMaxWidth = 40;
constexpr int kMaxDigits = 30;
// Repeat counts, widths and columns of a fuzzed format list multiply to at
// most this, so that one write stays small.
constexpr double kMaxFormatWork = 1e4;

void require(bool condition, const char* what, const std::string& detail = "") {
    if (condition) return;
    std::fprintf(stderr, "format fuzzer: %s: \"%s\"\n", what, detail.c_str());
    std::abort();
}

std::string trimmedBlanks(const std::string& field) {
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return field.substr(first, field.find_last_not_of(' ') - first + 1);
}

bool allStars(const std::string& field) { return field.find_first_not_of('*') == std::string::npos; }

// A real field shows `value` to within half a unit of its last digit; with d
// significant digits that is at most 6 * 10^(1-d) of the value (the fixed form
// of values between 0.1 and 1 has one digit fewer than d).
void checkRealField(const std::string& field, float value, int width, int digits) {
    require(static_cast<int>(field.size()) == width, "real field of the wrong width", field);
    if (allStars(field)) return;
    const std::string text = trimmedBlanks(field);
    if (!std::isfinite(value)) {
        require(text == "NaN" || text == "Inf" || text == "Infinity" || text == "-Inf" || text == "-Infinity",
                "non-finite value written as a number", field);
        return;
    }
    if (digits < 1) return;  // no digits after the point: only the width is defined
    if (text == "." || text == "-.") {  // zero in a fixed field with room for the point alone
        require(value == 0, "a point alone for a value other than zero", field);
        return;
    }
    char* end = nullptr;
    const double shown = std::strtod(text.c_str(), &end);
    require(!text.empty() && end == text.c_str() + text.size(), "real field is not a number", field);
    require(std::signbit(shown) == std::signbit(static_cast<double>(value)) || shown == 0, "sign lost", field);
    const double tolerance = 6 * std::pow(10.0, 1 - digits) * std::fabs(static_cast<double>(value));
    require(std::fabs(shown - value) <= tolerance, "real field does not show the value", field);
}

void fuzzOneField(FuzzedDataProvider& input) {
    const float value = std::bit_cast<float>(input.ConsumeIntegral<std::uint32_t>());
    const int width = input.ConsumeIntegralInRange(0, kMaxWidth);
    const int digits = input.ConsumeIntegralInRange(0, kMaxDigits);
    const int scale = input.ConsumeBool() ? 1 : 0;
    switch (input.ConsumeIntegralInRange(0, 2)) {
        case 0: {
            const int integer = std::bit_cast<int>(std::bit_cast<std::uint32_t>(value));
            const std::string field = integerField(integer, width);
            require(static_cast<int>(field.size()) == width, "integer field of the wrong width", field);
            if (!allStars(field)) require(std::stoll(field) == integer, "integer field does not show the value", field);
            break;
        }
        case 1: checkRealField(exponentField(value, width, digits, scale), value, width, digits); break;
        default: checkRealField(generalField(value, width, digits, scale), value, width, digits); break;
    }
}

std::vector<Item> consumeItems(FuzzedDataProvider& input, std::vector<std::string>& texts) {
    std::vector<Item> items;
    const int count = input.ConsumeIntegralInRange(0, 8);
    texts.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        switch (input.ConsumeIntegralInRange(0, 3)) {
            case 0: texts.push_back(input.ConsumeRandomLengthString(24)); items.emplace_back(std::string_view(texts.back())); break;
            case 1: items.emplace_back(input.ConsumeIntegral<int>()); break;
            case 2: items.emplace_back(std::bit_cast<float>(input.ConsumeIntegral<std::uint32_t>())); break;
            default: items.emplace_back(std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>())); break;
        }
    }
    return items;
}

// The product of every number in the list bounds the repeats, widths and
// columns of any nesting of them.
bool formatWorkIsSmall(const std::string& format) {
    double work = 1;
    for (std::size_t i = 0; i < format.size();) {
        if (format[i] < '0' || format[i] > '9') {
            ++i;
            continue;
        }
        double number = 0;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') number = number * 10 + (format[i++] - '0');
        work *= number > 1 ? number : 1;
        if (work > kMaxFormatWork) return false;
    }
    return true;
}

bool fuzzFormattedWrite(FuzzedDataProvider& input) {
    const std::string format = input.ConsumeRandomLengthString(64);
    if (!formatWorkIsSmall(format)) return false;
    std::vector<std::string> texts;
    const std::vector<Item> items = consumeItems(input, texts);
    StringSink sink;
    RecordWriter writer(sink);
    try {
        writer.write(format, items);
        writer.write(format, items);
        writer.flush();
    } catch (const std::logic_error&) {
        // a malformed list or an item of the wrong type: a programming error
    }
    return true;
}

class RecordList : public RecordSink {
public:
    void writeRecord(std::string_view record) override { records.emplace_back(record); }
    std::vector<std::string> records;
};

void checkListRecords(const RecordList& sink, bool numbersOnly) {
    for (const std::string& record : sink.records) {
        require(record.empty() || record[0] == ' ', "list-directed record without its leading blank", record);
        if (numbersOnly) require(record.size() <= 80, "list-directed record beyond column 80", record);
    }
}

void fuzzListWrite(FuzzedDataProvider& input) {
    std::vector<std::string> texts;
    const std::vector<Item> items = consumeItems(input, texts);
    RecordList list;
    RecordWriter(list).writeList(items);
    checkListRecords(list, texts.empty());

    std::vector<float> row;
    const int count = input.ConsumeIntegralInRange(0, 12);
    for (int k = 0; k < count; ++k) row.push_back(std::bit_cast<float>(input.ConsumeIntegral<std::uint32_t>()));
    RecordList rows;
    RecordWriter(rows).writeListReals(row.data(), count);
    checkListRecords(rows, true);
}

}  // namespace
}  // namespace corvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange(0, 2)) {
        case 0: fuzzOneField(input); return 0;
        case 1: return fuzzFormattedWrite(input) ? 0 : -1;
        default: fuzzListWrite(input); return 0;
    }
}
