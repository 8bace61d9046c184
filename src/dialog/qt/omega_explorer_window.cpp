#include "dialog/qt/omega_explorer_window.h"

#include <QChartView>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

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

constexpr int kChartRoomBeyondLeast = 200;  // pixels

// The widest text each column may come to hold (its header too), in
// either language.
std::vector<QStringList> widestTexts(const std::vector<float>& omegas) {
    std::vector<QStringList> columns(4);
    for (int language : {kRomanian, kEnglish}) {
        const OmegaExplorerTexts& texts = omegaExplorerTexts(language);
        columns[1] << toQt(texts.sweepAxis);
        columns[2] << toQt(texts.outcomeColumn) << toQt(texts.notRun);
        for (IterationEnd end : {IterationEnd::Tolerance, IterationEnd::Divergence, IterationEnd::Stagnation,
                                 IterationEnd::Limit}) {
            columns[2] << toQt(outcomeText(end, language)) + QStringLiteral(" *");
        }
    }
    columns[0] << QStringLiteral("omega");
    for (float omega : omegas) columns[0] << QString::fromStdString(shortestFloatText(omega));
    columns[1] << QStringLiteral("888888");
    columns[3] << QStringLiteral("dx") << QStringLiteral("-8.88888888e-38");
    return columns;
}

// Each column as wide as the widest text it may come to hold: rows that
// come in later never widen the table and push its last column behind the
// scroll bar.
void fixColumnWidths(QTableWidget& table, const std::vector<float>& omegas) {
    const QFontMetrics cells(table.font());
    const QFontMetrics headers(table.horizontalHeader()->font());
    const int margins = 2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1) + 8;
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const std::vector<QStringList> columns = widestTexts(omegas);
    for (int column = 0; column < 4; ++column) {
        int widest = 0;
        for (const QString& text : columns[static_cast<std::size_t>(column)]) {
            widest = std::max({widest, cells.horizontalAdvance(text), headers.horizontalAdvance(text)});
        }
        table.setColumnWidth(column, widest + margins);
    }
}

}  // namespace

OmegaExplorerWindow::OmegaExplorerWindow(OmegaExplorerRequest request, QWidget* parent)
    : QWidget(parent, Qt::Window),
      request_(std::move(request)),
      table_(new QTableWidget(0, 4)),
      view_(new QChartView),
      status_(new QLabel),
      marks_(new QLabel),
      pastGrowth_(new QCheckBox),
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
    fixColumnWidths(*table_, request_.omegas);
    // As wide as its columns and the scroll bar the rows will need, so that
    // no column hides behind it.
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(480, 320);
    use_->setEnabled(false);
    pastGrowth_->setObjectName(QStringLiteral("pastGrowth"));
    marks_->setObjectName(QStringLiteral("pastGrowthNote"));
    status_->setObjectName(QStringLiteral("explorerStatus"));
    marks_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(stop_);
    buttons->addWidget(use_);
    buttons->addWidget(close_);
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
    // The chart wider than its least: its legend (up to four entries under
    // the plot) shows each entry whole.
    resize(sizeHint().width() + kChartRoomBeyondLeast, 600);

    connect(stop_, &QPushButton::clicked, this, &OmegaExplorerWindow::stop);
    connect(use_, &QPushButton::clicked, this, &OmegaExplorerWindow::useSelectedOmega);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(pastGrowth_, &QCheckBox::toggled, this, &OmegaExplorerWindow::restart);
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
    for (std::size_t k = 0; k < rows_.size(); ++k) showRowTexts(static_cast<int>(k));
    pastGrowth_->setText(toQt(texts.pastGrowth));
    marks_->setText(toQt(texts.pastGrowthNote));
    stop_->setText(toQt(texts.stop));
    use_->setText(toQt(texts.useOmega));
    close_->setText(toQt(texts.close));
    showStatus();
    redraw();
}

// While running nothing; at the end the best factor, marked when a SOLVE
// with it stops earlier, or that none reached the tolerance.
void OmegaExplorerWindow::showStatus() {
    if (running_) return;
    const OmegaExplorerTexts& texts = omegaExplorerTexts(request_.language);
    if (best_) {
        QString text = toQt(texts.bestSeries) + QStringLiteral(": ") + QString::fromStdString(shortestFloatText(*best_));
        for (const OmegaRow& row : rows_) {
            if (row.omega == *best_ && row.solveStop) text += QStringLiteral(" *");
        }
        status_->setText(text);
    } else {
        status_->setText(toQt(texts.noBest));
    }
}

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
    const QString cells[] = {QString::fromStdString(shortestFloatText(row.omega)), QString::number(row.sweeps), {},
                             QString::fromStdString(shortestFloatText(row.dx))};
    for (int column = 0; column < 4; ++column) table_->setItem(at, column, new QTableWidgetItem(cells[column]));
    showRowTexts(at);
    if (row.solveStop) marks_->show();
    table_->scrollToItem(table_->item(at, 0));
}

// The row's words in the window's language: its outcome, and for a row that
// is not the SOLVE's a "*" after it and where the SOLVE stops as its tip.
void OmegaExplorerWindow::showRowTexts(int at) {
    const OmegaRow& row = rows_[static_cast<std::size_t>(at)];
    const QString mark = row.solveStop ? QStringLiteral(" *") : QString();
    table_->item(at, 2)->setText(endText(row.end, request_.language) + mark);
    if (!row.solveStop) return;
    for (int column = 0; column < 4; ++column) {
        table_->item(at, column)->setToolTip(solveStopText(*row.solveStop, request_.language));
    }
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
