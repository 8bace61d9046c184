#include "dialog/qt/text_editor.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeySequence>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStringDecoder>
#include <QVBoxLayout>

#include "dialog/qt/program_icon.h"
#include "dialog/text_file.h"

namespace corvane {
namespace {

constexpr int kTabColumns = 8;

void tellFailure(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

TextEditor::TextEditor(const QString& path, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint),
      path_(path),
      editor_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("textEditor"));
    setWindowIcon(programIcon());
    setSizeGripEnabled(true);

    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    editor_->setFont(fixed);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setTabStopDistance(QFontMetricsF(fixed).horizontalAdvance(QLatin1Char(' ')) * kTabColumns);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Close, this);
    for (QAbstractButton* button : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);
    }
    connect(buttons->button(QDialogButtonBox::Save), &QPushButton::clicked, this, &TextEditor::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &TextEditor::save);
    connect(editor_->document(), &QTextDocument::modificationChanged, this, &TextEditor::updateTitle);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_);
    layout->addWidget(buttons);
    resize(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('x')) * 100, QFontMetrics(fixed).height() * 40);
    updateTitle();
}

bool TextEditor::load() {
    QFile file(path_);
    QByteArray bytes;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            tellFailure(this, QStringLiteral("Cannot read the file:\n%1\n%2").arg(path_, file.errorString()));
            return false;
        }
        bytes = file.readAll();
    }
    loaded_ = bytes.toStdString();
    QByteArray lines = QByteArray::fromStdString(withLineFeeds(loaded_));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(lines);
    latin1_ = utf8.hasError();
    if (latin1_) text = QString::fromLatin1(lines);
    editor_->setPlainText(text);
    editor_->document()->setModified(false);
    return true;
}

bool TextEditor::save() {
    QString text = editor_->toPlainText();
    std::string lines = (latin1_ ? text.toLatin1() : text.toUtf8()).toStdString();
    std::string saved = withOriginalLineEnds(loaded_, lines);
    QByteArray bytes = QByteArray::fromStdString(saved);
    // Written in place (not replaced by a new file), so that the results
    // file the program holds open is the file the user saved.
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush()) {
        tellFailure(this, QStringLiteral("Cannot save the file:\n%1\n%2").arg(path_, file.errorString()));
        return false;
    }
    file.close();
    loaded_ = std::move(saved);
    editor_->document()->setModified(false);
    return true;
}

void TextEditor::done(int result) {
    if (editor_->document()->isModified()) {
        QMessageBox::StandardButton answer = QMessageBox::question(
            this, windowTitle(), QStringLiteral("Save the changes to %1?").arg(QFileInfo(path_).fileName()),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel) return;
        if (answer == QMessageBox::Save && !save()) return;
    }
    QDialog::done(result);
}

void TextEditor::updateTitle() {
    QString modified = editor_->document()->isModified() ? QStringLiteral("*") : QString();
    setWindowTitle(QStringLiteral("%1%2 - %3").arg(modified, QFileInfo(path_).fileName(), QFileInfo(path_).absolutePath()));
}

void editTextFile(const QString& path, QWidget* parent) {
    TextEditor editor(path, parent);
    if (editor.load()) editor.exec();
}

}  // namespace corvane
