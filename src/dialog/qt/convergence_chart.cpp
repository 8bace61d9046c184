#include "dialog/qt/convergence_chart.h"

#include <QChart>
#include <QFont>
#include <QFontMetricsF>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "dialog/chart_texts.h"
#include "dialog/qt/chart_ticks.h"
#include "dialog/qt/chart_file.h"
#include "dialog/qt/qt_text.h"

namespace corvane {
namespace {

bool onLogarithmicAxis(double value) { return std::isfinite(value) && value > 0; }

// Whole decades around every difference and EPS the axis shows (at least
// one), with a little room below the lowest. Its labels fall on every decade, or on every second, fifth, tenth ... when
// there are more than kMostDecadeLabels decades, so that each shows whole.
struct DecadeRange {
    double low = 0.1;
    double high = 10;
    double decadesPerLabel = 1;
};

constexpr int kMostDecadeLabels = 8;
// The axis reaches this share of a label's step below its lowest label:
// a label on the very foot of the axis would stand half below the plot,
// and the chart leaves it out.
constexpr double kRoomBelowLowestLabel = 0.25;

// 1, 2 or 5 times a power of ten decades between two labels.
double decadesPerLabel(double decades) {
    for (double step = 1;; step *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            if (decades / (factor * step) <= kMostDecadeLabels) return factor * step;
        }
    }
}

DecadeRange decadesAround(const IterationHistory& history, float eps) {
    double low = std::numeric_limits<double>::infinity(), high = 0;
    auto include = [&](double value) {
        if (!onLogarithmicAxis(value)) return;
        low = std::min(low, value);
        high = std::max(high, value);
    };
    include(eps);
    for (const RightHandSideHistory& side : history.rightHandSides()) {
        for (float dx : side.dx) include(dx);
    }
    if (high == 0) return {};
    double lowDecade = std::floor(std::log10(low)), highDecade = std::ceil(std::log10(high));
    if (lowDecade >= highDecade) highDecade = lowDecade + 1;
    // A label every `step` decades, the ends on labels too.
    const double step = decadesPerLabel(highDecade - lowDecade);
    lowDecade = std::floor(lowDecade / step) * step;
    highDecade = std::ceil(highDecade / step) * step;
    return {std::pow(10.0, lowDecade - kRoomBelowLowestLabel * step), std::pow(10.0, highDecade), step};
}

// Where a difference is drawn: at its value, or on the edge of the axis.
double shownAt(float dx, const DecadeRange& range) {
    if (onLogarithmicAxis(dx)) return dx;
    return std::isnan(dx) || std::isinf(dx) ? range.high : range.low;
}

void hideFromLegend(QChart& chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(false);
}

// A series of markers in the colour of its line, each labelled with `label`.
QScatterSeries* markers(const QString& objectName, QColor colour, const QString& label, qreal size) {
    auto* series = new QScatterSeries;
    series->setObjectName(objectName);
    series->setColor(colour);
    series->setBorderColor(colour);
    series->setMarkerSize(size);
    series->setPointLabelsFormat(label);
    series->setPointLabelsVisible(!label.isEmpty());
    series->setPointLabelsClipping(false);
    return series;
}

void attach(QChart& chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

void addRightHandSide(QChart& chart, int rhs, const RightHandSideHistory& side, const DecadeRange& range,
                      int language, QAbstractAxis* x, QAbstractAxis* y) {
    const ConvergenceChartTexts& texts = convergenceChartTexts(language);
    auto* line = new QLineSeries;
    line->setName(QStringLiteral("b%1").arg(rhs));
    line->setPointsVisible(true);
    QScatterSeries* below = markers(edgeMarkersName(rhs), QColor(), toQt(texts.notShownBelow), 9);
    QScatterSeries* above = markers(edgeMarkersName(rhs), QColor(), toQt(texts.notShownAbove), 9);
    for (std::size_t s = 0; s < side.dx.size(); ++s) {
        const float dx = side.dx[s];
        const QPointF point(static_cast<double>(s + 1), shownAt(dx, range));
        if (onLogarithmicAxis(dx)) line->append(point);
        else (shownAt(dx, range) == range.high ? above : below)->append(point);
    }
    attach(chart, line, x, y);
    const QColor colour = line->color();
    for (QScatterSeries* edge : {below, above}) {
        if (edge->count() == 0) {
            delete edge;
            continue;
        }
        edge->setColor(colour);
        edge->setBorderColor(colour);
        attach(chart, edge, x, y);
        hideFromLegend(chart, edge);
    }
    if (!side.end || side.dx.empty()) return;
    QScatterSeries* end = markers(endMarkerName(rhs), colour, toQt(outcomeText(*side.end, language)), 13);
    end->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    end->append(static_cast<double>(side.dx.size()), shownAt(side.dx.back(), range));
    attach(chart, end, x, y);
    hideFromLegend(chart, end);
}

// The labels the chart may draw over its last sweep: how each right-hand
// side ended, and the edge markers' words.
QStringList labelsAtTheEnd(const IterationHistory& history, int language) {
    const ConvergenceChartTexts& texts = convergenceChartTexts(language);
    QStringList labels{toQt(texts.notShownBelow), toQt(texts.notShownAbove)};
    for (const RightHandSideHistory& side : history.rightHandSides()) {
        if (side.end) labels << toQt(outcomeText(*side.end, language));
    }
    return labels;
}

// The sweep axis ends on a tick beyond the last sweep, far enough for the
// end markers and their labels (centred over the marker) to show whole at
// the chart's default size.
struct SweepAxis {
    double end;
    double tickInterval;
};

SweepAxis sweepAxis(double lastSweep, const QStringList& labels) {
    constexpr double kPlotShare = 0.75;  // of the chart's width: the rest holds the y axis and the margins
    constexpr double kMarkerRoom = 10;   // pixels: half an end marker, and a gap
    const QFontMetricsF metrics{QFont()};
    double widest = 0;
    for (const QString& label : labels) widest = std::max(widest, metrics.horizontalAdvance(label));
    const double share = (widest / 2 + kMarkerRoom) / (kDefaultChartSize.width() * kPlotShare);
    const double end = (lastSweep - share) / (1 - share);
    const double interval = roundTickInterval(end, {1.0, 2.0, 5.0}, 1.0);
    return {std::max(std::ceil(end / interval), std::floor(lastSweep / interval) + 1) * interval, interval};
}

}  // namespace

QString edgeMarkersName(int rhs) { return QStringLiteral("b%1 edge").arg(rhs); }
QString endMarkerName(int rhs) { return QStringLiteral("b%1 end").arg(rhs); }

QChart* convergenceChart(const IterationHistory& history, float eps, int language) {
    const ConvergenceChartTexts& texts = convergenceChartTexts(language);
    auto* chart = new QChart;
    chart->setTitle(toQt(texts.windowTitle));
    const DecadeRange range = decadesAround(history, eps);
    std::size_t sweeps = 1;
    for (const RightHandSideHistory& side : history.rightHandSides()) sweeps = std::max(sweeps, side.dx.size());
    const double lastSweep = static_cast<double>(std::max<std::size_t>(sweeps, 2));

    auto* x = new QValueAxis;
    x->setTitleText(toQt(texts.sweepAxis));
    const SweepAxis sweepRange = sweepAxis(lastSweep, labelsAtTheEnd(history, language));
    x->setRange(1, sweepRange.end);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(sweepRange.tickInterval);
    auto* y = new QLogValueAxis;
    y->setBase(std::pow(10.0, range.decadesPerLabel));
    y->setTitleText(toQt(texts.differenceAxis));
    y->setLabelFormat(QStringLiteral("%.0e"));
    y->setRange(range.low, range.high);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    const std::vector<RightHandSideHistory>& sides = history.rightHandSides();
    for (std::size_t k = 0; k < sides.size(); ++k) {
        addRightHandSide(*chart, static_cast<int>(k + 1), sides[k], range, language, x, y);
    }
    if (onLogarithmicAxis(eps)) {
        auto* level = new QLineSeries;
        level->setObjectName(QString::fromLatin1(kEpsLineName));
        level->setName(toQt(texts.epsLine));
        level->append(1, eps);
        level->append(lastSweep, eps);
        QPen pen(Qt::darkGray, 1.5, Qt::DashLine);
        level->setPen(pen);
        attach(*chart, level, x, y);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

}  // namespace corvane
