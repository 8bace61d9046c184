#include "dialog/qt/qt_platform.h"

#include "dialog/qt/qt_text.h"

#include <QApplication>
#include <QMessageBox>

#include "dialog/program_search_path.h"
#include "dialog/qt/file_chooser.h"
#include "dialog/qt/help_dialogs.h"
#include "dialog/qt/qt_text.h"
#include "dialog/qt/text_editor.h"

namespace corvane {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error: return QMessageBox::Critical;
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::None: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

// While a modal window is open over a Read or a SOLVE, the pointer is the
// ordinary arrow again.
class ArrowWhileOpen {
public:
    ArrowWhileOpen() : active_(QApplication::overrideCursor() != nullptr) {
        if (active_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileOpen() {
        if (active_) QApplication::restoreOverrideCursor();
    }
    ArrowWhileOpen(const ArrowWhileOpen&) = delete;
    ArrowWhileOpen& operator=(const ArrowWhileOpen&) = delete;

private:
    bool active_;
};

}  // namespace

QWidget* activeParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

void QtMessageService::show(std::string_view text, std::string_view title, MessageIcon icon) {
    ArrowWhileOpen arrow;
    QMessageBox box(boxIcon(icon), QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok,
                    activeParent());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<std::string> QtPlatform::chooseFile(const FileRequest& request) {
    return chooseFileWithDialog(request, activeParent());
}

void QtPlatform::editFile(const std::string& path) { editTextFile(QString::fromStdString(path), activeParent()); }

std::optional<std::string> QtPlatform::findFile(const std::string& name) { return findOnProgramSearchPath(name); }

void QtPlatform::showDataFileHelp(const DataFileHelpWindow& window, const std::function<void()>& onSave) {
    runDataFileHelp(window, onSave, activeParent());
}

void QtPlatform::showIterationHelp(const IterationHelpWindow& window) { runIterationHelp(window, activeParent()); }

void QtPlatform::showAbout(const AboutWindow& window) { runAbout(window, activeParent()); }

QtPlatform::~QtPlatform() {
    delete convergence_;
    delete explorer_;
    delete comparison_;
    delete steps_;
    delete note_;
}

void QtPlatform::showConvergenceChart(const IterationHistory& history, float eps, int language) {
    if (convergence_ == nullptr) convergence_ = new ConvergenceWindow(activeParent());
    convergence_->showRun(history, eps, language);
    convergence_->show();
    convergence_->raise();
}

// One explorer at a time: a new one ends the one before.
void QtPlatform::showOmegaExplorer(const OmegaExplorerRequest& request) {
    delete explorer_;
    explorer_ = new OmegaExplorerWindow(request, activeParent());
    explorer_->show();
}

// One comparison at a time: a new one ends the one before.
void QtPlatform::showComparison(const ComparisonRequest& request) {
    delete comparison_;
    comparison_ = new ComparisonWindow(request, activeParent());
    comparison_->show();
}

// One step-by-step window at a time: a new one takes the place of the one before.
void QtPlatform::showSteps(const StepsRequest& request) {
    delete steps_;
    steps_ = new StepsWindow(request, activeParent());
    steps_->show();
}

void QtPlatform::showNote(std::string_view title, std::string_view text) {
    delete note_;
    note_ = new QMessageBox(QMessageBox::Information, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok,
                            activeParent());
    note_->setWindowModality(Qt::NonModal);
    note_->setAttribute(Qt::WA_DeleteOnClose);
    note_->show();
}

void QtPlatform::runInBackground(BackgroundRun run) { runner_.start(std::move(run), activeParent()); }

void QtPlatform::stopRunAndWait() { runner_.stopAndWait(); }

bool QtPlatform::confirm(std::string_view title, std::string_view question) {
    return QMessageBox::question(activeParent(), toQt(title), toQt(question), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void QtPlatform::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace corvane
