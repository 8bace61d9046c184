#pragma once
// The words of the dialog's own questions and of its file-open dialog, in
// both languages (Romanian without diacritics, like the rest of the dialog).
// The titles and filters of the data and text files keep their fixed words.

#include <string_view>

#include "dialog/dialog_platform.h"

namespace corvane {

// A question answered Yes or No (Da or Nu); No is preferred and Escape's.
// The answer Yes is index 0. language: 1 Romanian, 2 English.
Question yesNoQuestion(std::string_view title, std::string_view text, int language);
inline constexpr int kYes = 0;

struct FileDialogTexts {
    std::string_view lookIn;
    std::string_view fileName;
    std::string_view fileType;
    std::string_view accept;
    std::string_view reject;
    std::string_view matrixMarketFiles;  // the filter names of a Matrix Market file
    std::string_view allFiles;
    std::string_view pathMissing;     // after the folder
    std::string_view createQuestion;  // after the file's name
    std::string_view replaceQuestion;  // after the file's name
};

const FileDialogTexts& fileDialogTexts(int language);

}  // namespace corvane
