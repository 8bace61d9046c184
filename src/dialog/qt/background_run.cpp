#include "dialog/qt/background_run.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/progress_text.h"
#include "dialog/qt/program_icon.h"
#include "dialog/qt/qt_text.h"
#include "dialog/run_texts.h"

namespace corvane {
namespace {

constexpr int kPollMilliseconds = 50;
constexpr int kShowAfterMilliseconds = 500;
constexpr int kBarSteps = 1000;

}  // namespace

ProgressWindow::ProgressWindow(bool cancellable, int language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      language_(language),
      label_(new QLabel),
      bar_(new QProgressBar),
      cancel_(namedButton(runTexts(language).cancel, "cancel")) {
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(toQt(runTexts(language).windowTitle));
    setWindowIcon(programIcon());
    setModal(false);
    label_->setMinimumWidth(label_->fontMetrics().averageCharWidth() * 60);  // the longest phase texts, with room for their numbers
    bar_->setTextVisible(false);
    cancel_->setEnabled(cancellable);
    cancel_->setVisible(cancellable);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::cancelRequested);
}

void ProgressWindow::show(const ProgressSnapshot& where, bool unmeasured) {
    if (cancel_->isVisible() && !cancel_->isEnabled()) return;  // stopping: the text says so
    label_->setText(toQt(unmeasured ? runTexts(language_).importing : progressText(where, language_)));
    const std::optional<double> fraction = unmeasured ? std::nullopt : progressFraction(where);
    if (fraction) {
        bar_->setRange(0, kBarSteps);
        bar_->setValue(static_cast<int>(*fraction * kBarSteps));
    } else {
        bar_->setRange(0, 0);  // busy, without a measure
    }
    if (!isVisible()) QDialog::show();
}

void ProgressWindow::showStopping() {
    label_->setText(toQt(runTexts(language_).stopping));
    cancel_->setEnabled(false);
}

void ProgressWindow::reject() {
    if (cancel_->isVisible() && cancel_->isEnabled()) emit cancelRequested();
}

BackgroundRunner::BackgroundRunner(QObject* parent) : QObject(parent) {
    timer_.setInterval(kPollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &BackgroundRunner::poll);
}

BackgroundRunner::~BackgroundRunner() {
    if (monitor_) monitor_->requestStop();
    if (worker_.joinable()) worker_.join();
    delete window_;
}

void BackgroundRunner::start(BackgroundRun run, QWidget* over) {
    stopAndWait();  // one run at a time
    run_ = std::move(run);
    monitor_ = std::make_unique<ProgressMonitor>();
    over_ = over;
    active_ = true;
    elapsed_.start();
    timer_.start();
    worker_ = std::thread([this, progress = monitor_.get(), work = run_.work] {
        work(*progress);
        QMetaObject::invokeMethod(this, &BackgroundRunner::end, Qt::QueuedConnection);
    });
}

void BackgroundRunner::requestStop() {
    if (!active_ || !run_.cancellable) return;
    monitor_->requestStop();
    if (window_) window_->showStopping();
}

void BackgroundRunner::poll() {
    if (!active_ || elapsed_.elapsed() < kShowAfterMilliseconds) return;
    const bool first = window_ == nullptr;
    if (first) {
        window_ = new ProgressWindow(run_.cancellable, run_.language, over_);
        connect(window_, &ProgressWindow::cancelRequested, this, &BackgroundRunner::requestStop);
    }
    window_->show(monitor_->snapshot(), !run_.cancellable);
    if (first) emit progressShown();
}

void BackgroundRunner::stopAndWait() {
    if (!active_) return;
    monitor_->requestStop();
    end();
}

// The work has returned (or is about to, when called by stopAndWait): the
// thread is joined, the window goes, and `done` runs.
void BackgroundRunner::end() {
    if (!active_) return;  // the queued end of a run that stopAndWait ended already
    if (worker_.joinable()) worker_.join();
    active_ = false;
    timer_.stop();
    delete window_;
    const std::function<void()> done = std::move(run_.done);
    run_ = {};
    if (done) done();
    emit finished();
}

}  // namespace corvane
