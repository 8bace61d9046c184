#pragma once
// The program's own plain-text editor: shows a file, lets the user change it
// and saves it on request. The file is rewritten in place, so that a results
// file the program holds open sees the saved text. Its encoding (UTF-8, or
// Latin-1 for bytes that are not UTF-8) is kept, and so is every line's own
// line end; lines the user adds take the file's dominant line end.

#include <QDialog>
#include <QString>
#include <string>

class QPlainTextEdit;

namespace corvane {

class TextEditor : public QDialog {
    Q_OBJECT

public:
    explicit TextEditor(const QString& path, QWidget* parent = nullptr);

    // Loads the file (a missing file gives an empty text); false, after telling
    // the user, when it cannot be read.
    bool load();
    // Writes the text to the file; false, after telling the user, on failure.
    bool save();

    QPlainTextEdit& editor() const { return *editor_; }

    void done(int result) override;

private:
    void updateTitle();

    QString path_;
    QPlainTextEdit* editor_;
    std::string loaded_;  // the file's bytes as loaded or last saved
    bool latin1_ = false;
};

// Opens the editor on the file and returns when the user has closed it.
void editTextFile(const QString& path, QWidget* parent);

}  // namespace corvane
