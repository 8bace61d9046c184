#pragma once
// Fixed-width numeric fields of the reports: integers (iw), exponent form (ew.d)
// and general form (gw.d), each with an optional scale factor of 1 (1p).
// Every function returns exactly w characters (d at most 40); a value that does
// not fit gives w asterisks. Decimal rounding is to nearest on the exact binary
// value, ties to the even digit.

#include <string>

namespace corvane {

// Number of characters of the decimal form of k: the width of an iw field
// that holds k exactly (the reports size index fields with it).
int WIDTH(int k);

// iw: right-justified integer, minus sign for negatives.
std::string integerField(long long value, int width);

// ew.d with scale factor 0 (0.ddddE+xx) or 1 (d.dddE+xx).
std::string exponentField(double value, int width, int digits, int scale);

// gw.d: fixed form for 0.1 - 0.5e-(d+1) <= |value| < 10^d - 0.5 (followed by
// four blanks), exponent form with the scale factor otherwise.
std::string generalField(double value, int width, int digits, int scale);

// Append variants used on hot paths (no temporary string per field).
void appendIntegerField(std::string& out, long long value, int width);
void appendExponentField(std::string& out, double value, int width, int digits, int scale);
void appendGeneralField(std::string& out, double value, int width, int digits, int scale);

}  // namespace corvane
