#pragma once
// The program's own plain-text editor: shows a file, lets the user change it
// and saves it on request. The file is rewritten in place, so that a results
// file the program holds open sees the saved text; its line ends and its
// encoding (UTF-8, or Latin-1 for bytes that are not UTF-8) are kept.

#include <QDialog>
#include <QString>

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
    bool latin1_ = false;
    bool crlf_ = false;
};

// Opens the editor on the file and returns when the user has closed it.
void editTextFile(const QString& path, QWidget* parent);

}  // namespace corvane
