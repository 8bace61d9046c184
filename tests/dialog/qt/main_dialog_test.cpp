// The real main dialog, driven with QTest.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "dialog/control_ids.h"
#include "dialog/dialog_templates.h"
#include "qt_test_support.h"

namespace corvane::testing {
namespace {

using namespace control;

constexpr const char* kSystem3 = "Sistem 3 x 3\r\n3 1\r\n 4 -2 1\r\n 3 6 -4\r\n 2 1 8\r\n 3 3 28\r\n";

class MainDialogTest : public ::testing::Test {
protected:
    MainDialogTest() {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dataPath = directory.filePath(QStringLiteral("system3.txt"));
        writeText(dataPath, kSystem3);
    }

    template <typename Widget = QWidget>
    Widget* widget(int id) {
        return controlOf<Widget>(dialog, id);
    }
    // A click, and the end of the Read or SOLVE it started.
    void click(int id) {
        QTest::mouseClick(widget(id), Qt::LeftButton);
        EXPECT_TRUE(runEnded(platform));
    }

    // Selecteaza the data file, Citeste, and pick Gauss.
    void readAndPickGauss() {
        platform.fileAnswers.push_back(dataPath.toStdString());
        click(kSelect);
        click(kRead);
        clickEntry(*widget<QListWidget>(kMethodList), 0);
    }

    QTemporaryDir directory;
    QString dataPath;
    ScriptedQtPlatform platform;
    DialogSession session{platform};
    MainDialog& dialog = session.dialog();
};

TEST_F(MainDialogTest, EveryAddressedControlSitsAtItsTemplatePlace) {
    const DialogUnits& units = dialog.units();
    EXPECT_EQ(dialog.size(), QSize(units.x(mainDialogTemplate().width), units.y(mainDialogTemplate().height)));
    EXPECT_FALSE(dialog.windowIcon().isNull());
    for (const ControlTemplate& c : mainDialogTemplate().controls) {
        if (c.id < 0) continue;
        QWidget* w = widget(c.id);
        ASSERT_NE(w, nullptr) << c.id;
        EXPECT_EQ(w->geometry(), units.rect(c.x, c.y, c.width, c.height)) << c.id;
    }
    EXPECT_FALSE(widget(kCancel)->isVisible());
    EXPECT_TRUE(widget<QPushButton>(kSolve)->isDefault());
}

TEST_F(MainDialogTest, StartsInRomanianWithSolveDisabled) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Corvane"));
    EXPECT_EQ(widget<QPushButton>(kSolve)->text(), QStringLiteral("REZOLVA !"));
    EXPECT_EQ(widget<QLabel>(kIterativeName)->text(), QStringLiteral("Gauss-Seidel"));
    EXPECT_FALSE(widget(kSolve)->isEnabled());
    EXPECT_FALSE(widget(kRead)->isEnabled());
    EXPECT_TRUE(widget<QRadioButton>(kSystem)->isChecked());
    EXPECT_TRUE(widget<QPushButton>(kRomanianButton)->isChecked());
    EXPECT_EQ(widget<QListWidget>(kMethodList)->count(), 5);
}

TEST_F(MainDialogTest, SelectReadGaussSolveWritesTheReport) {
    readAndPickGauss();
    EXPECT_EQ(widget<QLineEdit>(kPath)->text(), dataPath);
    EXPECT_EQ(widget<QLineEdit>(kOrder)->text(), QStringLiteral("3"));
    EXPECT_EQ(widget<QLineEdit>(kRhsCount)->text(), QStringLiteral("1"));
    EXPECT_EQ(session.state().IMETODA, Method::Gauss);
    ASSERT_TRUE(widget(kSolve)->isEnabled());

    click(kSolve);
    std::string text = fileText(dataPath);
    ASSERT_EQ(text.rfind(kSystem3, 0), 0u);
    EXPECT_NE(text.find("Gauss", std::string(kSystem3).size()), std::string::npos) << text;
    EXPECT_NE(text.find("x("), std::string::npos) << text;
    EXPECT_TRUE(platform.recorded.shown.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the wait cursor is gone again
}

TEST_F(MainDialogTest, ASecondSolveAsksWhetherToReadTheDataAgain) {
    readAndPickGauss();
    click(kSolve);
    const std::string once = fileText(dataPath);

    whileModalOpen([&] { QTest::mouseClick(widget(kSolve), Qt::LeftButton); },
                   [](QWidget& window) {  // then Escape
                       auto* box = qobject_cast<QMessageBox*>(&window);
                       ASSERT_NE(box, nullptr);
                       EXPECT_EQ(box->windowTitle(), QStringLiteral("REZOLVA"));
                       QStringList answers;
                       for (QAbstractButton* b : box->buttons()) answers << b->text();
                       answers.sort();
                       EXPECT_EQ(answers, (QStringList{QStringLiteral("Anuleaza"), QStringLiteral("Citeste din nou"),
                                                       QStringLiteral("Rezolva pe datele schimbate")}));
                       ASSERT_NE(box->defaultButton(), nullptr);
                       EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("Citeste din nou"));
                   });
    EXPECT_TRUE(runEnded(platform));
    EXPECT_EQ(fileText(dataPath), once) << "Escape cancels";

    answerQuestion(QStringLiteral("Rezolva pe datele schimbate"));
    click(kSolve);
    EXPECT_GT(fileText(dataPath).size(), once.size());

    answerQuestion({}, Qt::Key_Return);
    click(kSolve);
    EXPECT_EQ(fileText(dataPath), once) << "read again, then solved";
    EXPECT_TRUE(platform.recorded.shown.empty());
}

TEST_F(MainDialogTest, ImportWritesTheDataFileAndReadsIt) {
    const QString matrix = directory.filePath(QStringLiteral("spd.mtx"));
    writeText(matrix, "%%MatrixMarket matrix coordinate real symmetric\n2 2 3\n1 1 4\n2 1 1\n2 2 3\n");
    platform.fileAnswers.push_back(matrix.toStdString());
    click(kImport);
    const QString data = directory.filePath(QStringLiteral("spd.dat"));
    EXPECT_EQ(widget<QLineEdit>(kPath)->text(), data);
    EXPECT_EQ(widget<QLineEdit>(kOrder)->text(), QStringLiteral("2"));
    EXPECT_EQ(fileText(data), "spd.mtx (Matrix Market)\n2 1\n4 1\n1 3\n5 4\n");
    EXPECT_TRUE(platform.recorded.shown.empty());
}

TEST_F(MainDialogTest, GaussSeidelLinesShowInThePanelUnderSolve) {
    readAndPickGauss();
    clickEntry(*widget<QListWidget>(kMethodList), 3);
    QTest::keyClicks(widget(kEps), QStringLiteral("1e-5"));
    QTest::keyClicks(widget(kNlim), QStringLiteral("50"));
    click(kSolve);
    auto* panel = widget<QPlainTextEdit>(kRunLines);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isReadOnly());
    EXPECT_TRUE(panel->toPlainText().startsWith(QStringLiteral(" Toleranta atinsa.\n Numar iteratii: ")))
        << panel->toPlainText().toStdString();
}

TEST_F(MainDialogTest, EnterPressesSolveOnlyWhileItIsEnabled) {
    QSignalSpy solves(widget<QPushButton>(kSolve), &QPushButton::clicked);
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(solves.count(), 0);
    EXPECT_TRUE(dialog.isVisible());

    readAndPickGauss();
    widget(kSelect)->setFocus();  // Enter means SOLVE wherever the focus is
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(runEnded(platform));
    EXPECT_EQ(solves.count(), 1);
    EXPECT_NE(fileText(dataPath).find("x("), std::string::npos);
}

TEST_F(MainDialogTest, RadioGroupsAreExclusiveAndReachTheState) {
    click(kSymmetric);
    EXPECT_FALSE(widget<QRadioButton>(kGeneral)->isChecked());
    EXPECT_TRUE(session.state().SIMETRICA);
    click(kCondition);
    EXPECT_FALSE(widget<QRadioButton>(kSystem)->isChecked());
    EXPECT_TRUE(widget(kNormList)->isEnabled());
    EXPECT_FALSE(widget(kMethodList)->isEnabled());
    EXPECT_TRUE(session.state().SIMETRICA);  // other groups are untouched
}

TEST_F(MainDialogTest, CholeskyMessageSwitchesTheMatrixType) {
    clickEntry(*widget<QListWidget>(kMethodList), 2);
    ASSERT_EQ(platform.recorded.shown.size(), 1u);
    EXPECT_EQ(platform.recorded.shown[0].title, "Info");
    EXPECT_TRUE(widget<QRadioButton>(kSymmetric)->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(kGeneral)->isChecked());
}

TEST_F(MainDialogTest, EnglishSwitchesCaptionsAndKeepsSelections) {
    clickEntry(*widget<QListWidget>(kMethodList), 4);
    widget<QLineEdit>(kEps)->setText(QStringLiteral("1e-4"));
    click(kEnglishButton);
    EXPECT_TRUE(widget<QPushButton>(kEnglishButton)->isChecked());
    EXPECT_FALSE(widget<QPushButton>(kRomanianButton)->isChecked());
    EXPECT_EQ(widget<QPushButton>(kSolve)->text(), QStringLiteral("SOLVE !"));
    EXPECT_EQ(widget<QListWidget>(kNormList)->item(0)->text(), QStringLiteral("Infinity  (Row)"));
    EXPECT_EQ(widget<QListWidget>(kGeneratorList)->item(6)->text(), QStringLiteral("Constant Band"));
    EXPECT_EQ(widget<QListWidget>(kMethodList)->currentRow(), 4);
    EXPECT_EQ(widget<QLabel>(kIterativeName)->text(), QStringLiteral("SOR"));
    EXPECT_EQ(widget<QLineEdit>(kEps)->text(), QStringLiteral("1e-4"));
    EXPECT_EQ(session.state().EPS_TEXT, "1e-4");
    EXPECT_EQ(session.state().IMETODA, Method::Sor);
}

TEST_F(MainDialogTest, WideSizesShowWhole) {
    dialog.setText(kOrder, "-2147483648");
    auto* field = widget<QLineEdit>(kOrder);
    EXPECT_GT(field->width(), field->fontMetrics().horizontalAdvance(field->text()));
    EXPECT_LT(field->geometry().right(), widget(kRhsLabel)->x());
}

TEST_F(MainDialogTest, ExitEscapeAndTheCloseBoxEndTheDialog) {
    for (const std::function<void()>& close :
         std::vector<std::function<void()>>{[&] { click(kExit); }, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); },
                                            [&] { dialog.close(); }}) {
        dialog.show();
        QSignalSpy finished(&dialog, &QDialog::finished);
        close();
        EXPECT_EQ(finished.count(), 1);
        EXPECT_FALSE(dialog.isVisible());
    }
}

}  // namespace
}  // namespace corvane::testing
