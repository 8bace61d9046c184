#pragma once
// What the dialog needs from the desktop besides its own window: message
// boxes, the file-open dialog, the editor, the file search along the program
// search path, the modal help windows and About box, and the wait cursor.

#include <functional>
#include <optional>
#include <string>

#include "dialog/help_texts.h"
#include "problem/messages.h"

namespace corvane {

enum class FileKind { Data, Text };

struct FileRequest {
    std::string title;
    FileKind kind;
    std::string proposedName;      // shown as the initial file name
    std::string initialDirectory;  // empty: the dialog's own choice
    bool confirmReplace = false;   // ask before an existing file is replaced
};

class DialogPlatform {
public:
    virtual ~DialogPlatform() = default;

    virtual MessageService& messages() = 0;

    // The file-open dialog: the path the user confirmed, or nothing when it
    // was cancelled. A file that does not exist is returned only after the
    // user agreed to create it.
    virtual std::optional<std::string> chooseFile(const FileRequest& request) = 0;

    // Shows the file in the editor; returns when the editor has been closed.
    virtual void editFile(const std::string& path) = 0;

    // Where a file of this name lies along the program search path (the
    // program's directory, the current directory, then PATH), or nothing.
    virtual std::optional<std::string> findFile(const std::string& name) = 0;

    // Modal windows; each returns when it has been closed. The data-file help
    // calls onSave each time its save button is pressed.
    virtual void showDataFileHelp(const DataFileHelpWindow& window, const std::function<void()>& onSave) = 0;
    virtual void showIterationHelp(const IterationHelpWindow& window) = 0;
    virtual void showAbout(const AboutWindow& window) = 0;

    // The wait cursor, shown while a Read or a SOLVE runs.
    virtual void setBusy(bool busy) = 0;
};

}  // namespace corvane
