#pragma once
// Problem options decoded from the bits of a number, so that random tests and
// fuzz targets can go through every combination a user can set in the dialog.
// Choosing Cholesky switches the matrix to symmetric, as the dialog does, but
// a later bit may switch it back to general (the dialog allows that too).

#include <array>
#include <cstdint>
#include <string>

#include "problem/problem_state.h"

namespace corvane::testing {

class OptionBits {
public:
    explicit OptionBits(std::uint32_t code) : code_(code) {}
    unsigned take(int bits) {
        const unsigned value = code_ & ((1u << bits) - 1);
        code_ >>= bits;
        return value;
    }

private:
    std::uint32_t code_;
};

// Uses the low 25 bits of `code`.
inline void applyOptionBits(ProblemState& s, std::uint32_t code) {
    OptionBits bits(code);
    const unsigned kind = bits.take(2) % 3;
    s.SISTEM = kind == 0;
    s.INVERSARE = kind == 1;
    s.CONDITIE = kind == 2;
    s.SIMETRICA = bits.take(1) != 0;
    s.GENERALA = !s.SIMETRICA;
    s.GENERARE = bits.take(1) != 0;
    s.FISIER_DATE = !s.GENERARE;
    s.IGENERATA = static_cast<int>(bits.take(3));  // 0: no generator chosen
    s.INVERS_ELEMENTE = bits.take(1) != 0;

    const int method = static_cast<int>(bits.take(3) % 6);  // 0: no method chosen
    s.IMETODA = methodAt(method);
    s.METODA_ALEASA = method != 0;
    s.ESTE_GS = method == 4;
    s.ESTE_SOR = method == 5;
    s.ESTE_ITERATIV = s.ESTE_GS || s.ESTE_SOR;
    if (method == 3) {
        s.GENERALA = false;
        s.SIMETRICA = true;
    }
    if (bits.take(2) == 3) {  // the user switched to general afterwards
        s.GENERALA = true;
        s.SIMETRICA = false;
    }

    s.INORMA = normAt(static_cast<int>(bits.take(2)) + 1);
    s.KNORMA = positionOf(s.INORMA) - 1;
    s.TIPAR_MATRICE = bits.take(1) != 0;
    s.TIPAR_DETERMINANT = bits.take(1) != 0;
    s.TIPAR_ITERATII = bits.take(1) != 0;
    s.VERIF_ECUATII = bits.take(1) != 0;
    s.VERIF_MAXIM = !s.VERIF_ECUATII;

    static const std::array<const char*, 4> eps = {"0.", "1e-4", "abc", "0.5"};
    static const std::array<const char*, 4> nlim = {"0", "20", "x", "3"};
    static const std::array<const char*, 4> omega = {"0.", "1.2", "2.5", "-1"};
    s.EPS_TEXT = eps[bits.take(2)];
    s.NLIM_TEXT = nlim[bits.take(2)];
    s.OMEGA_TEXT = omega[bits.take(2)];
}

}  // namespace corvane::testing
