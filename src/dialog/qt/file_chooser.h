#pragma once
// The file-open dialog: the filters of the file kind, its default extension,
// the initial directory and file name, and a question before a file that does
// not exist is created (or, when asked for, before one is replaced).

#include <optional>
#include <string>

#include "dialog/dialog_platform.h"

class QWidget;

namespace corvane {

std::optional<std::string> chooseFileWithDialog(const FileRequest& request, QWidget* parent);

}  // namespace corvane
