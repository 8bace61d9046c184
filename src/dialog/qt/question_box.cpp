#include "dialog/qt/question_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "dialog/qt/qt_text.h"

namespace corvane {

int askInBox(const Question& question, QWidget* parent) {
    ArrowWhileOpen arrow;
    QMessageBox box(QMessageBox::Question, toQt(question.title), toQt(question.text), QMessageBox::NoButton,
                    parent);
    box.setTextFormat(Qt::PlainText);
    std::vector<QPushButton*> buttons;
    for (const std::string& answer : question.answers) {
        buttons.push_back(box.addButton(toQt(answer), QMessageBox::ActionRole));
    }
    const auto at = [&](int index) -> QPushButton* {
        return index >= 0 && index < static_cast<int>(buttons.size()) ? buttons[static_cast<std::size_t>(index)]
                                                                      : nullptr;
    };
    box.setDefaultButton(at(question.preferred));
    box.setEscapeButton(at(question.escape));
    box.exec();
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        if (box.clickedButton() == buttons[k]) return static_cast<int>(k);
    }
    return question.escape;
}

}  // namespace corvane
