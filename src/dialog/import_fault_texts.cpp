#include "dialog/import_fault_texts.h"

#include "problem/problem_state.h"

namespace corvane {
namespace {

// Romanian without diacritics, like the rest of the dialog; the words of the
// Matrix Market format itself stay as the format writes them.
std::string_view romanianTemplate(ImportFault fault) {
    switch (fault) {
        case ImportFault::UnknownHeader:
            return "antet necunoscut {1} (se astepta %%MatrixMarket matrix coordinate|array real|integer|pattern "
                   "general|symmetric|skew-symmetric)";
        case ImportFault::UnknownForm: return "forma necunoscuta {1}";
        case ImportFault::ComplexField:
            return "elementele complexe nu sunt acceptate (programul calculeaza cu numere reale)";
        case ImportFault::UnknownField: return "tip de elemente necunoscut {1}";
        case ImportFault::HermitianStorage:
            return "stocarea hermitiana nu este acceptata (programul calculeaza cu numere reale)";
        case ImportFault::UnknownStorage: return "stocare necunoscuta {1}";
        case ImportFault::ArrayPattern: return "o matrice array nu poate contine doar pozitii (pattern)";
        case ImportFault::OrderNotInteger: return "ordinul {1} nu este un numar intreg";
        case ImportFault::RowCountNotInteger: return "numarul de linii {1} nu este un numar intreg";
        case ImportFault::ColumnCountNotInteger: return "numarul de coloane {1} nu este un numar intreg";
        case ImportFault::EntryCountNotInteger: return "numarul de elemente {1} nu este un numar intreg";
        case ImportFault::RowIndexNotInteger: return "indicele de linie {1} nu este un numar intreg";
        case ImportFault::ColumnIndexNotInteger: return "indicele de coloana {1} nu este un numar intreg";
        case ImportFault::ValueNotInteger: return "{1} nu este un numar intreg";
        case ImportFault::TooLarge: return "{1} este prea mare pentru simpla precizie";
        case ImportFault::NotANumber: return "{1} nu este un numar";
        case ImportFault::ExpectedCoordinateSizes: return "se astepta linia dimensiunilor \"linii coloane elemente\"";
        case ImportFault::ExpectedArraySizes: return "se astepta linia dimensiunilor \"linii coloane\"";
        case ImportFault::SizesNotPositive: return "dimensiunile trebuie sa fie pozitive";
        case ImportFault::NotSquare: return "matricea este {1} x {2}, nu este patrata";
        case ImportFault::OrderAboveLimit: return "ordinul {1} depaseste limita programului, {2}";
        case ImportFault::SizeAboveLimit: return "{1} x {2} depaseste limita programului de {3} elemente";
        case ImportFault::NegativeEntryCount: return "numarul de elemente nu poate fi negativ";
        case ImportFault::SkewDiagonal: return "o matrice antisimetrica nu are elemente pe diagonala";
        case ImportFault::MoreEntries: return "mai multe elemente decat cele {1} date de linia dimensiunilor";
        case ImportFault::ExpectedPatternEntry: return "se astepta un element \"linie coloana\"";
        case ImportFault::ExpectedEntry: return "se astepta un element \"linie coloana valoare\"";
        case ImportFault::IndexOutside: return "indicele ({1}, {2}) este in afara matricei {3} x {4}";
        case ImportFault::FewerEntries: return "doar {1} din cele {2} elemente date de linia dimensiunilor";
        case ImportFault::TooFewValues: return "prea putine valori pentru matricea {1} x {2}";
        case ImportFault::OneValuePerLine: return "se astepta o singura valoare pe linie";
        case ImportFault::MoreValues: return "mai multe valori decat are matricea";
        case ImportFault::Utf16: return "fisierul este text UTF-16; salvati-l ca text ASCII sau UTF-8";
        case ImportFault::NoHeader:
            return "lipseste antetul %%MatrixMarket; un fisier fara antet se citeste doar numindu-i stocarea "
                   "(--headerless general|symmetric|skew-symmetric)";
        case ImportFault::NoSizesLine: return "lipseste linia dimensiunilor";
        case ImportFault::SymmetricNotSquare: return "o matrice simetrica sau antisimetrica trebuie sa fie patrata";
        case ImportFault::EntryBeyondSingle: return "elementul ({1}, {2}) depaseste simpla precizie";
        case ImportFault::RowSumBeyondSingle: return "b({1}) = A·(1, ..., 1) al liniei {1} depaseste simpla precizie";
        case ImportFault::RightHandSideRows: return "{1} linii pentru o matrice de ordinul {2}";
        case ImportFault::NotSymmetric: return "nu este simetrica, deci nu se poate scrie cu tipul simetric";
    }
    return {};
}

}  // namespace

std::string importFaultText(const ImportError& error, int language) {
    if (language == kEnglish) return error.what();
    const std::string line = error.line() ? "linia " + std::to_string(*error.line()) + ": " : std::string();
    return line + filledIn(romanianTemplate(error.fault().fault), error.fault().pieces);
}

}  // namespace corvane
