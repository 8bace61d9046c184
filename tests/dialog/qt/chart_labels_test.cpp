// The charts at their windows' default sizes, in both languages: every
// label whole, the ticks on round values. The convergence chart keeps its end
// markers and their words inside the chart, also over thirty decades of
// differences; the comparison names every method whole and apart; the
// explorer's table shows its last column beside the scroll bar.

#include <gtest/gtest.h>

#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QScrollBar>
#include <QTableWidget>
#include <QValueAxis>
#include <cmath>
#include <memory>
#include <set>

#include "app/option_rules.h"
#include "dialog/qt/comparison_window.h"
#include "dialog/qt/convergence_chart.h"
#include "dialog/qt/convergence_window.h"
#include "dialog/qt/omega_chart.h"
#include "dialog/qt/omega_explorer_window.h"
#include "problem/input_file.h"
#include "problem/problem_state.h"
#include "qt_test_support.h"
#include "support/recording_messages.h"

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

// 1, 2, 2.5 or 5 times a power of ten.
bool isRoundStep(double step) {
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    for (double round : {1.0, 2.0, 2.5, 5.0}) {
        if (std::abs(mantissa - round) < 1e-9) return true;
    }
    return false;
}

QAbstractSeries* seriesNamed(QChart& chart, const char* objectName) {
    for (QAbstractSeries* series : chart.series()) {
        if (series->objectName() == QLatin1String(objectName)) return series;
    }
    return nullptr;
}

// The texts of the view's scene that show.
QStringList visibleTexts(QChartView& view) {
    QStringList texts;
    for (QGraphicsItem* item : view.scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (text != nullptr && item->isVisible()) texts << text->toPlainText();
    }
    return texts;
}

// Where a text of the view's scene begins from the top; the view's height when it does not show.
double textTop(QChartView& view, const QString& wanted) {
    for (QGraphicsItem* item : view.scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (text != nullptr && item->isVisible() && text->toPlainText() == wanted) return item->sceneBoundingRect().top();
    }
    return view.height();
}

std::string languageName(int language) { return language == kEnglish ? " (EN)" : " (RO)"; }

// A symmetric, diagonally dominant system of order 3 with two right-hand
// sides, read for `method` with EPS, NLIM and OMEGA given: every method runs on it.
ProblemState readSystem(Method method) {
    ProblemState read;
    INITIALIZEDATA(read);
    RecordingMessages messages;
    chooseMethod(read, method, messages);
    read.EPS_TEXT = "1e-5";
    read.NLIM_TEXT = "200";
    read.OMEGA_TEXT = "1.1";
    EXPECT_TRUE(readProblemText(read, "Sistem 3 x 3\r\n3 2\r\n 4 1 0\r\n 1 4 1\r\n 0 1 4\r\n 5 6 5\r\n 1 2 3\r\n",
                                messages));
    return read;
}

void showAndWait(QWidget& window) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
}

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
            const std::string what = c.name + languageName(language);
            expectChartTextsWhole(*view, what);

            QChart& chart = *window.chart();
            auto* sweepAxis = qobject_cast<QValueAxis*>(chart.axes(Qt::Horizontal).value(0));
            auto* dxAxis = qobject_cast<QLogValueAxis*>(chart.axes(Qt::Vertical).value(0));
            ASSERT_TRUE(sweepAxis && dxAxis) << what;
            // Round ticks: a whole interval from 0, the axis ending on one.
            EXPECT_EQ(sweepAxis->tickAnchor(), 0) << what;
            EXPECT_TRUE(isWhole(sweepAxis->tickInterval())) << what;
            EXPECT_TRUE(isWhole(sweepAxis->max() / sweepAxis->tickInterval())) << what;
            // A label every decade or few, at most eight of them, the lowest and the highest shown too.
            const double decadesPerLabel = std::log10(dxAxis->base());
            EXPECT_TRUE(isWhole(decadesPerLabel)) << what;
            const double lowest = std::ceil(std::log10(dxAxis->min()) / decadesPerLabel - 1e-9) * decadesPerLabel;
            const double highest = std::log10(dxAxis->max());
            EXPECT_TRUE(isWhole(highest / decadesPerLabel)) << what;
            EXPECT_LE((highest - lowest) / decadesPerLabel + 1, 8.0 + 1e-9) << what;
            const QStringList shown = visibleTexts(*view);
            for (double decade = lowest; decade <= highest + 1e-9; decade += decadesPerLabel) {
                const QString label = QString::asprintf("%.0e", std::pow(10.0, decade));
                EXPECT_TRUE(shown.contains(label)) << what << ": no label " << label.toStdString();
            }

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

// Each bar named by its method and right-hand side, whole and apart from
// the others (gauss and gauss-seidel alike), the quantity in the title, a
// label every decade or few on the value axis.
TEST(ChartLabels, TheComparisonChartNamesEveryBarWhole) {
    ComparisonWindow window({readSystem(Method::Gauss), std::nullopt, kRomanian});
    showAndWait(window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.running(); }, 30000));
    for (int language : {kRomanian, kEnglish}) {
        window.setLanguage(language);
        QApplication::processEvents();
        const std::string what = "comparison" + languageName(language);
        expectChartTextsWhole(*window.findChild<QChartView*>(), what);

        QChart& chart = *window.chart();
        auto* methods = qobject_cast<QBarCategoryAxis*>(chart.axes(Qt::Vertical).value(0));
        auto* values = qobject_cast<QLogValueAxis*>(chart.axes(Qt::Horizontal).value(0));
        ASSERT_TRUE(methods && values) << what;
        const QStringList names = methods->categories();
        EXPECT_EQ(names.size(), static_cast<int>(window.rows().size())) << what;
        EXPECT_EQ(std::set<QString>(names.begin(), names.end()).size(), static_cast<std::size_t>(names.size())) << what;
        EXPECT_TRUE(names.contains(QStringLiteral("gauss #2"))) << what;
        EXPECT_TRUE(names.contains(QStringLiteral("gauss-seidel #2"))) << what;
        EXPECT_LT(textTop(*window.findChild<QChartView*>(), QStringLiteral("gauss #1")),
                  textTop(*window.findChild<QChartView*>(), QStringLiteral("lu #1")))
            << what << ": the bars in the table's order, the first on top";
        EXPECT_TRUE(chart.title().startsWith(language == kEnglish ? QStringLiteral("Residual") : QStringLiteral("Diferenta")))
            << chart.title().toStdString();
        const double decadesPerLabel = std::log10(values->base());
        EXPECT_TRUE(isWhole(decadesPerLabel)) << what;
        const double first = std::ceil(std::log10(values->min()) / decadesPerLabel - 1e-9) * decadesPerLabel;
        const QStringList shown = visibleTexts(*window.findChild<QChartView*>());
        for (double decade = first; decade <= std::log10(values->max()) + 1e-9; decade += decadesPerLabel) {
            const QString label = QString::asprintf("%.0e", std::pow(10.0, decade));
            EXPECT_TRUE(shown.contains(label)) << what << ": no label " << label.toStdString();
        }
    }
}

// The explorer at the size it opens with: the table shows every column
// beside its scroll bar; ω ticks fall on round values.
TEST(ChartLabels, TheExplorerShowsItsWholeTableAndRoundOmegaTicks) {
    OmegaExplorerWindow window({readSystem(Method::Sor), omegaValues(OmegaRange{}), kEnglish, {}});
    showAndWait(window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.running(); }, 30000));
    for (int language : {kEnglish, kRomanian}) {
        window.setLanguage(language);
        QApplication::processEvents();
        const std::string what = "explorer" + languageName(language);
        auto* table = window.findChild<QTableWidget*>();
        EXPECT_TRUE(table->verticalScrollBar()->isVisible()) << what << ": more rows than the table shows";
        EXPECT_FALSE(table->horizontalScrollBar()->isVisible()) << what;
        EXPECT_LE(table->horizontalHeader()->length(), table->viewport()->width()) << what << ": the dx column is hidden";
        const QFontMetrics metrics(table->font());
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                const QString text = table->item(row, column)->text();
                EXPECT_LT(metrics.horizontalAdvance(text), table->columnWidth(column)) << what << ": " << text.toStdString();
            }
        }
        expectChartTextsWhole(*window.findChild<QChartView*>(), what);
    }
    // Past the growth test the legend has its fourth entry.
    window.findChild<QCheckBox*>(QStringLiteral("pastGrowth"))->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.running(); }, 30000));
    QApplication::processEvents();
    ASSERT_NE(seriesNamed(*window.chart(), kPastGrowthSeriesName), nullptr);
    expectChartTextsWhole(*window.findChild<QChartView*>(), "explorer past the growth test");
}

// ω from 0 to 2, or as far as the rows go beyond: ticks on round values
// from one end of the axis to the other, written with the decimals they need.
TEST(ChartLabels, OmegaTicksFallOnRoundValues) {
    auto rowsAt = [](std::vector<float> omegas) {
        std::vector<OmegaRow> rows;
        for (float omega : omegas) rows.push_back({omega, 10, IterationEnd::Tolerance, 1e-6f});
        return rows;
    };
    const struct {
        const char* name;
        std::vector<OmegaRow> rows;
        double low, high;
        const char* format;
    } cases[] = {
        {"no row yet", {}, 0, 2, "%.2f"},
        {"the explorer's factors", rowsAt(omegaValues(OmegaRange{})), 0, 2, "%.2f"},
        {"two factors", rowsAt({1.7f, 1.8f}), 0, 2, "%.2f"},
        {"factors up to 3.1", rowsAt({0.5f, 3.1f}), 0, 3.5, "%.1f"},
        {"a factor below 0", rowsAt({-0.4f, 1.0f}), -0.5, 2, "%.1f"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QChart> chart(omegaChart(c.rows, std::nullopt, kEnglish));
        auto* omega = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
        ASSERT_NE(omega, nullptr) << c.name;
        EXPECT_DOUBLE_EQ(omega->min(), c.low) << c.name;
        EXPECT_DOUBLE_EQ(omega->max(), c.high) << c.name;
        EXPECT_EQ(omega->tickType(), QValueAxis::TicksDynamic) << c.name;
        EXPECT_EQ(omega->tickAnchor(), 0) << c.name;
        EXPECT_TRUE(isRoundStep(omega->tickInterval())) << c.name << ": " << omega->tickInterval();
        EXPECT_TRUE(isWhole(omega->min() / omega->tickInterval())) << c.name;
        EXPECT_TRUE(isWhole(omega->max() / omega->tickInterval())) << c.name;
        EXPECT_EQ(omega->labelFormat().toStdString(), c.format) << c.name;
    }
}

}  // namespace
}  // namespace corvane::testing
