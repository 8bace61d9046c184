#include "dialog/qt/omega_explorer_window.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/iteration_history.h"
#include "dialog/chart_texts.h"
#include "dialog/qt/omega_chart.h"
#include "dialog/qt/program_icon.h"
#include "dialog/qt/qt_text.h"

namespace corvane {
namespace {

QString endText(const std::optional<IterationEnd>& end, int language) {
    return toQt(end ? outcomeText(*end, language) : omegaExplorerTexts(language).notRun);
}

}  // namespace

OmegaExplorerWindow::OmegaExplorerWindow(OmegaExplorerRequest request, QWidget* parent)
    : QWidget(parent, Qt::Window),
      request_(std::move(request)),
      table_(new QTableWidget(0, 4)),
      view_(new QChartView),
      status_(new QLabel),
      stop_(namedButton({}, "stop")),
      use_(namedButton({}, "useOmega")),
      close_(namedButton({}, "close")) {
    setObjectName(QStringLiteral("omegaExplorerWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(programIcon());
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // As wide as its columns and the scroll bar the rows will need, so that
    // no column hides behind it.
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(480, 320);
    use_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(stop_);
    buttons->addWidget(use_);
    buttons->addWidget(close_);
    auto* panes = new QHBoxLayout;
    panes->addWidget(table_);
    panes->addWidget(view_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);

    connect(stop_, &QPushButton::clicked, this, &OmegaExplorerWindow::stop);
    connect(use_, &QPushButton::clicked, this, &OmegaExplorerWindow::useSelectedOmega);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { use_->setEnabled(!table_->selectedItems().isEmpty()); });
    showTexts();
    QTimer::singleShot(0, this, &OmegaExplorerWindow::runNextFactor);
}

QChart* OmegaExplorerWindow::chart() const { return view_->chart(); }

void OmegaExplorerWindow::setLanguage(int language) {
    request_.language = language;
    showTexts();
}

void OmegaExplorerWindow::showTexts() {
    const OmegaExplorerTexts& texts = omegaExplorerTexts(request_.language);
    setWindowTitle(toQt(texts.windowTitle));
    table_->setHorizontalHeaderLabels({QStringLiteral("omega"), toQt(texts.sweepAxis), toQt(texts.outcomeColumn),
                                       QStringLiteral("dx")});
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        table_->item(static_cast<int>(k), 2)->setText(endText(rows_[k].end, request_.language));
    }
    stop_->setText(toQt(texts.stop));
    use_->setText(toQt(texts.useOmega));
    close_->setText(toQt(texts.close));
    showStatus();
    redraw();
}

// While running nothing; at the end the best factor, or that none reached the tolerance.
void OmegaExplorerWindow::showStatus() {
    if (running_) return;
    const OmegaExplorerTexts& texts = omegaExplorerTexts(request_.language);
    if (best_) {
        status_->setText(toQt(texts.bestSeries) + QStringLiteral(": ") + QString::fromStdString(shortestFloatText(*best_)));
    } else {
        status_->setText(toQt(texts.noBest));
    }
}

void OmegaExplorerWindow::stop() {
    if (running_) finish();
}

// One factor per turn of the event loop; the next turn comes only while running.
void OmegaExplorerWindow::runNextFactor() {
    if (!running_) return;
    if (rows_.size() == request_.omegas.size()) {
        finish();
        return;
    }
    addRow(exploreOmega(request_.read, {request_.omegas[rows_.size()]}).front());
    redraw();
    QTimer::singleShot(0, this, &OmegaExplorerWindow::runNextFactor);
}

void OmegaExplorerWindow::addRow(const OmegaRow& row) {
    rows_.push_back(row);
    const int at = table_->rowCount();
    table_->insertRow(at);
    const QString cells[] = {QString::fromStdString(shortestFloatText(row.omega)), QString::number(row.sweeps),
                             endText(row.end, request_.language), QString::fromStdString(shortestFloatText(row.dx))};
    for (int column = 0; column < 4; ++column) table_->setItem(at, column, new QTableWidgetItem(cells[column]));
    table_->scrollToItem(table_->item(at, 0));
}

void OmegaExplorerWindow::finish() {
    running_ = false;
    stop_->setEnabled(false);
    best_ = bestOmega(rows_);
    if (best_) {
        for (std::size_t k = 0; k < rows_.size(); ++k) {
            if (rows_[k].omega == *best_) table_->selectRow(static_cast<int>(k));
        }
    }
    showStatus();
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
