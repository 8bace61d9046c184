#include "dialog/qt/omega_explorer_window.h"

#include <QChartView>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/iteration_history.h"
#include "textio/decimal_text.h"
#include "dialog/chart_texts.h"
#include "dialog/qt/omega_chart.h"
#include "dialog/qt/program_icon.h"
#include "dialog/qt/qt_text.h"

namespace corvane {
namespace {

QString endText(const std::optional<IterationEnd>& end, int language) {
    return toQt(end ? outcomeText(*end, language) : omegaExplorerTexts(language).notRun);
}

// "A SOLVE ends at sweep 18 (stopped: dx grew)"
QString solveStopText(const SolveStop& stop, int language) {
    return toQt(omegaExplorerTexts(language).solveStopsAt)
        .replace(QStringLiteral("%1"), QString::number(stop.sweep))
        .replace(QStringLiteral("%2"), toQt(outcomeText(stop.end, language)));
}

}  // namespace

OmegaExplorerWindow::OmegaExplorerWindow(OmegaExplorerRequest request, QWidget* parent)
    : QWidget(parent, Qt::Window),
      request_(std::move(request)),
      table_(new QTableWidget(0, 4)),
      view_(new QChartView),
      status_(new QLabel),
      marks_(new QLabel),
      pastGrowth_(new QCheckBox(toQt(omegaExplorerTexts(request_.language).pastGrowth))),
      stop_(namedButton(omegaExplorerTexts(request_.language).stop, "stop")),
      use_(namedButton(omegaExplorerTexts(request_.language).useOmega, "useOmega")) {
    const OmegaExplorerTexts& texts = omegaExplorerTexts(request_.language);
    setObjectName(QStringLiteral("omegaExplorerWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQt(texts.windowTitle));
    setWindowIcon(programIcon());
    table_->setHorizontalHeaderLabels({QStringLiteral("omega"), toQt(texts.sweepAxis), toQt(texts.outcomeColumn),
                                       QStringLiteral("dx")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(480, 320);
    use_->setEnabled(false);
    pastGrowth_->setObjectName(QStringLiteral("pastGrowth"));
    marks_->setObjectName(QStringLiteral("pastGrowthNote"));
    status_->setObjectName(QStringLiteral("explorerStatus"));
    marks_->setText(toQt(texts.pastGrowthNote));
    marks_->hide();
    QPushButton* close = namedButton(texts.close, "close");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(stop_);
    buttons->addWidget(use_);
    buttons->addWidget(close);
    auto* panes = new QHBoxLayout;
    panes->addWidget(table_);
    panes->addWidget(view_, 1);
    auto* options = new QHBoxLayout;
    options->addWidget(pastGrowth_);
    options->addWidget(marks_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(options);
    layout->addLayout(buttons);

    connect(stop_, &QPushButton::clicked, this, &OmegaExplorerWindow::stop);
    connect(use_, &QPushButton::clicked, this, &OmegaExplorerWindow::useSelectedOmega);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(pastGrowth_, &QCheckBox::toggled, this, &OmegaExplorerWindow::restart);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { use_->setEnabled(!table_->selectedItems().isEmpty()); });
    redraw();
    QTimer::singleShot(0, this, &OmegaExplorerWindow::runNextFactor);
}

QChart* OmegaExplorerWindow::chart() const { return view_->chart(); }

void OmegaExplorerWindow::stop() {
    if (running_) finish();
}

// The check box changed how the factors run: every factor again, from the
// first, the rows of the other way taken away.
void OmegaExplorerWindow::restart() {
    rows_.clear();
    best_.reset();
    table_->setRowCount(0);
    marks_->hide();
    status_->clear();
    stop_->setEnabled(true);
    use_->setEnabled(false);
    redraw();
    if (running_) return;  // the next turn is already on its way
    running_ = true;
    QTimer::singleShot(0, this, &OmegaExplorerWindow::runNextFactor);
}

// One factor per turn of the event loop; the next turn comes only while running.
void OmegaExplorerWindow::runNextFactor() {
    if (!running_) return;
    if (rows_.size() == request_.omegas.size()) {
        finish();
        return;
    }
    const GrowthTest growth = pastGrowth_->isChecked() ? GrowthTest::PassedOver : GrowthTest::Stops;
    addRow(exploreOmega(request_.read, {request_.omegas[rows_.size()]}, {}, {}, growth).front());
    redraw();
    QTimer::singleShot(0, this, &OmegaExplorerWindow::runNextFactor);
}

void OmegaExplorerWindow::addRow(const OmegaRow& row) {
    rows_.push_back(row);
    const int at = table_->rowCount();
    table_->insertRow(at);
    // A row that is not the SOLVE's: "*" after its outcome, and where the SOLVE stops as its tip.
    const QString mark = row.solveStop ? QStringLiteral(" *") : QString();
    const QString cells[] = {QString::fromStdString(shortestFloatText(row.omega)), QString::number(row.sweeps),
                             endText(row.end, request_.language) + mark,
                             QString::fromStdString(shortestFloatText(row.dx))};
    for (int column = 0; column < 4; ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (row.solveStop) item->setToolTip(solveStopText(*row.solveStop, request_.language));
        table_->setItem(at, column, item);
    }
    if (row.solveStop) marks_->show();
    table_->scrollToItem(table_->item(at, 0));
}

void OmegaExplorerWindow::finish() {
    running_ = false;
    stop_->setEnabled(false);
    best_ = bestOmega(rows_);
    const OmegaExplorerTexts& texts = omegaExplorerTexts(request_.language);
    if (best_) {
        QString text = toQt(texts.bestSeries) + QStringLiteral(": ") + QString::fromStdString(shortestFloatText(*best_));
        for (std::size_t k = 0; k < rows_.size(); ++k) {
            if (rows_[k].omega != *best_) continue;
            table_->selectRow(static_cast<int>(k));
            if (rows_[k].solveStop) text += QStringLiteral(" *");  // a SOLVE with it stops earlier
        }
        status_->setText(text);
    } else {
        status_->setText(toQt(texts.noBest));
    }
    redraw();
}

void OmegaExplorerWindow::redraw() {
    QChart* previous = view_->chart();
    view_->setChart(omegaChart(rows_, best_, request_.language));
    delete previous;  // the view gives up a chart it no longer shows
}

void OmegaExplorerWindow::useSelectedOmega() {
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    if (selected.isEmpty()) return;
    request_.useOmega(rows_[static_cast<std::size_t>(selected.first()->row())].omega);
}

}  // namespace corvane
