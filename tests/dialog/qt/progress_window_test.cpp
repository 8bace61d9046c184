// The real dialog during a long SOLVE: it goes on repainting and taking
// actions, the progress window comes after half a second with the phase and
// Cancel, Cancel stops the run with the interruption line at the report's
// end, and the dialog is ready for the next SOLVE.

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

#include "dialog/control_ids.h"
#include "qt_test_support.h"

namespace corvane::testing {
namespace {

using namespace control;

constexpr int kConstantBandRow = 6;
constexpr int kInfinityNormRow = 0;
constexpr int kTwoNormRow = 2;

// A full band of order 2000 with a dominant diagonal: its 2-norm condition
// number takes seconds (the inverse, then two products AᵀA and power methods).
std::string denseBand(int n) {
    std::string text = "Banda plina\r\n" + std::to_string(n) + "\r\n" + std::to_string(n) + "\r\n5000";
    for (int k = 1; k < n; ++k) text += " 1";
    return text + "\r\n";
}

class ProgressWindowQtTest : public ::testing::Test {
protected:
    ProgressWindowQtTest() {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dataPath = directory.filePath(QStringLiteral("band.txt"));
        writeText(dataPath, data);
        platform.fileAnswers.push_back(dataPath.toStdString());
        click(kSelect);
        click(kCondition);
        click(kGenerated);
        clickEntry(*controlOf<QListWidget>(dialog, kGeneratorList), kConstantBandRow);
        click(kRead);
        EXPECT_TRUE(runEnded(platform));
    }
    void click(int id) { QTest::mouseClick(controlOf(dialog, id), Qt::LeftButton); }

    QTemporaryDir directory;
    QString dataPath;
    const std::string data = denseBand(2000);
    ScriptedQtPlatform platform;
    DialogSession session{platform};
    MainDialog& dialog = session.dialog();
};

TEST_F(ProgressWindowQtTest, ALongSolveShowsItsProgressStopsOnCancelAndRunsAgain) {
    clickEntry(*controlOf<QListWidget>(dialog, kNormList), kTwoNormRow);
    ASSERT_TRUE(controlOf(dialog, kSolve)->isEnabled());
    QSignalSpy shown(&platform.runner(), &BackgroundRunner::progressShown);
    click(kSolve);
    ASSERT_TRUE(platform.runner().running()) << "the SOLVE runs off the dialog's thread";
    EXPECT_FALSE(controlOf(dialog, kSolve)->isEnabled());
    EXPECT_FALSE(controlOf(dialog, kNormList)->isEnabled());
    EXPECT_TRUE(controlOf(dialog, kAbout)->isEnabled());
    EXPECT_TRUE(controlOf(dialog, kExit)->isEnabled());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    ASSERT_TRUE(shown.wait(20000)) << "no progress window";
    ProgressWindow* window = platform.runner().progressWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal()) << "IESIRE and the help stay at hand";
    // The phases the window tells, as the run goes on.
    QStringList texts;
    const auto label = [&] { return window->findChild<QLabel*>()->text(); };
    ASSERT_TRUE(QTest::qWaitFor([&] {
        if (texts.isEmpty() || texts.back() != label()) texts.push_back(label());
        return label().startsWith(QStringLiteral("Produsul A_transpus*A: coloana "));
    }, 30000)) << texts.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(dialog.isVisible());

    QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    ASSERT_TRUE(runEnded(platform));
    const std::string stopped = fileText(dataPath);
    EXPECT_EQ(stopped.rfind(data, 0), 0u) << "the data changed";
    ASSERT_GT(stopped.size(), data.size());
    EXPECT_EQ(stopped.substr(stopped.size() - 23), " * Rulare intrerupta.\r\n");
    EXPECT_EQ(stopped.find("Numarul de conditie"), std::string::npos);
    EXPECT_EQ(platform.runner().progressWindow(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(controlOf(dialog, kSolve)->isEnabled());
    EXPECT_TRUE(platform.recorded.shown.empty());

    clickEntry(*controlOf<QListWidget>(dialog, kNormList), kInfinityNormRow);
    answerQuestion(QStringLiteral("Rezolva pe datele schimbate"));
    click(kSolve);
    ASSERT_TRUE(runEnded(platform));
    const std::string again = fileText(dataPath);
    EXPECT_EQ(again.rfind(stopped, 0), 0u) << "the next SOLVE appends";
    EXPECT_NE(again.find(" Numarul de conditie =", stopped.size()), std::string::npos);
}

}  // namespace
}  // namespace corvane::testing
