// The help windows, the About box, the message box, the file-open dialog and
// the editor, opened for real on the offscreen platform.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "dialog/control_ids.h"
#include "dialog/dialog_templates.h"
#include "dialog/qt/file_chooser.h"
#include "dialog/qt/question_box.h"
#include "dialog/question_texts.h"
#include "dialog/qt/text_editor.h"
#include "qt_test_support.h"

namespace corvane::testing {
namespace {

using namespace control;

QString labelText(QWidget& window, int id) { return controlOf<QLabel>(window, id)->text(); }

class ModalWindowTest : public ::testing::Test {
protected:
    void click(int id) { QTest::mouseClick(controlOf(session.dialog(), id), Qt::LeftButton); }

    QTemporaryDir directory;
    ScriptedQtPlatform platform;
    DialogSession session{platform};
};

TEST_F(ModalWindowTest, DataFileHelpShowsItsTextsAndSavesThem) {
    QString saved = directory.filePath(QStringLiteral("Structura fisierului de intrare.txt"));
    platform.fileAnswers.push_back(saved.toStdString());
    whileModalOpen([&] { click(kDataFileHelp); },
                   [&](QWidget& window) {
                       EXPECT_EQ(window.windowTitle(), QStringLiteral("Structura Fisierului de Intrare"));
                       EXPECT_TRUE(labelText(window, help_control::kLayoutText).startsWith(QStringLiteral("DATELE din FISIERUL")));
                       EXPECT_TRUE(labelText(window, help_control::kKindsText).endsWith(QStringLiteral("din linie).")));
                       auto* save = controlOf<QPushButton>(window, help_control::kSave);
                       EXPECT_EQ(save->text(), QStringLiteral("Salveaza in Fisier"));
                       QTest::mouseClick(save, Qt::LeftButton);
                       EXPECT_TRUE(window.isVisible());  // the help stays open after a save
                   });
    EXPECT_NE(fileText(saved).find("B. Matrice generata:\r\n--------------------\r\n"), std::string::npos);
    ASSERT_EQ(platform.recorded.shown.size(), 1u);
    EXPECT_EQ(platform.recorded.shown[0].title, "Fisier salvat");
}

TEST_F(ModalWindowTest, IterationHelpAndAboutInEnglish) {
    click(kEnglishButton);
    whileModalOpen([&] { click(kIterationHelp); },
                   [](QWidget& window) {
                       EXPECT_EQ(window.windowTitle(), QStringLiteral("Gauss-Seidel and SOR Parameters"));
                       EXPECT_EQ(labelText(window, help_control::kOmegaText),
                                 QStringLiteral(" OMEGA (only for SOR):\n\n The acceleration (relaxation) factor:\n 1 < OMEGA < 2."));
                   });
    whileModalOpen([&] { click(kAbout); },
                   [](QWidget& window) {
                       EXPECT_EQ(window.windowTitle(), QStringLiteral("About Program"));
                       EXPECT_EQ(labelText(window, help_control::kAboutText),
                                 QStringLiteral(" Corvane Solver\n\n Version ") + QStringLiteral(CORVANE_VERSION));
                       auto* icon = controlOf<QLabel>(window, help_control::kIcon);
                       ASSERT_NE(icon, nullptr);
                       EXPECT_FALSE(icon->pixmap().isNull());
                       QTest::mouseClick(controlOf(window, help_control::kOk), Qt::LeftButton);
                       EXPECT_FALSE(window.isVisible());
                   });
}

TEST(MessageBoxTest, ShowsTextTitleAndIcon) {
    QtMessageService messages;
    whileModalOpen([&] { messages.show("Eroare de citire in fisierul de date", "Error", MessageIcon::Error); },
                   [](QWidget& window) {
                       auto* box = qobject_cast<QMessageBox*>(&window);
                       ASSERT_NE(box, nullptr);
                       EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
                       EXPECT_EQ(box->text(), QStringLiteral("Eroare de citire in fisierul de date"));
                       EXPECT_EQ(box->icon(), QMessageBox::Critical);
                       EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
                   });
}

// Answers the question box that opens next with the given button.
void answerNextQuestion(QMessageBox::StandardButton answer, QString* question = nullptr) {
    QTimer::singleShot(0, [answer, question] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (question != nullptr) *question = box->text();
        box->button(answer)->click();
    });
}

TEST(QuestionBoxTest, YesAndNoFollowTheLanguageAndNoIsPreferred) {
    for (auto [language, yes, no] : {std::tuple{kRomanian, "Da", "Nu"}, std::tuple{kEnglish, "Yes", "No"}}) {
        int answer = -1;
        whileModalOpen([&] { answer = askInBox(yesNoQuestion("Titlu", "Intrebare?", language), nullptr); },
                       [&](QWidget& window) {
                           auto* box = qobject_cast<QMessageBox*>(&window);
                           ASSERT_NE(box, nullptr);
                           QStringList texts;
                           for (QAbstractButton* b : box->buttons()) texts << b->text();
                           QStringList expected{QString::fromUtf8(yes), QString::fromUtf8(no)};
                           texts.sort();
                           expected.sort();
                           EXPECT_EQ(texts, expected);
                           ASSERT_NE(box->defaultButton(), nullptr);
                           EXPECT_EQ(box->defaultButton()->text(), QString::fromUtf8(no));
                       });  // then Escape
        EXPECT_EQ(answer, 1) << "Escape answers No";
    }
}

// Answers the question box that opens next with the button of this text.
void answerNextQuestionWith(const QString& button, QString* question) {
    QTimer::singleShot(0, [button, question] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *question = box->text();
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == button) b->click();
        }
    });
}

// The fixed title and filters of the data files, the dialog's own words in
// the interface language.
TEST(FileChooserTest, OffersTheFiltersAndCreatesANewFileOnlyAfterAsking) {
    struct Case {
        int language;
        const char* accept;
        const char* fileName;
        const char* yes;
        const char* create;
    };
    for (const Case& c : {Case{kRomanian, "Deschide", "Nume fisier:", "Da", "Il creati?"},
                          Case{kEnglish, "Open", "File name:", "Yes", "Create the file?"}}) {
        QTemporaryDir directory;
        FileRequest request{"Selecteaza Fisierul", FileKind::Data, "", directory.path().toStdString(), false, c.language};
        QString question;
        std::optional<std::string> chosen;
        whileModalOpen([&] { chosen = chooseFileWithDialog(request, nullptr); },
                       [&](QWidget& window) {
                           auto* dialog = qobject_cast<QFileDialog*>(&window);
                           ASSERT_NE(dialog, nullptr);
                           EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Selecteaza Fisierul"));
                           EXPECT_EQ(dialog->nameFilters(), (QStringList{QStringLiteral("Data Files (*.dat)"),
                                                                        QStringLiteral("Text Files (*.txt)"),
                                                                        QStringLiteral("All files (*)")}));
                           EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("Data Files (*.dat)"));
                           EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("dat"));
                           EXPECT_EQ(dialog->directory().absolutePath(), QDir(directory.path()).absolutePath());
                           EXPECT_EQ(dialog->labelText(QFileDialog::Accept), QString::fromUtf8(c.accept));
                           EXPECT_EQ(dialog->labelText(QFileDialog::FileName), QString::fromUtf8(c.fileName));
                           dialog->selectFile(QStringLiteral("new"));
                           answerNextQuestionWith(QString::fromUtf8(c.yes), &question);
                           QMetaObject::invokeMethod(dialog, "accept");
                       });
        ASSERT_TRUE(chosen) << c.yes;
        EXPECT_EQ(QString::fromStdString(*chosen), directory.filePath(QStringLiteral("new.dat")));
        EXPECT_TRUE(question.contains(QString::fromUtf8(c.create))) << question.toStdString();
    }
}

TEST(FileChooserTest, AMatrixMarketFileMustExistAndItsFiltersFollowTheLanguage) {
    QTemporaryDir directory;
    for (auto [language, filters] :
         {std::pair{kRomanian, QStringList{QStringLiteral("Fisiere Matrix Market (*.mtx)"), QStringLiteral("Toate fisierele (*)")}},
          std::pair{kEnglish, QStringList{QStringLiteral("Matrix Market files (*.mtx)"), QStringLiteral("All files (*)")}}}) {
        FileRequest request{"Importa", FileKind::MatrixMarket, "", directory.path().toStdString(), false, language};
        whileModalOpen([&] { chooseFileWithDialog(request, nullptr); },
                       [&](QWidget& window) {
                           auto* dialog = qobject_cast<QFileDialog*>(&window);
                           ASSERT_NE(dialog, nullptr);
                           EXPECT_EQ(dialog->nameFilters(), filters);
                           EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
                       });
    }
}

TEST(FileChooserTest, CancelGivesNothing) {
    FileRequest request{"Selecteaza Fisierul", FileKind::Text, "Input File Structure.txt", ""};
    std::optional<std::string> chosen = std::string("untouched");
    whileModalOpen([&] { chosen = chooseFileWithDialog(request, nullptr); },
                   [](QWidget& window) {
                       EXPECT_EQ(qobject_cast<QFileDialog*>(&window)->defaultSuffix(), QStringLiteral("txt"));
                   });
    EXPECT_FALSE(chosen);
}

class EditorTest : public ::testing::Test {
protected:
    QString path(const char* name) { return directory.filePath(QString::fromLatin1(name)); }
    QTemporaryDir directory;
};

TEST_F(EditorTest, SavesInPlaceKeepingLineEndsAndEncoding) {
    QString file = path("results.txt");
    writeText(file, "title \xE9t\xE9\r\n1\r\n");  // Latin-1 bytes, CR LF line ends
    ResultsFile results;
    ASSERT_TRUE(results.open(file.toStdString()));

    whileModalOpen([&] { editTextFile(file, nullptr); },
                   [](QWidget& window) {
                       auto* editor = qobject_cast<TextEditor*>(&window);
                       ASSERT_NE(editor, nullptr);
                       EXPECT_EQ(editor->editor().toPlainText(), QStringLiteral("title \u00e9t\u00e9\n1\n"));
                       editor->editor().appendPlainText(QStringLiteral("2"));
                       EXPECT_TRUE(editor->save());
                   });
    EXPECT_EQ(fileText(file), "title \xE9t\xE9\r\n1\r\n\r\n2");
    EXPECT_EQ(results.readAll(), fileText(file));  // the open results file sees the saved text
}

TEST_F(EditorTest, SavingAfterAReportKeepsTheDataLinesLineFeeds) {
    QString file = path("mixed.txt");
    writeText(file, "title\n1 1\n5\n\r\n Gauss\r\n x(1) = 5\r\n");  // LF data, CR LF report
    whileModalOpen([&] { editTextFile(file, nullptr); },
                   [](QWidget& window) {
                       auto* editor = qobject_cast<TextEditor*>(&window);
                       QTextCursor end = editor->editor().textCursor();
                       end.movePosition(QTextCursor::End);
                       end.insertText(QStringLiteral("note\n"));
                       EXPECT_TRUE(editor->save());
                   });
    EXPECT_EQ(fileText(file), "title\n1 1\n5\n\r\n Gauss\r\n x(1) = 5\r\nnote\r\n");
}

TEST_F(EditorTest, AsksBeforeChangesAreLost) {
    QString file = path("data.txt");
    writeText(file, "3 1\n");
    whileModalOpen([&] { editTextFile(file, nullptr); },
                   [](QWidget& window) {
                       auto* editor = qobject_cast<TextEditor*>(&window);
                       editor->editor().insertPlainText(QStringLiteral("changed "));
                       answerNextQuestion(QMessageBox::Cancel);
                       editor->reject();
                       EXPECT_TRUE(editor->isVisible());  // cancelled: still open
                       answerNextQuestion(QMessageBox::Discard);
                       editor->reject();
                       EXPECT_FALSE(editor->isVisible());
                   });
    EXPECT_EQ(fileText(file), "3 1\n");
}

TEST_F(EditorTest, AMissingFileStartsEmptyAndIsCreatedBySave) {
    QString file = path("Help-Generare.txt");
    whileModalOpen([&] { editTextFile(file, nullptr); },
                   [](QWidget& window) {
                       auto* editor = qobject_cast<TextEditor*>(&window);
                       EXPECT_TRUE(editor->editor().toPlainText().isEmpty());
                       editor->editor().setPlainText(QStringLiteral("note\n"));
                       editor->save();
                   });
    EXPECT_EQ(fileText(file), "note\n");
}

}  // namespace
}  // namespace corvane::testing
