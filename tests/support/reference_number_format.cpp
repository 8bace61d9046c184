// The straightforward field formatting that the report writer's fast path
// must reproduce: printf digits and an exact range test in quad precision.

#include "support/reference_number_format.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace corvane::testing {
namespace {

// Quad precision (113 bits): long double where it is that wide (64-bit ARM,
// WebAssembly), the compiler's __float128 elsewhere.
#if LDBL_MANT_DIG >= 113
using Quad = long double;
#else
using Quad = __float128;
#endif

void appendStars(std::string& out, int width) { out.append(static_cast<std::size_t>(width > 0 ? width : 0), '*'); }

void appendRightJustified(std::string& out, const char* text, int length, int width) {
    if (length > width) {
        appendStars(out, width);
        return;
    }
    out.append(static_cast<std::size_t>(width - length), ' ');
    out.append(text, static_cast<std::size_t>(length));
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

// Digits of |value| rounded to `significant` digits: fills `digits` (no point)
// and returns the decimal exponent of the first digit (value = 0.d1d2... * 10^(e+1)).
int roundedDigits(double magnitude, int significant, char* digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, magnitude);
    int count = 0;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') digits[count++] = *p;
    }
    digits[count] = '\0';
    return std::atoi(p + 1);
}

// True when 0.1 - 0.5*10^(-d-1) <= magnitude, evaluated exactly:
// 2*10^(d+1)*magnitude >= 2*10^d - 1. The product of a double and 2*10^(d+1)
// is exact in 113-bit quad precision for the field widths in use.
bool atLeastFixedLowerBound(double magnitude, int digits) {
    Quad scale = 2;
    Quad bound = 2;
    for (int i = 0; i < digits; ++i) {
        scale *= 10;
        bound *= 10;
    }
    scale *= 10;
    return static_cast<Quad>(magnitude) * scale >= bound - 1;
}

bool belowFixedUpperBound(double magnitude, int digits) {
    Quad bound = 2;
    for (int i = 0; i < digits; ++i) bound *= 10;
    return static_cast<Quad>(magnitude) * 2 < bound - 1;
}

void appendExponentDigits(char*& p, int exponent) {
    int magnitude = std::abs(exponent);
    if (magnitude <= 99) *p++ = 'E';
    *p++ = exponent < 0 ? '-' : '+';
    if (magnitude > 99) *p++ = static_cast<char>('0' + magnitude / 100);
    *p++ = static_cast<char>('0' + magnitude / 10 % 10);
    *p++ = static_cast<char>('0' + magnitude % 10);
}

void appendExponentField(std::string& out, double value, int width, int digits, int scale) {
    if (appendNonFinite(out, value, width)) return;
    const double magnitude = std::fabs(value);
    const int significant = scale == 1 ? digits + 1 : digits;
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

void appendGeneralField(std::string& out, double value, int width, int digits, int scale) {
    if (appendNonFinite(out, value, width)) return;
    const double magnitude = std::fabs(value);
    const bool fixed = magnitude == 0 || (atLeastFixedLowerBound(magnitude, digits) && belowFixedUpperBound(magnitude, digits));
    if (!fixed) {
        appendExponentField(out, value, width, digits, scale);
        return;
    }
    int integerDigits = 1;  // an exact zero is written as 0.000000
    if (magnitude != 0) {
        char mantissa[64];
        int exponent = roundedDigits(magnitude, digits, mantissa);
        integerDigits = exponent >= 0 ? exponent + 1 : 0;
    }
    char text[96];
    int length = std::snprintf(text, sizeof text, "%.*f", digits - integerDigits, magnitude);
    if (digits == integerDigits) text[length++] = '.';
    text[length] = '\0';
    char signed_text[97];
    int signedLength = 0;
    if (std::signbit(value)) signed_text[signedLength++] = '-';
    std::memcpy(signed_text + signedLength, text, static_cast<std::size_t>(length) + 1);
    signedLength += length;
    const int fieldWidth = width - 4;
    if (signedLength > fieldWidth && magnitude < 1 && text[0] == '0') {
        // Drop the optional leading zero before the decimal point.
        int zeroAt = std::signbit(value) ? 1 : 0;
        std::memmove(signed_text + zeroAt, signed_text + zeroAt + 1, static_cast<std::size_t>(signedLength - zeroAt));
        --signedLength;
    }
    if (signedLength > fieldWidth) {
        appendStars(out, width);
        return;
    }
    appendRightJustified(out, signed_text, signedLength, fieldWidth);
    out.append(4, ' ');
}


}  // namespace

std::string referenceExponentField(double value, int width, int digits, int scale) {
    std::string out;
    appendExponentField(out, value, width, digits, scale);
    return out;
}

std::string referenceGeneralField(double value, int width, int digits, int scale) {
    std::string out;
    appendGeneralField(out, value, width, digits, scale);
    return out;
}

}  // namespace corvane::testing
