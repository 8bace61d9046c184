#include "textio/decimal_reading.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>

namespace corvane {
namespace {

// fast_float rounds a number beyond the range to 0 or an infinity and tells
// nothing; the range error is told here, as std::from_chars tells it.
template <typename T>
std::from_chars_result read(const char* first, const char* last, T& value) {
    T result = 0;
    const fast_float::from_chars_result read = fast_float::from_chars(first, last, result);
    if (read.ec != std::errc()) return {read.ptr, read.ec};
    value = result;
    const char* digits = first + (*first == '-' ? 1 : 0);
    const bool infinityText = *digits == 'i' || *digits == 'I';
    const char* mantissaEnd = std::find_if(digits, read.ptr, [](char c) { return c == 'e' || c == 'E'; });
    const bool nonzeroText = std::any_of(digits, mantissaEnd, [](char c) { return c >= '1' && c <= '9'; });
    const bool outOfRange = (std::isinf(result) && !infinityText) || (result == 0 && nonzeroText);
    return {read.ptr, outOfRange ? std::errc::result_out_of_range : std::errc()};
}

}  // namespace

std::from_chars_result readDecimal(const char* first, const char* last, float& value) {
    return read(first, last, value);
}

std::from_chars_result readDecimal(const char* first, const char* last, double& value) {
    return read(first, last, value);
}

}  // namespace corvane
