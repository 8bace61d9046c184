#pragma once
// Decimal digits of binary floating-point numbers, made the same way on every
// target: rounded to a given number of significant digits, or the shortest
// text that reads back as the same float.

#include <string>

namespace corvane {

// Digits of `magnitude` (finite, > 0) rounded to `significant` digits (1 to
// 40), to nearest with ties to the even digit, on the exact binary value:
// fills `digits` with them (no point, then '\0', so room for significant + 1)
// and returns the decimal exponent of the first: magnitude ~ d1.d2d3... * 10^e.
int roundedDigits(double magnitude, int significant, char* digits);

// The shortest text that reads back as `value`: the fixed form or the exponent
// form (1.5e+12, two exponent digits at least), whichever has fewer
// characters, the fixed one on a tie; a whole number in fixed form shows all
// its digits (16777216, not 16777220). "inf", "-inf" and "nan" for the values
// that are not finite.
std::string shortestFloatText(float value);

}  // namespace corvane
