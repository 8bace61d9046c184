#include "dialog/qt/convergence_window.h"

#include <QChartView>
#include <QVBoxLayout>

#include "dialog/chart_texts.h"
#include "dialog/qt/chart_file.h"
#include "dialog/qt/convergence_chart.h"
#include "dialog/qt/program_icon.h"

namespace corvane {

ConvergenceWindow::ConvergenceWindow(QWidget* parent) : QWidget(parent, Qt::Window), view_(new QChartView) {
    setObjectName(QStringLiteral("convergenceWindow"));
    setWindowIcon(programIcon());
    view_->setRenderHint(QPainter::Antialiasing);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    resize(kDefaultChartSize);
}

void ConvergenceWindow::showRun(const IterationHistory& history, float eps, int language) {
    history_ = history;
    eps_ = eps;
    QChart* previous = view_->chart();
    view_->setChart(convergenceChart(history, eps, language));
    delete previous;  // the view gives up a chart it no longer shows
    const std::string_view title = convergenceChartTexts(language).windowTitle;
    setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}

void ConvergenceWindow::setLanguage(int language) { showRun(IterationHistory(history_), eps_, language); }

QChart* ConvergenceWindow::chart() const { return view_->chart(); }

}  // namespace corvane
