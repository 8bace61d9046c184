#include "app/step_texts.h"

#include "problem/problem_state.h"

namespace corvane {
namespace {

constexpr StepsRefusalTexts kRefusalRomanian{
    "Pas cu pas arata metodele unui sistem sau ale unei inversari, nu numarul de conditie.",
    "Pas cu pas: alege intai o metoda.",
    "Pas cu pas: ordinul n = {} este prea mare; pasii se arata pentru n <= {}.",
    "Pas cu pas: {} termeni liberi sunt prea multi; pasii se arata pentru cel mult {}.",
    "Pas cu pas: NLIM = {} este prea mare; pasii se arata pentru cel mult {} iteratii.",
};

constexpr StepsRefusalTexts kRefusalEnglish{
    "Step by step shows the methods of a system or an inverse, not the condition number.",
    "Step by step: choose a method first.",
    "Step by step: the order n = {} is too large; steps are shown for n <= {}.",
    "Step by step: {} right-hand sides are too many; steps are shown for at most {}.",
    "Step by step: NLIM = {} is too large; steps are shown for at most {} sweeps.",
};

constexpr StepViewTexts kViewRomanian{
    "{} - pas cu pas",
    "Pasul {} din {}",
    "|< Primul",
    "< Inapoi",
    "Inainte >",
    "Ultimul >|",
    "Inchide",
    "Sagetile stanga/dreapta (sau sus/jos), Home si End muta intre pasi.",
    "Marcaje",
    "pivotul",
    "coloana in care se cauta pivotul",
    "scris de acest pas",
    "folosit de formula pasului",
    "multiplicator pastrat sub diagonala (L)",
    "linii schimbate",
    "L",
    "neschimbata",
    "u = ",
    "/ ",
};

constexpr StepViewTexts kViewEnglish{
    "{} - step by step",
    "Step {} of {}",
    "|< First",
    "< Previous",
    "Next >",
    "Last >|",
    "Close",
    "The left/right (or up/down) arrows, Home and End move between the steps.",
    "Marks",
    "the pivot",
    "the column searched for the pivot",
    "written by this step",
    "read by the step's formula",
    "multiplier kept below the diagonal (L)",
    "exchanged rows",
    "R",
    "unchanged",
    "u = ",
    "/ ",
};

}  // namespace

const StepsRefusalTexts& stepsRefusalTexts(int language) {
    return language == kEnglish ? kRefusalEnglish : kRefusalRomanian;
}

const StepViewTexts& stepViewTexts(int language) { return language == kEnglish ? kViewEnglish : kViewRomanian; }

std::string_view stepsMethodName(Method method) {
    switch (method) {
        case Method::Gauss: return "Gauss";
        case Method::Lu: return "LU";
        case Method::Cholesky: return "Cholesky";
        case Method::GaussSeidel: return "Gauss-Seidel";
        case Method::Sor: return "SOR";
        case Method::None: break;
    }
    return "";
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    auto value = values.begin();
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern.compare(at, 2, "{}") == 0 && value != values.end()) {
            text += *value++;
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

std::string fillIn(std::string_view pattern, std::initializer_list<int> values) {
    std::string text(pattern);
    for (const int value : values) text = fillIn(text, {std::string_view(std::to_string(value))});
    return text;
}

}  // namespace corvane
