#pragma once
// The texts of a run off the dialog's thread in both languages (Romanian
// without diacritics, like the rest of the dialog): the progress window and
// the question IESIRE asks while a run goes on.

#include <string_view>

namespace corvane {

struct RunTexts {
    std::string_view windowTitle;   // of the progress window
    std::string_view importing;     // what an import shows (it has no steps to tell)
    std::string_view cancel;
    std::string_view stopping;      // after Cancel, until the run has stopped
    std::string_view stopQuestion;  // IESIRE during a run
    std::string_view stopTitle;
};

// language: 1 Romanian, 2 English (ProblemState::LIMBA).
const RunTexts& runTexts(int language);

}  // namespace corvane
