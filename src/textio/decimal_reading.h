#pragma once
// Decimal numbers read into float and double: correctly rounded, with a '.'
// whatever the locale, and the same on every platform and C++ library (some
// have no std::from_chars for floating point).

#include <charconv>

namespace corvane {

// Reads a number in C form at the start of [first, last) as std::from_chars
// does with chars_format::general: an optional '-', digits with an optional
// point and exponent, or "inf", "infinity", "nan"; no blank or '+' before it.
// A number beyond the type's range gives std::errc::result_out_of_range and,
// unlike std::from_chars, the value rounding gives it: +-0 below the range
// (the smallest subnormal), +-infinity above it.
std::from_chars_result readDecimal(const char* first, const char* last, float& value);
std::from_chars_result readDecimal(const char* first, const char* last, double& value);

}  // namespace corvane
