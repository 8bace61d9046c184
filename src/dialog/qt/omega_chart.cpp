#include "dialog/qt/omega_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <vector>

#include "app/iteration_history.h"
#include "textio/decimal_text.h"
#include "dialog/chart_texts.h"
#include "dialog/qt/qt_text.h"

namespace corvane {
namespace {

template <typename Series>
Series* named(const char* objectName, std::string_view legend) {
    auto* series = new Series;
    series->setObjectName(QString::fromLatin1(objectName));
    series->setName(toQt(legend));
    return series;
}

// The axes span every row with a margin, and never less than one sweep or a tenth of ω.
void setRanges(QValueAxis& x, QValueAxis& y, const std::vector<OmegaRow>& rows) {
    double low = 0, high = 2;
    int sweeps = 1;
    if (!rows.empty()) {
        const auto [first, last] = std::minmax_element(rows.begin(), rows.end(),
                                                       [](const OmegaRow& a, const OmegaRow& b) { return a.omega < b.omega; });
        const double margin = std::max(0.05, (last->omega - first->omega) * 0.05);
        low = first->omega - margin;
        high = last->omega + margin;
    }
    for (const OmegaRow& row : rows) sweeps = std::max(sweeps, row.sweeps);
    x.setRange(low, high);
    y.setRange(0, sweeps * 1.1);
    y.applyNiceNumbers();
}

}  // namespace

QChart* omegaChart(const std::vector<OmegaRow>& rows, std::optional<float> best, int language) {
    const OmegaExplorerTexts& texts = omegaExplorerTexts(language);
    auto* chart = new QChart;
    chart->setTitle(toQt(texts.windowTitle));
    auto* x = new QValueAxis;
    x->setTitleText(toQt(texts.omegaAxis));
    auto* y = new QValueAxis;
    y->setTitleText(toQt(texts.sweepAxis));
    y->setLabelFormat(QStringLiteral("%d"));
    setRanges(*x, *y, rows);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    auto* converged = named<QLineSeries>(kConvergedSeriesName, texts.sweepsSeries);
    converged->setPointsVisible(true);
    auto* others = named<QScatterSeries>(kNotConvergedSeriesName, texts.notConvergedSeries);
    others->setMarkerSize(8);
    auto* bestMark = named<QScatterSeries>(kBestSeriesName, texts.bestSeries);
    bestMark->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    bestMark->setMarkerSize(14);
    auto* pastGrowth = named<QScatterSeries>(kPastGrowthSeriesName, texts.pastGrowthSeries);
    pastGrowth->setMarkerSize(18);
    pastGrowth->setColor(Qt::transparent);  // a ring around the row's own marker
    pastGrowth->setBorderColor(Qt::darkMagenta);
    for (const OmegaRow& row : rows) {
        const QPointF point(row.omega, row.sweeps);
        (row.end == IterationEnd::Tolerance ? static_cast<QXYSeries*>(converged) : others)->append(point);
        if (best && row.omega == *best) bestMark->append(point);
        if (row.solveStop) pastGrowth->append(point);
    }
    if (best) {
        const QString value = QString::fromStdString(shortestFloatText(*best));
        bestMark->setName(toQt(texts.bestSeries) + QStringLiteral(" = ") + value);
        bestMark->setPointLabelsFormat(QStringLiteral("ω = ") + value);
        bestMark->setPointLabelsVisible(true);
        bestMark->setPointLabelsClipping(false);
    }
    std::vector<QXYSeries*> shown{converged, others, bestMark};
    if (pastGrowth->count() > 0) shown.push_back(pastGrowth);
    else delete pastGrowth;
    for (QXYSeries* series : shown) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

}  // namespace corvane
