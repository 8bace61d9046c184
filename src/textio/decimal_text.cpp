#include "textio/decimal_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include <fmt/compile.h>

namespace corvane {
namespace {

// Reads back the digits of a text in fixed or exponent form (no sign): keeps
// the significant ones (no leading or trailing zeros) and returns the decimal
// exponent of the first.
int significantDigits(const char* text, const char* end, char* digits, int& count) {
    int beforePoint = 0;  // digits read before the point
    bool point = false;
    int leadingZeros = 0;
    count = 0;
    const char* p = text;
    for (; p < end && *p != 'e'; ++p) {
        if (*p == '.') {
            point = true;
            continue;
        }
        if (!point) ++beforePoint;
        if (count == 0 && *p == '0') {
            ++leadingZeros;
            continue;
        }
        digits[count++] = *p;
    }
    while (count > 0 && digits[count - 1] == '0') --count;
    digits[count] = '\0';
    int exponent = 0;
    if (p < end) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
    return beforePoint - 1 - leadingZeros + exponent;
}

void appendExponent(std::string& out, int exponent) {
    out += exponent < 0 ? "e-" : "e+";
    char text[8];
    out.append(text, fmt::format_to(text, FMT_COMPILE("{:02}"), std::abs(exponent)));
}

}  // namespace

int roundedDigits(double magnitude, int significant, char* digits) {
    char buffer[96];
    const char* end = fmt::format_to(buffer, FMT_COMPILE("{:.{}e}"), magnitude, significant - 1);
    const char* p = buffer;
    int count = 0;
    digits[count++] = *p++;
    if (*p == '.') {
        for (++p; *p != 'e'; ++p) digits[count++] = *p;
    }
    digits[count] = '\0';
    ++p;  // the 'e'
    const bool negative = *p++ == '-';
    int exponent = 0;
    for (; p < end; ++p) exponent = exponent * 10 + (*p - '0');
    return negative ? -exponent : exponent;
}

std::string shortestFloatText(float value) {
    if (std::isnan(value)) return "nan";
    std::string out = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) return out + "inf";
    const float magnitude = std::fabs(value);
    if (magnitude == 0) return out + "0";
    char text[64];
    const char* end = fmt::format_to(text, FMT_COMPILE("{}"), magnitude);
    char digits[64];
    int count = 0;
    const int exponent = significantDigits(text, end, digits, count);
    const int exponentForm = count + (count > 1 ? 1 : 0) + 2 + (std::abs(exponent) >= 100 ? 3 : 2);
    const int fixedForm = exponent >= count - 1 ? exponent + 1 : exponent >= 0 ? count + 1 : count + 1 - exponent;
    if (fixedForm > exponentForm) {
        out += digits[0];
        if (count > 1) out.append(".").append(digits + 1, static_cast<std::size_t>(count - 1));
        appendExponent(out, exponent);
    } else if (exponent >= count - 1) {  // a whole number: all its digits
        out.append(text, fmt::format_to(text, FMT_COMPILE("{:.0f}"), static_cast<double>(magnitude)));
    } else if (exponent >= 0) {
        out.append(digits, static_cast<std::size_t>(exponent + 1)).append(".");
        out.append(digits + exponent + 1, static_cast<std::size_t>(count - exponent - 1));
    } else {
        out.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits, static_cast<std::size_t>(count));
    }
    return out;
}

}  // namespace corvane
