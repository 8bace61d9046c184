#include "dialog/page_view_texts.h"

#include "problem/problem_state.h"

namespace corvane {
namespace {

constexpr PageViewTexts kRomanianTexts{
    "(doar citire)",
    "Fisier prea mare pentru editare (%1 MB): se arata cate o pagina, doar pentru citire.",
    "Prima",
    "Inapoi",
    "Inainte",
    "Ultima",
    "din %1",
    "Inchide",
    "Fisierul nu se poate citi:",
};
constexpr PageViewTexts kEnglishTexts{
    "(read only)",
    "File too large to edit (%1 MB): shown a page at a time, read only.",
    "First",
    "Previous",
    "Next",
    "Last",
    "of %1",
    "Close",
    "The file cannot be read:",
};

}  // namespace

const PageViewTexts& pageViewTexts(int language) { return language == kEnglish ? kEnglishTexts : kRomanianTexts; }

}  // namespace corvane
