#include "dialog/run_texts.h"

namespace corvane {
namespace {

constexpr RunTexts kRomanian{
    "Rulare in curs",
    "Importul matricei...",
    "Anuleaza",
    "Se opreste la pasul urmator...",
    "O rulare este in curs. O opresti si inchizi programul?",
    "IESIRE",
};
constexpr RunTexts kEnglish{
    "Run in progress",
    "Importing the matrix...",
    "Cancel",
    "Stopping at the next step...",
    "A run is in progress. Stop it and close the program?",
    "EXIT",
};

}  // namespace

const RunTexts& runTexts(int language) { return language == 2 ? kEnglish : kRomanian; }

}  // namespace corvane
