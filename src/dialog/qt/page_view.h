#pragma once
// The read-only view of a file too large to edit: one page of whole lines at
// a time (see FilePages), with buttons to the first, previous, next and last
// page and a field for the page number. Only the page shown is held; the
// view opens at once whatever the file's size.

#include <QDialog>
#include <optional>

#include "dialog/file_pages.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace corvane {

class PageView : public QDialog {
    Q_OBJECT

public:
    PageView(const QString& path, int language, QWidget* parent = nullptr);

    // False, after telling the user, when the file cannot be opened.
    bool load();

    int page() const { return page_; }
    int pageCount() const { return pages_ ? pages_->count() : 0; }
    QPlainTextEdit& text() const { return *text_; }

    void showPage(int index);

private:
    QString path_;
    int language_;
    std::optional<FilePages> pages_;
    int page_ = 0;
    QLabel* note_;
    QPlainTextEdit* text_;
    QSpinBox* number_;
    QLabel* count_;
    QPushButton* first_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* last_;
};

// Opens the view on the file and returns when the user has closed it.
void viewLargeFile(const QString& path, int language, QWidget* parent);

}  // namespace corvane
