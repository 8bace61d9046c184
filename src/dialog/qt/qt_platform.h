#pragma once
// The desktop services of the dialog on Qt: message boxes, the file-open
// dialog, the program's own editor, the file search, the help windows, the
// About box, the convergence chart and the relaxation explorer, the wait
// cursor, and the runs off the dialog's thread with their progress window.

#include <QMessageBox>
#include <QPointer>

#include "dialog/dialog_platform.h"
#include "dialog/qt/background_run.h"
#include "dialog/qt/comparison_window.h"
#include "dialog/qt/convergence_window.h"
#include "dialog/qt/omega_explorer_window.h"
#include "dialog/qt/steps_window.h"

class QWidget;

namespace corvane {


// A message box with one OK button over the active window.
class QtMessageService : public MessageService {
public:
    void show(std::string_view text, std::string_view title, MessageIcon icon) override;
};

// The chart and the explorer are placed over the window they were opened
// from and end with it, or with the platform.
class QtPlatform : public DialogPlatform {
public:
    QtPlatform() = default;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;
    ~QtPlatform() override;

    MessageService& messages() override { return messages_; }
    std::optional<std::string> chooseFile(const FileRequest& request) override;
    void editFile(const std::string& path) override;
    std::optional<std::string> findFile(const std::string& name) override;
    void showDataFileHelp(const DataFileHelpWindow& window, const std::function<void()>& onSave) override;
    void showIterationHelp(const IterationHelpWindow& window) override;
    void showAbout(const AboutWindow& window) override;
    void showConvergenceChart(const IterationHistory& history, float eps, int language) override;
    void showOmegaExplorer(const OmegaExplorerRequest& request) override;
    void showComparison(const ComparisonRequest& request) override;
    void showSteps(const StepsRequest& request) override;
    void showNote(std::string_view title, std::string_view text) override;
    QMessageBox* note() const { return note_; }
    bool confirm(std::string_view title, std::string_view question) override;
    void setBusy(bool busy) override;
    void runInBackground(BackgroundRun run) override;
    void stopRunAndWait() override;

    BackgroundRunner& runner() { return runner_; }

    ConvergenceWindow* convergenceWindow() const { return convergence_; }
    OmegaExplorerWindow* omegaExplorerWindow() const { return explorer_; }
    ComparisonWindow* comparisonWindow() const { return comparison_; }
    StepsWindow* stepsWindow() const { return steps_; }

private:
    QtMessageService messages_;
    QPointer<ConvergenceWindow> convergence_;
    QPointer<OmegaExplorerWindow> explorer_;
    QPointer<ComparisonWindow> comparison_;
    QPointer<StepsWindow> steps_;
    QPointer<QMessageBox> note_;
    BackgroundRunner runner_;
};

// The window new modal windows are placed over: the active one, if any.
QWidget* activeParent();

}  // namespace corvane
