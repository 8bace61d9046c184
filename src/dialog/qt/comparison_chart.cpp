#include "dialog/qt/comparison_chart.h"

#include <QBarCategoryAxis>
#include <QHorizontalBarSeries>
#include <QBarSet>
#include <QLogValueAxis>
#include <algorithm>
#include <cmath>

#include "dialog/chart_texts.h"
#include "dialog/qt/qt_text.h"

namespace corvane {
namespace {

QString categoryOf(const ComparisonRow& row) {
    QString name = toQt(methodName(row.method));
    if (row.rhs > 0) name += QStringLiteral(" #") + QString::number(row.rhs);
    return name;
}

constexpr double kMostValueLabels = 6;  // on the value axis, so that each shows whole
// The axis begins this share of a label's step before its first label: a
// label on the very end of the axis would stand half outside the plot, and
// the chart leaves it out.
constexpr double kRoomBeforeFirstLabel = 0.25;

// The first label of the axis: a decade below the smallest value above 0.
double axisFoot(const std::vector<double>& values) {
    double smallest = 0.0;
    for (double v : values)
        if (v > 0.0 && (smallest == 0.0 || v < smallest)) smallest = v;
    return smallest > 0.0 ? std::pow(10.0, std::floor(std::log10(smallest)) - 1.0) : 1.0e-8;
}

// The logarithmic axis of the values: a label every decade or few, from a
// decade below the smallest value above 0 to above the largest, with a
// little room before the first label.
struct ValueScale {
    double start;
    double end;
    double decadesPerLabel;
};

ValueScale valueScale(const std::vector<double>& values) {
    const double foot = axisFoot(values);
    double top = foot * 10.0;
    for (double v : values) top = std::max(top, v);
    const double footDecade = std::log10(foot);
    const double topDecade = std::ceil(std::log10(top)) + 1;
    const double step = std::max(1.0, std::ceil((topDecade - footDecade) / kMostValueLabels));
    return {std::pow(10.0, footDecade - kRoomBeforeFirstLabel * step),
            std::pow(10.0, footDecade + std::ceil((topDecade - footDecade) / step) * step), step};
}

}  // namespace

std::optional<double> chartedValue(const ComparisonRow& row, bool errors) {
    if (errors) return row.error ? std::optional<double>(row.error->largest) : std::nullopt;
    return row.residual;
}

QChart* comparisonChart(const std::vector<ComparisonRow>& rows, bool errors, bool inverse, int language) {
    const ComparisonTexts& texts = comparisonTexts(language);
    const ComparedQuantityTexts& quantities = comparedQuantityTexts(language, inverse);
    const QString axis = toQt(errors ? quantities.errorAxis : quantities.residualAxis);
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setTitle(axis);

    // Horizontal bars, each method's name beside its bar with the width it
    // needs. The first category is drawn at the foot of the chart: the rows
    // go in from the last, so that the first method stands on top.
    std::vector<double> values;
    QStringList categories;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        const std::optional<double> value = chartedValue(*row, errors);
        if (!value || !std::isfinite(*value)) continue;
        values.push_back(*value);
        categories << categoryOf(*row);
    }
    const ValueScale range = valueScale(values);
    auto* bars = new QBarSet(axis);
    for (double v : values) bars->append(std::max(v, range.start));
    auto* series = new QHorizontalBarSeries;
    series->setObjectName(QString::fromLatin1(kComparisonBarsName));
    series->append(bars);
    chart->addSeries(series);

    auto* methods = new QBarCategoryAxis;
    methods->append(categories);
    auto* scale = new QLogValueAxis;
    scale->setBase(std::pow(10.0, range.decadesPerLabel));
    scale->setLabelFormat(QStringLiteral("%.0e"));
    scale->setRange(range.start, range.end);
    if (std::find(values.begin(), values.end(), 0.0) != values.end()) scale->setTitleText(toQt(texts.zeroNote));
    chart->addAxis(methods, Qt::AlignLeft);
    chart->addAxis(scale, Qt::AlignBottom);
    series->attachAxis(methods);
    series->attachAxis(scale);
    return chart;
}

}  // namespace corvane
