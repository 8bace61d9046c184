#pragma once
// The modal help windows and the About box, built from their templates.

#include <functional>

#include "dialog/help_texts.h"

class QWidget;

namespace corvane {

// Each runs its window modally and returns when it has been closed.
void runDataFileHelp(const DataFileHelpWindow& window, const std::function<void()>& onSave, QWidget* parent);
void runIterationHelp(const IterationHelpWindow& window, QWidget* parent);
void runAbout(const AboutWindow& window, QWidget* parent);

}  // namespace corvane
