#pragma once
// Complex numbers as pairs of single-precision reals, with each operation
// written out so that every product and sum rounds to float in a fixed order.
// (The library's complex operators may scale or reorder the arithmetic.)

#include <cmath>

#include "problem/matrix.h"

namespace corvane {

struct Complex {
    float re = 0.0f;
    float im = 0.0f;
};

using ComplexMatrix = Matrix<Complex>;
using ComplexVector = Vector<Complex>;

inline Complex plus(Complex a, Complex b) { return {a.re + b.re, a.im + b.im}; }

inline Complex minus(Complex a, Complex b) { return {a.re - b.re, a.im - b.im}; }

inline Complex times(Complex a, Complex b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }

// a / b in double precision, each part rounded to float at the end.
inline Complex quotient(Complex a, Complex b) {
    const double p = a.re, q = a.im, u = b.re, v = b.im;
    const double r = 1.0 / (u * u + v * v);
    return {static_cast<float>((p * u + q * v) * r), static_cast<float>((q * u - p * v) * r)};
}

// |a| = sqrt(re^2 + im^2) in double precision, rounded to float.
inline float modulus(Complex a) {
    const double re = a.re, im = a.im;
    return static_cast<float>(std::sqrt(re * re + im * im));
}

}  // namespace corvane
