// The convergence chart at its window's default size, in both languages:
// every label whole, the end markers and their words inside the chart, the
// ticks on round values, also over thirty decades of differences.

#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>

#include "dialog/qt/convergence_chart.h"
#include "dialog/qt/convergence_window.h"
#include "problem/problem_state.h"
#include "qt_test_support.h"

namespace corvane::testing {
namespace {

// Sweeps from dx = first, each `ratio` times the one before, ended as `end`.
IterationHistory sweeps(int rhsCount, int count, float first, float ratio, IterationEnd end) {
    IterationHistory history;
    for (int rhs = 1; rhs <= rhsCount; ++rhs) {
        float dx = first * static_cast<float>(rhs);
        for (int s = 1; s <= count; ++s, dx *= ratio) history.sweepDone(rhs, s, dx);
        history.rightHandSideDone(rhs, end, count, dx / ratio);
    }
    return history;
}

struct ChartCase {
    const char* name;
    IterationHistory history;
    float eps;
};

bool isWhole(double value) { return std::abs(value - std::round(value)) < 1e-9; }

TEST(ChartLabels, TheConvergenceChartShowsEveryLabelWhole) {
    const ChartCase cases[] = {
        {"tolerance reached after 15 sweeps", sweeps(1, 15, 1.0f, 0.4f, IterationEnd::Tolerance), 1e-5f},
        {"EPS = 1e-30, the limit reached", sweeps(1, 60, 1.0f, 0.35f, IterationEnd::Limit), 1e-30f},
        {"three right-hand sides diverging at sweep 7", sweeps(3, 7, 1.0f, 8.0f, IterationEnd::Divergence), 1e-6f},
        {"one sweep", sweeps(1, 1, 0.5f, 1.0f, IterationEnd::Limit), 1e-3f},
    };
    for (const ChartCase& c : cases) {
        for (int language : {kRomanian, kEnglish}) {
            ConvergenceWindow window;
            window.showRun(c.history, c.eps, language);
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            QApplication::processEvents();
            auto* view = window.findChild<QChartView*>();
            const std::string what = std::string(c.name) + (language == kEnglish ? " (EN)" : " (RO)");
            expectChartTextsWhole(*view, what);

            QChart& chart = *window.chart();
            auto* sweepAxis = qobject_cast<QValueAxis*>(chart.axes(Qt::Horizontal).value(0));
            auto* dxAxis = qobject_cast<QLogValueAxis*>(chart.axes(Qt::Vertical).value(0));
            ASSERT_TRUE(sweepAxis && dxAxis) << what;
            // Round ticks: a whole interval from 0, the axis ending on one.
            EXPECT_EQ(sweepAxis->tickAnchor(), 0) << what;
            EXPECT_TRUE(isWhole(sweepAxis->tickInterval())) << what;
            EXPECT_TRUE(isWhole(sweepAxis->max() / sweepAxis->tickInterval())) << what;
            // A label every decade or few, at most eight of them.
            const double decadesPerLabel = std::log10(dxAxis->base());
            EXPECT_TRUE(isWhole(decadesPerLabel)) << what;
            EXPECT_LE(std::log10(dxAxis->max() / dxAxis->min()) / decadesPerLabel, 8.0 + 1e-9) << what;

            // Each end marker and the words over it lie inside the plot and the chart.
            for (QAbstractSeries* series : chart.series()) {
                if (!series->objectName().endsWith(QStringLiteral(" end"))) continue;
                auto* end = static_cast<QScatterSeries*>(series);
                const QPointF at = chart.mapToPosition(end->points().front(), end);
                const double half = QFontMetricsF(end->pointLabelsFont()).horizontalAdvance(end->pointLabelsFormat()) / 2;
                EXPECT_LE(at.x() + end->markerSize() / 2, chart.plotArea().right()) << what;
                EXPECT_LE(at.x() + half, chart.size().width()) << what << ": " << end->pointLabelsFormat().toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace corvane::testing
