#include "dialog/qt/comparison_window.h"

#include <QChartView>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

#include "app/progress_text.h"
#include "dialog/chart_texts.h"
#include "dialog/qt/comparison_chart.h"
#include "dialog/qt/program_icon.h"
#include "dialog/qt/qt_text.h"

namespace corvane {
namespace {

QString brief(const std::optional<double>& value) {
    if (!value) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.1E", *value);
    return QString::fromLatin1(text);
}

// The cond1 estimate, then a line for each method not run: "<method> not
// run: <the SOLVE's reason>".
QString summaryText(const Comparison& comparison, int language) {
    const ComparisonTexts& texts = comparisonTexts(language);
    QStringList lines;
    if (comparison.conditionOne) lines << toQt(texts.conditionOne) + QLatin1Char(' ') + brief(comparison.conditionOne);
    for (const RefusedMethod& refused : comparison.refused) {
        lines << toQt(methodName(refused.method)) + QLatin1Char(' ') + toQt(texts.notRun) + QStringLiteral(": ") +
                     toQt(refused.reason);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

ComparisonWindow::ComparisonWindow(ComparisonRequest request, QWidget* parent)
    : QWidget(parent, Qt::Window),
      request_(std::move(request)),
      table_(new QTableWidget(0, 8)),
      view_(new QChartView),
      summary_(new QLabel),
      ticker_(new QTimer(this)),
      status_(new QLabel),
      stop_(namedButton(comparisonTexts(request_.language).cancel, "stop")) {
    const ComparisonTexts& texts = comparisonTexts(request_.language);
    const ComparedQuantityTexts& quantities = comparedQuantityTexts(request_.language, request_.read.INVERSARE);
    setObjectName(QStringLiteral("comparisonWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQt(texts.windowTitle));
    setWindowIcon(programIcon());
    table_->setHorizontalHeaderLabels({toQt(texts.methodColumn), toQt(texts.rhsColumn), toQt(texts.outcomeColumn),
                                       toQt(texts.secondsColumn), toQt(quantities.residualColumn),
                                       toQt(quantities.errorColumn), toQt(texts.relativeColumn),
                                       toQt(texts.sweepsColumn)});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The table asks for the width of its columns and gets it: the chart
    // takes what is left, down to its least width.
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(380, 300);  // leaves the widest table (Romanian outcomes, a scroll bar) its room
    summary_->setObjectName(QStringLiteral("comparisonSummary"));
    summary_->setWordWrap(true);
    summary_->hide();
    status_->setObjectName(QStringLiteral("comparisonStatus"));
    status_->setText(toQt(texts.running));
    QPushButton* close = namedButton(texts.close, "close");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(stop_);
    buttons->addWidget(close);
    auto* results = new QVBoxLayout;
    results->addWidget(table_, 1);
    results->addWidget(summary_);
    auto* panes = new QHBoxLayout;
    panes->addLayout(results);
    panes->addWidget(view_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);
    resize(1100, 420);

    connect(stop_, &QPushButton::clicked, this, &ComparisonWindow::stop);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(ticker_, &QTimer::timeout, this, &ComparisonWindow::showWhereItStands);
    redraw();

    QTimer::singleShot(0, this, &ComparisonWindow::start);
}

// The methods run on a thread of their own, from the first turn of the event
// loop (a Stop before it runs none); their rows and the end come back to
// this window through its event queue. Every tenth of a second the window
// shows the method and the phase it is in.
void ComparisonWindow::start() {
    worker_ = std::thread([this] {
        ComparisonHooks hooks;
        hooks.methodStarted = [this](Method method) { method_ = static_cast<int>(method); };
        hooks.rowsReady = [this](const std::vector<ComparisonRow>& rows) {
            QMetaObject::invokeMethod(this, [this, rows] { addRows(rows); }, Qt::QueuedConnection);
        };
        const Comparison comparison = compareMethods(request_.read, request_.exact, hooks, &monitor_);
        QMetaObject::invokeMethod(this, [this, comparison] { finish(comparison); }, Qt::QueuedConnection);
    });
    ticker_->start(100);
}

// The run stops at its next step boundary, so this waits for a tenth of a
// second at most (a window closed while running normally goes only after
// its run has ended, and waits for nothing).
ComparisonWindow::~ComparisonWindow() {
    monitor_.requestStop();
    if (worker_.joinable()) worker_.join();
}

// Closed while the methods run: the window hides at once and stops the run;
// it closes for good when the run's end comes back.
void ComparisonWindow::closeEvent(QCloseEvent* event) {
    if (!running_) {
        event->accept();
        return;
    }
    closing_ = true;
    stop();
    hide();
    event->ignore();
}

QChart* ComparisonWindow::chart() const { return view_->chart(); }

void ComparisonWindow::stop() {
    monitor_.requestStop();
    stop_->setEnabled(false);
}

// "Running... lu: Factorisation: step 480 of 4000"
void ComparisonWindow::showWhereItStands() {
    if (!running_) return;
    const Method method = static_cast<Method>(method_.load());
    QString text = toQt(comparisonTexts(request_.language).running);
    if (method != Method::None) {
        text += QLatin1Char(' ') + toQt(methodName(method)) + QStringLiteral(": ") +
                toQt(progressText(monitor_.snapshot(), request_.language));
    }
    status_->setText(text);
}

void ComparisonWindow::addRows(const std::vector<ComparisonRow>& rows) {
    for (const ComparisonRow& row : rows) {
        rows_.push_back(row);
        const int at = table_->rowCount();
        table_->insertRow(at);
        const QString cells[] = {
            toQt(methodName(row.method)),
            row.rhs > 0 ? QString::number(row.rhs) : QString(),
            toQt(outcomeText(row.outcome, request_.language)),
            QString::number(row.seconds, 'E', 2),
            brief(row.residual),
            brief(row.error ? std::optional<double>(row.error->largest) : std::nullopt),
            brief(row.error ? std::optional<double>(row.error->relative) : std::nullopt),
            row.sweeps ? QString::number(*row.sweeps) : QString(),
        };
        for (int column = 0; column < 8; ++column) table_->setItem(at, column, new QTableWidgetItem(cells[column]));
    }
    redraw();
}

void ComparisonWindow::finish(const Comparison& comparison) {
    running_ = false;
    ticker_->stop();
    if (worker_.joinable()) worker_.join();
    stop_->setEnabled(false);
    const ComparisonTexts& texts = comparisonTexts(request_.language);
    status_->setText(toQt(comparison.cancelled ? texts.cancelled : texts.done));
    summary_->setText(summaryText(comparison, request_.language));
    summary_->setVisible(!summary_->text().isEmpty());
    emit ended(comparison.cancelled);
    if (closing_) close();
}

void ComparisonWindow::redraw() {
    QChart* previous = view_->chart();
    view_->setChart(comparisonChart(rows_, request_.exact.has_value(), request_.read.INVERSARE, request_.language));
    delete previous;  // the view gives up a chart it no longer shows
}

}  // namespace corvane
