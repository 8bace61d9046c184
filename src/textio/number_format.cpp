#include "textio/number_format.h"

#include "textio/decimal_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace corvane {
namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14,
                                   1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

void appendStars(std::string& out, int width) { out.append(static_cast<std::size_t>(width > 0 ? width : 0), '*'); }

// Appends `text` right-justified in `width` columns and then `trailing`
// blanks, as one piece.
void appendJustified(std::string& out, const char* text, int length, int width, int trailing) {
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(width + trailing), ' ');
    std::memcpy(&out[at + static_cast<std::size_t>(width - length)], text, static_cast<std::size_t>(length));
}

void appendRightJustified(std::string& out, const char* text, int length, int width) {
    if (length > width) {
        appendStars(out, width);
        return;
    }
    appendJustified(out, text, length, width, 0);
}

// Infinities and NaNs, written the way the usual Fortran runtimes do:
// "Infinity" (or "Inf" when the field is narrow) and "NaN", right-justified.
bool appendNonFinite(std::string& out, double value, int width) {
    if (std::isfinite(value)) return false;
    const char* text = nullptr;
    if (std::isnan(value)) {
        text = "NaN";
    } else if (value > 0) {
        text = width >= 8 ? "Infinity" : "Inf";
    } else {
        text = width >= 9 ? "-Infinity" : "-Inf";
    }
    appendRightJustified(out, text, static_cast<int>(std::strlen(text)), width);
    return true;
}

// The same digits without a conversion routine, for a magnitude that is a
// single-precision value with 0.09 <= magnitude < 10^digits and digits <= 8:
// scaled by the power of ten that puts d digits before the point, such a
// value stays exact in double precision (24 + 19 significant bits at most),
// and rounding it to an integer (to nearest, ties to even) rounds the exact
// value. Returns false when these conditions do not hold.
bool roundedSingleDigits(double magnitude, int significant, char* digits, int& exponent) {
    if (significant > 8 || static_cast<double>(static_cast<float>(magnitude)) != magnitude) return false;
    // Decimal exponent e of the magnitude, 10^e <= magnitude < 10^(e+1). The
    // double nearest 0.1 exceeds 0.1 by less than any gap between floats, so
    // comparing a float with it is comparing with 0.1 itself.
    int e = -2;
    if (magnitude >= 0.1) {
        e = -1;
        while (e + 1 < significant && magnitude >= kPowersOfTen[e + 1]) ++e;
    }
    const double scaled = magnitude * kPowersOfTen[significant - 1 - e];
    auto rounded = static_cast<std::uint32_t>(std::nearbyint(scaled));
    if (rounded >= static_cast<std::uint32_t>(kPowersOfTen[significant])) {
        // Rounded up to the next power of ten.
        rounded /= 10;
        ++e;
    }
    for (int k = significant - 1; k >= 0; --k) {
        digits[k] = static_cast<char>('0' + rounded % 10);
        rounded /= 10;
    }
    digits[significant] = '\0';
    exponent = e;
    return true;
}

void appendExponentDigits(char*& p, int exponent) {
    int magnitude = std::abs(exponent);
    if (magnitude <= 99) *p++ = 'E';
    *p++ = exponent < 0 ? '-' : '+';
    if (magnitude > 99) *p++ = static_cast<char>('0' + magnitude / 100);
    *p++ = static_cast<char>('0' + magnitude / 10 % 10);
    *p++ = static_cast<char>('0' + magnitude % 10);
}

}  // namespace

void appendIntegerField(std::string& out, long long value, int width) {
    char buffer[32];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    appendRightJustified(out, buffer, static_cast<int>(end - buffer), width);
}

void appendExponentField(std::string& out, double value, int width, int digits, int scale) {
    if (appendNonFinite(out, value, width)) return;
    const double magnitude = std::fabs(value);
    const int significant = scale == 1 ? digits + 1 : digits;
    if (significant < 1 || digits < 0) {  // no significant digit to show: the value does not fit
        appendStars(out, width);
        return;
    }
    char mantissa[64];
    int exponent = 0;
    if (magnitude == 0) {
        std::memset(mantissa, '0', static_cast<std::size_t>(significant));
        mantissa[significant] = '\0';
    } else {
        exponent = roundedDigits(magnitude, significant, mantissa);
        if (scale != 1) exponent += 1;
    }
    char text[96];
    char* p = text;
    if (std::signbit(value)) *p++ = '-';
    char* leadingZero = nullptr;
    if (scale == 1) {
        *p++ = mantissa[0];
        *p++ = '.';
        std::memcpy(p, mantissa + 1, static_cast<std::size_t>(digits));
        p += digits;
    } else {
        leadingZero = p;
        *p++ = '0';
        *p++ = '.';
        std::memcpy(p, mantissa, static_cast<std::size_t>(digits));
        p += digits;
    }
    appendExponentDigits(p, exponent);
    int length = static_cast<int>(p - text);
    if (length > width && leadingZero != nullptr) {
        std::memmove(leadingZero, leadingZero + 1, static_cast<std::size_t>(p - leadingZero - 1));
        --length;
    }
    appendRightJustified(out, text, length, width);
}

// The fixed form is chosen when 0.1 - 0.5*10^(-d-1) <= magnitude < 10^d - 0.5,
// that is when the magnitude rounded to d significant digits lies in
// [0.1, 10^d): its first digit stands at 10^-1 .. 10^(d-1). (The lower bound is
// never a binary number, so it cannot be a tie; the upper bound 10^d - 0.5 is
// one, and it rounds up to 10^d, out of the range, as the strict bound wants.)
// Magnitudes clearly inside or outside the range are told apart without
// rounding, so that the digits are generated once.
void appendGeneralField(std::string& out, double value, int width, int digits, int scale) {
    if (appendNonFinite(out, value, width)) return;
    if (digits < 1) {  // no significant digit to show: the value does not fit
        appendStars(out, width);
        return;
    }
    const double magnitude = std::fabs(value);
    const double top = digits >= 0 && digits < static_cast<int>(std::size(kPowersOfTen)) ? kPowersOfTen[digits] : HUGE_VAL;
    if (magnitude != 0 && (magnitude < 0.09 || magnitude >= top)) {
        appendExponentField(out, value, width, digits, scale);
        return;
    }
    char mantissa[64];
    int exponent = 0;
    if (magnitude != 0 && !roundedSingleDigits(magnitude, digits, mantissa, exponent)) {
        exponent = roundedDigits(magnitude, digits, mantissa);
    }
    const bool fixed = magnitude == 0 || (exponent >= -1 && exponent < digits);
    if (!fixed) {
        appendExponentField(out, value, width, digits, scale);
        return;
    }
    // d significant digits with the point after the integer digits; an exact
    // zero is written as 0. and d-1 zeros.
    char text[96];
    int length = 0;
    if (std::signbit(value)) text[length++] = '-';
    const int leadingZeroAt = length;
    bool leadingZero = false;
    if (magnitude == 0) {
        text[length++] = '0';
        text[length++] = '.';
        std::memset(text + length, '0', static_cast<std::size_t>(digits - 1));
        length += digits - 1;
        leadingZero = true;
    } else if (exponent < 0) {
        text[length++] = '0';
        text[length++] = '.';
        std::memcpy(text + length, mantissa, static_cast<std::size_t>(digits));
        length += digits;
        leadingZero = true;
    } else {
        const int integerDigits = exponent + 1;
        std::memcpy(text + length, mantissa, static_cast<std::size_t>(integerDigits));
        length += integerDigits;
        text[length++] = '.';
        std::memcpy(text + length, mantissa + integerDigits, static_cast<std::size_t>(digits - integerDigits));
        length += digits - integerDigits;
    }
    const int fieldWidth = width - 4;
    if (length > fieldWidth && leadingZero) {
        // Drop the optional leading zero before the decimal point.
        std::memmove(text + leadingZeroAt, text + leadingZeroAt + 1, static_cast<std::size_t>(length - leadingZeroAt - 1));
        --length;
    }
    if (length > fieldWidth) {
        appendStars(out, width);
        return;
    }
    appendJustified(out, text, length, fieldWidth, 4);
}

int WIDTH(int k) {
    if (k == 0) return 1;
    float magnitude = std::fabs(static_cast<float>(k));
    int width = static_cast<int>(std::log10(magnitude) + 1.0f);
    return k < 0 ? width + 1 : width;
}

std::string integerField(long long value, int width) {
    std::string out;
    appendIntegerField(out, value, width);
    return out;
}

std::string exponentField(double value, int width, int digits, int scale) {
    std::string out;
    appendExponentField(out, value, width, digits, scale);
    return out;
}

std::string generalField(double value, int width, int digits, int scale) {
    std::string out;
    appendGeneralField(out, value, width, digits, scale);
    return out;
}

}  // namespace corvane
