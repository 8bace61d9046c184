#include "dialog/qt/file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace corvane {
namespace {

const QString kData = QStringLiteral("Data Files (*.dat)");
const QString kText = QStringLiteral("Text Files (*.txt)");
const QString kAll = QStringLiteral("All files (*)");
const QString kMatrixMarket = QStringLiteral("Matrix Market (*.mtx)");

bool agrees(QWidget* parent, const QString& title, const QString& question) {
    return QMessageBox::question(parent, title, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace

std::optional<std::string> chooseFileWithDialog(const FileRequest& request, QWidget* parent) {
    const QString title = QString::fromStdString(request.title);
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    bool data = request.kind == FileKind::Data;
    if (request.kind == FileKind::MatrixMarket) {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({kMatrixMarket, kAll});
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
            QMessageBox::warning(&dialog, title, QStringLiteral("%1\nThe path does not exist.").arg(file.absolutePath()));
            continue;
        }
        if (file.isDir()) {
            dialog.setDirectory(path);
            continue;
        }
        if (!file.exists() &&
            !agrees(&dialog, title, QStringLiteral("%1\nThis file does not exist.\nCreate the file?").arg(file.fileName()))) {
            continue;
        }
        if (file.exists() && request.confirmReplace &&
            !agrees(&dialog, title, QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(file.fileName()))) {
            continue;
        }
        return path.toStdString();
    }
    return std::nullopt;
}

}  // namespace corvane
