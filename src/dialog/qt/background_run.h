#pragma once
// A Read or a SOLVE on a thread of its own while the dialog goes on. Every
// twentieth of a second the dialog's thread looks where the run stands; once
// it has lasted half a second a progress window (not modal: IESIRE and the
// help stay at hand) shows the phase, how far it is and, for a run that may
// be stopped, Cancel. The run's end comes back through the event queue.

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

#include "dialog/dialog_platform.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace corvane {

// The progress window: the phase and step as text, a bar (moving without a
// measure for an import, which has no steps to tell) and Cancel.
class ProgressWindow : public QDialog {
    Q_OBJECT

public:
    ProgressWindow(bool cancellable, int language, QWidget* parent);

    // `unmeasured`: a run without step boundaries (an import).
    void show(const ProgressSnapshot& where, bool unmeasured);
    void showStopping();
    QPushButton* cancelButton() const { return cancel_; }

signals:
    void cancelRequested();

protected:
    void reject() override;  // Escape or the close box: Cancel, when the run may be stopped

private:
    int language_;
    QLabel* label_;
    QProgressBar* bar_;
    QPushButton* cancel_;
};

class BackgroundRunner : public QObject {
    Q_OBJECT

public:
    explicit BackgroundRunner(QObject* parent = nullptr);
    ~BackgroundRunner() override;  // stops a run still going and waits for it

    void start(BackgroundRun run, QWidget* over);
    bool running() const { return active_; }
    void stopAndWait();
    // Asks the run to stop at its next step boundary (what Cancel does).
    void requestStop();

    ProgressWindow* progressWindow() const { return window_; }
    ProgressSnapshot where() const { return monitor_ ? monitor_->snapshot() : ProgressSnapshot{}; }

signals:
    void progressShown();  // the progress window has just been shown for the run
    void finished();       // the run has ended and its `done` has run

private:
    void poll();
    void end();

    BackgroundRun run_;
    bool active_ = false;
    std::unique_ptr<ProgressMonitor> monitor_;
    std::thread worker_;
    QTimer timer_;
    QElapsedTimer elapsed_;
    QPointer<QWidget> over_;
    QPointer<ProgressWindow> window_;
};

}  // namespace corvane
