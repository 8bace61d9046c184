#include "dialog/qt/file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "dialog/qt/qt_text.h"
#include "dialog/qt/question_box.h"
#include "dialog/question_texts.h"

namespace corvane {
namespace {

// The filters of the data and text files keep their fixed words.
const QString kData = QStringLiteral("Data Files (*.dat)");
const QString kText = QStringLiteral("Text Files (*.txt)");
const QString kAll = QStringLiteral("All files (*)");

bool agrees(QWidget* parent, const QString& title, const QString& question, int language) {
    return askInBox(yesNoQuestion(title.toStdString(), question.toStdString(), language), parent) == kYes;
}

// The dialog's own words in the interface language.
void useLanguage(QFileDialog& dialog, const FileDialogTexts& texts) {
    dialog.setLabelText(QFileDialog::LookIn, toQt(texts.lookIn));
    dialog.setLabelText(QFileDialog::FileName, toQt(texts.fileName));
    dialog.setLabelText(QFileDialog::FileType, toQt(texts.fileType));
    dialog.setLabelText(QFileDialog::Accept, toQt(texts.accept));
    dialog.setLabelText(QFileDialog::Reject, toQt(texts.reject));
}

}  // namespace

std::optional<std::string> chooseFileWithDialog(const FileRequest& request, QWidget* parent) {
    const QString title = QString::fromStdString(request.title);
    const FileDialogTexts& texts = fileDialogTexts(request.language);
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    useLanguage(dialog, texts);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    bool data = request.kind == FileKind::Data;
    if (request.kind == FileKind::MatrixMarket) {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({toQt(texts.matrixMarketFiles), toQt(texts.allFiles)});
    } else {
        dialog.setNameFilters(data ? QStringList{kData, kText, kAll} : QStringList{kText, kData, kAll});
        dialog.setDefaultSuffix(data ? QStringLiteral("dat") : QStringLiteral("txt"));
    }
    if (!request.initialDirectory.empty()) dialog.setDirectory(QString::fromStdString(request.initialDirectory));
    if (!request.proposedName.empty()) dialog.selectFile(QString::fromStdString(request.proposedName));

    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().first();
        const QFileInfo file(path);
        if (!file.dir().exists()) {
            QMessageBox::warning(&dialog, title, file.absolutePath() + QLatin1Char('\n') + toQt(texts.pathMissing));
            continue;
        }
        if (file.isDir()) {
            dialog.setDirectory(path);
            continue;
        }
        if (!file.exists() &&
            !agrees(&dialog, title, file.fileName() + QLatin1Char('\n') + toQt(texts.createQuestion), request.language)) {
            continue;
        }
        if (file.exists() && request.confirmReplace &&
            !agrees(&dialog, title, file.fileName() + QLatin1Char(' ') + toQt(texts.replaceQuestion), request.language)) {
            continue;
        }
        return path.toStdString();
    }
    return std::nullopt;
}

}  // namespace corvane
