#pragma once
// The texts of the read-only page view of a file too large to edit, in both
// languages (Romanian without diacritics, like the rest of the dialog).
// "%1" and "%2" stand for the numbers the view fills in.

#include <string_view>

namespace corvane {

struct PageViewTexts {
    std::string_view readOnly;    // after the file's name in the title
    std::string_view note;        // %1: the file's size in MB
    std::string_view first;
    std::string_view previous;
    std::string_view next;
    std::string_view last;
    std::string_view pageOf;      // after the page number; %1: the page count
    std::string_view close;
    std::string_view cannotRead;  // followed by the system's reason
};

// language: 1 Romanian, 2 English (ProblemState::LIMBA).
const PageViewTexts& pageViewTexts(int language);

}  // namespace corvane
