#include "dialog/question_texts.h"

#include "problem/problem_state.h"

namespace corvane {
namespace {

constexpr FileDialogTexts kRomanianFileDialog{
    "Cauta in:",
    "Nume fisier:",
    "Tip fisiere:",
    "Deschide",
    "Anuleaza",
    "Fisiere Matrix Market (*.mtx)",
    "Toate fisierele (*)",
    "Directorul nu exista.",
    "Fisierul nu exista.\nIl creati?",
    "exista deja.\nIl inlocuiti?",
};
constexpr FileDialogTexts kEnglishFileDialog{
    "Look in:",
    "File name:",
    "Files of type:",
    "Open",
    "Cancel",
    "Matrix Market files (*.mtx)",
    "All files (*)",
    "The folder does not exist.",
    "This file does not exist.\nCreate the file?",
    "already exists.\nDo you want to replace it?",
};

}  // namespace

Question yesNoQuestion(std::string_view title, std::string_view text, int language) {
    Question question{std::string(title), std::string(text), {}, 1, 1};
    if (language == kEnglish) question.answers = {"Yes", "No"};
    else question.answers = {"Da", "Nu"};
    return question;
}

const FileDialogTexts& fileDialogTexts(int language) {
    return language == kEnglish ? kEnglishFileDialog : kRomanianFileDialog;
}

}  // namespace corvane
