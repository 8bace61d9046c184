#include "dialog/changed_data_question.h"

#include "problem/problem_state.h"

namespace corvane {

Question changedDataQuestion(int language) {
    Question question;
    if (language == kEnglish) {
        question.title = "SOLVE";
        question.text =
            "A SOLVE has run since the last Read and changed the data in place (the matrix into its factors, "
            "the right-hand sides into the solutions).\nRead the data file again before solving?";
        question.answers = {"Read again", "Solve on the changed data", "Cancel"};
    } else {
        question.title = "REZOLVA";
        question.text =
            "O rezolvare a rulat de la ultima citire si a schimbat datele pe loc (matricea in factorii ei, "
            "termenii liberi in solutii).\nCititi din nou fisierul de date inainte de rezolvare?";
        question.answers = {"Citeste din nou", "Rezolva pe datele schimbate", "Anuleaza"};
    }
    question.preferred = static_cast<int>(ChangedDataAnswer::ReadAgain);
    question.escape = static_cast<int>(ChangedDataAnswer::Cancel);
    return question;
}

}  // namespace corvane
