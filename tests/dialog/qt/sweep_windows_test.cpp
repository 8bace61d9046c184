// The chart and explorer windows of the real dialog: a SOR SOLVE opens the
// chart of its history, the explorer shows the rows exploreOmega gives, stops
// between two factors, and "use this omega" fills the Omega field.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLabel>
#include <QScrollBar>
#include <QXYSeries>

#include "dialog/control_ids.h"
#include "dialog/qt/comparison_chart.h"
#include "dialog/qt/convergence_chart.h"
#include "qt_test_support.h"
#include "textio/decimal_text.h"

namespace corvane::testing {
namespace {

using namespace control;

constexpr const char* kSystem3 = "Sistem 3 x 3\r\n3 1\r\n 4 -2 1\r\n 3 6 -4\r\n 2 1 8\r\n 3 3 28\r\n";
constexpr int kSorRow = 4;

class SweepWindowsQtTest : public ::testing::Test {
protected:
    SweepWindowsQtTest() {
        showAndRead(dialog, platform, directory, QStringLiteral("system3.txt"), kSystem3);
        clickEntry(*controlOf<QListWidget>(dialog, kMethodList), kSorRow);
        controlOf<QLineEdit>(dialog, kEps)->setText(QStringLiteral("1e-5"));
        controlOf<QLineEdit>(dialog, kNlim)->setText(QStringLiteral("50"));
        controlOf<QLineEdit>(dialog, kOmega)->setText(QStringLiteral("1.1"));
    }
    void click(int id) { clickAndWait(dialog, platform, id); }

    QTemporaryDir directory;
    ScriptedQtPlatform platform;
    DialogSession session{platform};
    MainDialog& dialog = session.dialog();
};

TEST_F(SweepWindowsQtTest, SorSolveOpensTheChartOfItsSweeps) {
    EXPECT_FALSE(controlOf(dialog, kConvergenceChart)->isEnabled());
    click(kSolve);
    ConvergenceWindow* window = platform.convergenceWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(controlOf(dialog, kConvergenceChart)->isEnabled());
    QXYSeries* b1 = nullptr;
    for (QAbstractSeries* series : window->chart()->series()) {
        if (series->name() == QStringLiteral("b1")) b1 = static_cast<QXYSeries*>(series);
    }
    ASSERT_NE(b1, nullptr);
    EXPECT_EQ(b1->count(), 15) << "the SOR run of this system takes 15 sweeps";
    window->close();
    click(kConvergenceChart);
    EXPECT_TRUE(platform.convergenceWindow()->isVisible());
}

TEST_F(SweepWindowsQtTest, TheExplorerShowsEachFactorsRowAndFillsOmega) {
    click(kOmegaExplorer);
    OmegaExplorerWindow* explorer = platform.omegaExplorerWindow();
    ASSERT_NE(explorer, nullptr);
    EXPECT_TRUE(dialog.QWidget::isEnabled()) << "the dialog goes on while the explorer runs";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !explorer->running(); }, 20000));
    const std::vector<OmegaRow> expected = exploreOmega(session.state(), omegaValues(OmegaRange{}));
    ASSERT_EQ(explorer->rows().size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(explorer->rows()[k].omega, expected[k].omega);
        EXPECT_EQ(explorer->rows()[k].sweeps, expected[k].sweeps);
    }
    EXPECT_EQ(explorer->findChild<QTableWidget*>()->rowCount(), static_cast<int>(expected.size()));
    QTest::mouseClick(explorer->findChild<QPushButton*>(QStringLiteral("useOmega")), Qt::LeftButton);
    EXPECT_EQ(controlOf<QLineEdit>(dialog, kOmega)->text().toStdString(), shortestFloatText(*bestOmega(expected)));
    EXPECT_EQ(session.state().OMEGA_TEXT, shortestFloatText(*bestOmega(expected)));
}

TEST_F(SweepWindowsQtTest, StopEndsTheExplorationBetweenTwoFactors) {
    click(kOmegaExplorer);
    OmegaExplorerWindow* explorer = platform.omegaExplorerWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !explorer->rows().empty(); }, 20000));
    QTest::mouseClick(explorer->findChild<QPushButton*>(QStringLiteral("stop")), Qt::LeftButton);
    const std::size_t rows = explorer->rows().size();
    QTest::qWait(50);
    EXPECT_FALSE(explorer->running());
    EXPECT_EQ(explorer->rows().size(), rows);
    EXPECT_LT(rows, omegaValues(OmegaRange{}).size());
}

// Compara runs every method off the dialog's thread: the dialog goes on, the
// rows are those compareMethods gives for the data as read (also after a
// SOLVE changed them), and the chart shows one bar per row.
TEST_F(SweepWindowsQtTest, TheComparisonShowsEveryMethodsRowsBesideTheDialog) {
    click(kSolve);  // SOR works on the read data; the comparison reads them again
    click(kCompare);
    ComparisonWindow* window = platform.comparisonWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(dialog.QWidget::isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->running(); }, 20000));
    const std::vector<Method> methods{Method::Gauss, Method::Lu, Method::GaussSeidel, Method::Sor};
    ASSERT_EQ(window->rows().size(), methods.size());
    for (std::size_t k = 0; k < methods.size(); ++k) {
        EXPECT_EQ(window->rows()[k].method, methods[k]);
        EXPECT_LT(*window->rows()[k].residual, 1e-4);
    }
    EXPECT_EQ(window->findChild<QTableWidget*>()->rowCount(), 4);
    ASSERT_EQ(window->chart()->series().size(), 1);
    auto* bars = qobject_cast<QBarSeries*>(window->chart()->series().front());
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(bars->objectName(), QString::fromLatin1(kComparisonBarsName));
    EXPECT_EQ(bars->barSets().front()->count(), 4) << "one bar per row, residuals of 0 at the foot of the axis";
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("stop"))->isEnabled());
}

TEST_F(SweepWindowsQtTest, StopEndsTheComparisonBeforeTheNextMethod) {
    click(kCompare);
    ComparisonWindow* window = platform.comparisonWindow();
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("stop")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->running(); }, 20000));
    EXPECT_TRUE(window->rows().empty()) << "stopped before the first method";
    window->close();  // closing ends it; a new comparison can start
    click(kCompare);
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform.comparisonWindow() && !platform.comparisonWindow()->running(); }, 20000));
    EXPECT_EQ(platform.comparisonWindow()->rows().size(), 4u);
}

// Below the table, once the comparison ends: the cond1 estimate and each
// method whose SOLVE refused it, with the reason; the residual and the error
// named for what they are (of the whole X for an inverse); in either
// language, the table's columns fit the window's width.
TEST_F(SweepWindowsQtTest, TheComparisonNamesItsQuantitiesAndTellsTheEstimateAndTheMethodsNotRun) {
    const QString fourRightHandSides = directory.filePath(QStringLiteral("four-b.txt"));
    writeText(fourRightHandSides,
              "Sistem 3 x 3, patru termeni liberi\r\n3 4\r\n 4 -2 1\r\n 3 6 -4\r\n 2 1 8\r\n"
              " 3 3 28\r\n 3 5 11\r\n 1 1 1\r\n 0 9 2\r\n");
    const QString inverse = directory.filePath(QStringLiteral("inverse3.txt"));
    writeText(inverse, "Inversa 3 x 3\r\n3\r\n 2 -1 0\r\n -1 2 -1\r\n 0 -1 2\r\n");
    const QString system = directory.filePath(QStringLiteral("system3.txt"));
    const struct {
        int language;
        int problem;
        QString file;
        const char* nlim;
        const char* omega;
        QStringList quantities;  // the residual's and the error's headers, the start of the chart's title
        QString summary;
    } cases[] = {
        // The widest table: the longest outcome, more rows than the window shows.
        {kRomanianButton, kSystem, fourRightHandSides, "3", "0",
         {"max |A*x - b|", "max |x - x_exact|", "Diferenta max |A*x - b|"},
         "cond1(A) estimat ~ 2.5E+00\nsor nu a rulat: Introdu EPS si/sau NLIM si/sau OMEGA"},
        {kEnglishButton, kSystem, system, "0", "0",
         {"max |A*x - b|", "max |x - x_exact|", "Residual max |A*x - b|"},
         "Estimated cond1(A) ~ 2.5E+00\ngauss-seidel not run: Introdu EPS si/sau NLIM\n"
         "sor not run: Introdu EPS si/sau NLIM si/sau OMEGA"},
        {kEnglishButton, kInversion, inverse, "50", "1.1",
         {"max |A*X - I|", "max |X - X_exact|", "Residual max |A*X - I|"}, "Estimated cond1(A) ~ 8.0E+00"},
    };
    for (const auto& c : cases) {
        click(c.language);
        click(c.problem);
        platform.fileAnswers.push_back(c.file.toStdString());
        click(kSelect);
        click(kRead);
        controlOf<QLineEdit>(dialog, kNlim)->setText(QString::fromLatin1(c.nlim));
        controlOf<QLineEdit>(dialog, kOmega)->setText(QString::fromLatin1(c.omega));
        click(kCompare);
        ComparisonWindow* window = platform.comparisonWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->running(); }, 20000));
        QCoreApplication::processEvents();
        const std::string name = c.file.toStdString();
        auto* table = window->findChild<QTableWidget*>();
        EXPECT_EQ(table->horizontalHeaderItem(4)->text().toStdString(), c.quantities[0].toStdString()) << name;
        EXPECT_EQ(table->horizontalHeaderItem(5)->text().toStdString(), c.quantities[1].toStdString()) << name;
        EXPECT_TRUE(window->chart()->title().startsWith(c.quantities[2])) << window->chart()->title().toStdString();
        auto* summary = window->findChild<QLabel*>(QStringLiteral("comparisonSummary"));
        ASSERT_NE(summary, nullptr);
        EXPECT_TRUE(summary->isVisible()) << name;
        EXPECT_EQ(summary->text().toStdString(), c.summary.toStdString());
        EXPECT_FALSE(table->horizontalScrollBar()->isVisible()) << name;
    }
}

// The conditioning note stands beside the dialog, which goes on; a new note
// takes the old one's place.
TEST(ConditioningNoteQt, ShownBesideTheDialogWithoutBlockingIt) {
    ScriptedQtPlatform platform;
    platform.showNote("Atentie", "Matrice prost conditionata");
    QMessageBox* first = platform.note();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowModality(), Qt::NonModal);
    EXPECT_EQ(first->text(), QStringLiteral("Matrice prost conditionata"));
    platform.showNote("Warning", "Ill-conditioned matrix");
    ASSERT_NE(platform.note(), nullptr);
    EXPECT_EQ(platform.note()->windowTitle(), QStringLiteral("Warning"));
}

}  // namespace
}  // namespace corvane::testing
