// The step-by-step window of the real dialog: Pas cu pas opens it beside the
// dialog on the first step; the keys, the buttons and the slider move between
// the steps; each step shows its sentence and its augmented matrix with the
// marks, and the last one the x that the SOLVE reports.

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>

#include "app/step_sentences.h"
#include "dialog/control_ids.h"
#include "qt_test_support.h"

namespace corvane::testing {
namespace {

using namespace control;

constexpr const char* kSystem3 = "Sistem 3 x 3\r\n3 1\r\n 4 -2 1\r\n 3 6 -4\r\n 2 1 8\r\n 3 3 28\r\n";

class StepsWindowQtTest : public ::testing::Test {
protected:
    StepsWindowQtTest() {
        showAndRead(dialog, platform, directory, QStringLiteral("system3.txt"), kSystem3);
        clickEntry(*controlOf<QListWidget>(dialog, kMethodList), 0);  // Gauss
        click(kSteps);
        window = platform.stepsWindow();
    }
    void click(int id) { clickAndWait(dialog, platform, id); }
    QString sentence() const { return window->findChild<QLabel*>(QStringLiteral("stepSentence"))->text(); }
    QString position() const { return window->findChild<QLabel*>(QStringLiteral("stepPosition"))->text(); }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QTableWidget* table() const { return window->findChild<QTableWidget*>(QStringLiteral("stepMatrix")); }

    QTemporaryDir directory;
    ScriptedQtPlatform platform;
    DialogSession session{platform};
    MainDialog& dialog = session.dialog();
    StepsWindow* window = nullptr;
};

TEST_F(StepsWindowQtTest, OpensBesideTheDialogOnTheDataAsRead) {
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Gauss - pas cu pas"));
    EXPECT_EQ(window->stepCount(), 6);
    EXPECT_EQ(window->current(), 0);
    EXPECT_EQ(position(), QStringLiteral("Pasul 1 din 6"));
    EXPECT_TRUE(sentence().startsWith(QStringLiteral("Datele asa cum au fost citite")));
    EXPECT_EQ(table()->rowCount(), 3);
    EXPECT_EQ(table()->item(2, 4)->text(), QStringLiteral("28.00000")) << "b(3), after the rule column";
    EXPECT_FALSE(button("previous")->isEnabled());
}

TEST_F(StepsWindowQtTest, KeysButtonsAndTheSliderMoveBetweenTheSteps) {
    ASSERT_NE(window, nullptr);
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Down, 2}, {Qt::Key_Left, 1}, {Qt::Key_Up, 0}, {Qt::Key_Up, 0},
        {Qt::Key_End, 5},   {Qt::Key_Right, 5}, {Qt::Key_Home, 0},
    };
    for (auto [key, expected] : keys) {
        QTest::keyClick(window, key);
        EXPECT_EQ(window->current(), expected) << "after key " << key;
    }
    QTest::mouseClick(button("next"), Qt::LeftButton);
    EXPECT_EQ(window->current(), 1);
    QTest::mouseClick(button("last"), Qt::LeftButton);
    EXPECT_EQ(window->current(), 5);
    EXPECT_FALSE(button("next")->isEnabled());
    QTest::mouseClick(button("previous"), Qt::LeftButton);
    EXPECT_EQ(window->current(), 4);
    QTest::mouseClick(button("first"), Qt::LeftButton);
    EXPECT_EQ(window->current(), 0);
    window->findChild<QSlider*>(QStringLiteral("stepSlider"))->setValue(3);
    EXPECT_EQ(window->current(), 2);
    EXPECT_EQ(position(), QStringLiteral("Pasul 3 din 6"));
    // A button with the focus leaves the keys to the window.
    QTest::keyClick(button("close"), Qt::Key_Right);
    EXPECT_EQ(window->current(), 3);
    QTest::keyClick(button("close"), Qt::Key_Home);
    EXPECT_EQ(window->current(), 0);
}

// The elimination's first step marks its pivot and the rows it changed and
// puts each multiplier beside its row; the last step holds the x the SOLVE
// then reports.
TEST_F(StepsWindowQtTest, EachStepShowsItsSentenceMatrixAndNotes) {
    ASSERT_NE(window, nullptr);
    QTest::keyClick(window, Qt::Key_Right);
    EXPECT_TRUE(sentence().startsWith(QStringLiteral("Pasul 1: |a(1,1)| = 4.000000 este cel mai mare din coloana 1;")));
    EXPECT_EQ(table()->item(1, 5)->text(), QStringLiteral("m(2,1) = 0.7500000"));
    EXPECT_EQ(table()->item(1, 1)->text(), QStringLiteral("7.500000"));
    EXPECT_TRUE(table()->item(1, 1)->font().bold()) << "written by the step";
    EXPECT_FALSE(table()->item(0, 1)->font().bold());

    QTest::keyClick(window, Qt::Key_End);
    click(kSolve);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(table()->item(i - 1, 4)->text().toStdString(), stepNumber(session.state().B(i, 1)))
            << "x(" << i << ")";
    }
}

}  // namespace
}  // namespace corvane::testing
