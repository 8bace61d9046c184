// The relaxation explorer on nos4, where the SOLVE's growth test stops SOR
// while it converges: the window says what happened in its language instead
// of "Divergence", and its check box runs every factor past the test, to the
// tolerance, marking the rows and points that are not the SOLVE's.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QChart>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QXYSeries>
#include <memory>

#include "dialog/qt/omega_chart.h"
#include "dialog/qt/omega_explorer_window.h"
#include "../../support/nos4_problem.h"

namespace corvane::testing {
namespace {

QXYSeries* seriesNamed(QChart& chart, const char* objectName) {
    for (QAbstractSeries* series : chart.series()) {
        if (series->objectName() == QLatin1String(objectName)) return static_cast<QXYSeries*>(series);
    }
    return nullptr;
}

TEST(OmegaExplorerWindowQt, PastTheGrowthTestEveryFactorRunsToTheToleranceMarkedAsNotTheSolves) {
    const ProblemState read = nos4ForSor("1e-5", "3000");
    const struct {
        int language;
        const char* stopped;    // the end of a run the growth test stopped
        const char* converged;  // a run past it that reached the tolerance, marked
        const char* tip;        // where the SOLVE stops
        const char* legend;
        const char* note;  // under the table
    } cases[] = {
        {kEnglish, "stopped: dx grew", "Tolerance reached *", "A SOLVE ends at sweep 18 (stopped: dx grew)",
         "Not as SOLVE", "* went on past dx growth: a SOLVE stops earlier"},
        {kRomanian, "oprit: dx a crescut", "Toleranta atinsa *", "Un SOLVE se termina la iteratia 18 (oprit: dx a crescut)",
         "Nu ca SOLVE", "* a continuat dupa cresterea lui dx: un SOLVE se opreste mai devreme"},
    };
    for (const auto& c : cases) {
        auto window = std::make_unique<OmegaExplorerWindow>(OmegaExplorerRequest{read, {1.7f, 1.8f}, c.language, {}});
        window->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->running(); }, 30000));
        auto* table = window->findChild<QTableWidget*>();
        auto* pastGrowth = window->findChild<QCheckBox*>(QStringLiteral("pastGrowth"));
        auto* note = window->findChild<QLabel*>(QStringLiteral("pastGrowthNote"));
        ASSERT_NE(pastGrowth, nullptr);
        ASSERT_NE(note, nullptr);
        ASSERT_EQ(table->rowCount(), 2);
        EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("18"));
        EXPECT_EQ(table->item(0, 2)->text().toStdString(), c.stopped);
        EXPECT_FALSE(note->isVisible());
        EXPECT_EQ(seriesNamed(*window->chart(), kPastGrowthSeriesName), nullptr);

        pastGrowth->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->running(); }, 30000));
        ASSERT_EQ(window->rows().size(), 2u);
        ASSERT_EQ(table->rowCount(), 2);
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(window->rows()[k].end, IterationEnd::Tolerance);
            EXPECT_GT(window->rows()[k].sweeps, 200);
            EXPECT_EQ(table->item(k, 2)->text().toStdString(), c.converged);
        }
        EXPECT_EQ(table->item(0, 0)->toolTip().toStdString(), c.tip);
        EXPECT_TRUE(note->isVisible());
        EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("explorerStatus"))->text().endsWith(QStringLiteral(": 1.8 *")))
            << "the best factor is marked too";
        EXPECT_EQ(note->text().toStdString(), c.note);
        QXYSeries* marked = seriesNamed(*window->chart(), kPastGrowthSeriesName);
        ASSERT_NE(marked, nullptr);
        EXPECT_EQ(marked->count(), 2);
        EXPECT_EQ(marked->name().toStdString(), c.legend);
        EXPECT_EQ(seriesNamed(*window->chart(), kConvergedSeriesName)->count(), 2);

        pastGrowth->click();  // back to the SOLVE's runs
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->running(); }, 30000));
        EXPECT_EQ(table->item(1, 2)->text().toStdString(), c.stopped);
        EXPECT_EQ(seriesNamed(*window->chart(), kPastGrowthSeriesName), nullptr);
    }
}

}  // namespace
}  // namespace corvane::testing
