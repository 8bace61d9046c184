// The convergence chart built from a history: its points are the history's
// differences, those a logarithmic axis cannot show sit on its edges.

#include <gtest/gtest.h>

#include <QChart>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <cmath>
#include <limits>
#include <memory>

#include "dialog/qt/convergence_chart.h"
#include "problem/problem_state.h"

namespace corvane::testing {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kNan = std::numeric_limits<float>::quiet_NaN();

// b1 converges and ends at a difference of 0; b2 diverges to infinity; b3's
// sweeps went to NaN and ran into the limit.
IterationHistory threeRightHandSides() {
    IterationHistory history;
    const std::vector<float> dx[] = {{2.5f, 0.125f, 3e-6f, 0.0f}, {1.0f, 40.0f, kInfinity}, {0.5f, kNan}};
    const IterationEnd ends[] = {IterationEnd::Tolerance, IterationEnd::Divergence, IterationEnd::Limit};
    for (int rhs = 1; rhs <= 3; ++rhs) {
        const std::vector<float>& sweeps = dx[rhs - 1];
        for (std::size_t s = 0; s < sweeps.size(); ++s) history.sweepDone(rhs, static_cast<int>(s + 1), sweeps[s]);
        history.rightHandSideDone(rhs, ends[rhs - 1], static_cast<int>(sweeps.size()), sweeps.back());
    }
    return history;
}

std::vector<QXYSeries*> seriesNamed(const QChart& chart, const QString& objectName) {
    std::vector<QXYSeries*> found;
    for (QAbstractSeries* series : chart.series()) {
        if (series->objectName() == objectName) found.push_back(static_cast<QXYSeries*>(series));
    }
    return found;
}

QXYSeries* line(const QChart& chart, const QString& legend) {
    for (QAbstractSeries* series : chart.series()) {
        if (series->name() == legend) return static_cast<QXYSeries*>(series);
    }
    return nullptr;
}

QList<QPointF> edgePoints(const QChart& chart, int rhs) {
    QList<QPointF> points;
    for (QXYSeries* series : seriesNamed(chart, edgeMarkersName(rhs))) points += series->points();
    std::sort(points.begin(), points.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    return points;
}

class ConvergenceChartTest : public ::testing::Test {
protected:
    IterationHistory history = threeRightHandSides();
    std::unique_ptr<QChart> chart{convergenceChart(history, 1e-5f, kRomanian)};
    QLogValueAxis* axis = qobject_cast<QLogValueAxis*>(chart->axes(Qt::Vertical).value(0));
};

TEST_F(ConvergenceChartTest, OneLinePerRightHandSideWithTheHistorysFiniteDifferences) {
    ASSERT_NE(axis, nullptr);
    const QList<QPointF> expected[] = {{{1, 2.5f}, {2, 0.125f}, {3, 3e-6f}}, {{1, 1.0f}, {2, 40.0f}}, {{1, 0.5f}}};
    for (int rhs = 1; rhs <= 3; ++rhs) {
        QXYSeries* series = line(*chart, QStringLiteral("b%1").arg(rhs));
        ASSERT_NE(series, nullptr) << rhs;
        EXPECT_EQ(series->points(), expected[rhs - 1]) << "b" << rhs;
    }
    QStringList legend;  // the markers on the edges and at the ends have no name of their own
    for (QAbstractSeries* series : chart->series()) {
        if (!series->name().isEmpty()) legend << series->name();
    }
    EXPECT_EQ(legend, (QStringList{"b1", "b2", "b3", "EPS"}));
}

TEST_F(ConvergenceChartTest, ZeroInfiniteAndNanDifferencesAreMarkersOnTheAxisEdges) {
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->min(), 1e-6) << "the decade below the smallest difference";
    EXPECT_EQ(axis->max(), 100.0) << "the decade above the largest finite one";
    EXPECT_EQ(edgePoints(*chart, 1), (QList<QPointF>{{4, axis->min()}}));
    EXPECT_EQ(edgePoints(*chart, 2), (QList<QPointF>{{3, axis->max()}}));
    EXPECT_EQ(edgePoints(*chart, 3), (QList<QPointF>{{2, axis->max()}}));
}

TEST_F(ConvergenceChartTest, EachEndIsMarkedWithItsOutcomeInTheLanguage) {
    const struct {
        int rhs;
        QPointF at;
        QString romanian;
    } cases[] = {
        {1, {4, 1e-6}, "Toleranta atinsa"},
        {2, {3, 100}, "oprit: dx a crescut"},  // the report's "Divergenta": a stop, also while converging
        {3, {2, 100}, "Numar de iteratii depasit"},
    };
    for (const auto& c : cases) {
        const std::vector<QXYSeries*> end = seriesNamed(*chart, endMarkerName(c.rhs));
        ASSERT_EQ(end.size(), 1u) << c.rhs;
        EXPECT_EQ(end.front()->points(), QList<QPointF>{c.at}) << c.rhs;
        EXPECT_EQ(end.front()->pointLabelsFormat(), c.romanian);
        EXPECT_TRUE(end.front()->pointLabelsVisible());
    }
    std::unique_ptr<QChart> english(convergenceChart(history, 1e-5f, kEnglish));
    EXPECT_EQ(seriesNamed(*english, endMarkerName(2)).front()->pointLabelsFormat(), QStringLiteral("stopped: dx grew"));
}

TEST_F(ConvergenceChartTest, EpsIsAHorizontalLineAcrossTheSweeps) {
    const std::vector<QXYSeries*> eps = seriesNamed(*chart, QString::fromLatin1(kEpsLineName));
    ASSERT_EQ(eps.size(), 1u);
    EXPECT_EQ(eps.front()->points(), (QList<QPointF>{{1, 1e-5f}, {4, 1e-5f}}));

    std::unique_ptr<QChart> withoutEps(convergenceChart(history, 0.0f, kRomanian));
    EXPECT_TRUE(seriesNamed(*withoutEps, QString::fromLatin1(kEpsLineName)).empty())
        << "an EPS of 0 has no place on a logarithmic axis";
}

}  // namespace
}  // namespace corvane::testing
