#pragma once
// The desktop services of the dialog on Qt: message boxes, the file-open
// dialog, the program's own editor, the file search, the help windows, the
// About box and the wait cursor.

#include "dialog/dialog_platform.h"

class QWidget;

namespace corvane {

// A message box with one OK button over the active window.
class QtMessageService : public MessageService {
public:
    void show(std::string_view text, std::string_view title, MessageIcon icon) override;
};

class QtPlatform : public DialogPlatform {
public:
    MessageService& messages() override { return messages_; }
    std::optional<std::string> chooseFile(const FileRequest& request) override;
    void editFile(const std::string& path) override;
    std::optional<std::string> findFile(const std::string& name) override;
    void showDataFileHelp(const DataFileHelpWindow& window, const std::function<void()>& onSave) override;
    void showIterationHelp(const IterationHelpWindow& window) override;
    void showAbout(const AboutWindow& window) override;
    void setBusy(bool busy) override;

private:
    QtMessageService messages_;
};

// The window new modal windows are placed over: the active one, if any.
QWidget* activeParent();

}  // namespace corvane
