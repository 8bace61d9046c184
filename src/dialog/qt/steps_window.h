#pragma once
// A method's working step by step beside the main dialog: the augmented
// matrix [A | B] of one step at a time with the step's marks (pivot,
// searched column, exchanged rows, written and read entries, multipliers
// kept below the diagonal), the notes beside the rows and the sentence that
// says what the step did. First, previous, next, last, a slider and the keys
// (left/up, right/down, Home, End) move between the steps.

#include <QWidget>

#include "dialog/dialog_platform.h"

class QLabel;
class QPushButton;
class QSlider;
class QTableWidget;

namespace corvane {

class StepsWindow : public QWidget {
    Q_OBJECT

public:
    explicit StepsWindow(StepsRequest request, QWidget* parent = nullptr);

    // The step shown, from 0.
    int current() const { return current_; }
    int stepCount() const { return static_cast<int>(request_.steps.steps.size()); }
    void showStep(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool moveByKey(int key);  // true when the key moves between the steps
    void fillTable(const Step& step);

    StepsRequest request_;
    int current_ = -1;
    QLabel* sentence_;
    QTableWidget* table_;
    QSlider* slider_;
    QLabel* position_;
    QPushButton* first_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* last_;
};

}  // namespace corvane
