#pragma once
// A question in a message box with the answers it names, as buttons in their
// order; and the ordinary arrow pointer while a modal window is open over a
// run.

#include <QApplication>

#include "dialog/dialog_platform.h"

class QWidget;

namespace corvane {

// While a modal window is open over a Read or a SOLVE, the pointer is the
// ordinary arrow again.
class ArrowWhileOpen {
public:
    ArrowWhileOpen() : active_(QApplication::overrideCursor() != nullptr) {
        if (active_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileOpen() {
        if (active_) QApplication::restoreOverrideCursor();
    }
    ArrowWhileOpen(const ArrowWhileOpen&) = delete;
    ArrowWhileOpen& operator=(const ArrowWhileOpen&) = delete;

private:
    bool active_;
};

// The index of the answer chosen (Escape and the close box: the question's
// escape answer).
int askInBox(const Question& question, QWidget* parent);

}  // namespace corvane
