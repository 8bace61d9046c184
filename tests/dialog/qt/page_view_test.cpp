// A results file too large to edit opens at once in a read-only view that
// holds one page of whole lines at a time, from Deschide as well.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <cstdio>

#include "dialog/control_ids.h"
#include "dialog/file_pages.h"
#include "dialog/qt/page_view.h"
#include "qt_test_support.h"

namespace corvane::testing {
namespace {

using namespace control;

constexpr const char* kSystem3 = "Sistem 3 x 3\r\n3 1\r\n 4 -2 1\r\n 3 6 -4\r\n 2 1 8\r\n 3 3 28\r\n";

// "line 0000001 of the report ...\r\n" and so on, past `bytes` in all.
std::string numberedReport(std::size_t bytes) {
    std::string text;
    text.reserve(bytes + 64);
    char line[64];
    for (int k = 1; text.size() < bytes; ++k) {
        std::snprintf(line, sizeof line, "line %07d of the report, x(%d) =    1.000000\r\n", k, k);
        text += line;
    }
    return text;
}

int lineNumber(const QString& line) { return line.mid(5, 7).toInt(); }

QStringList shownLines(PageView& view) { return view.text().toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

class PageViewTest : public ::testing::Test {
protected:
    PageViewTest() : path(directory.filePath(QStringLiteral("large.txt"))) {}

    QTemporaryDir directory;
    QString path;
};

TEST_F(PageViewTest, ShowsOnePageOfWholeLinesAtATime) {
    const std::string report = numberedReport(kLargestEditedFile + 4 * FilePages::kPageBytes);
    writeText(path, report);
    const int lastLine = lineNumber(QString::fromStdString(report.substr(report.rfind("line "))));
    ScriptedQtPlatform platform;
    whileModalOpen([&] { platform.QtPlatform::viewFile(path.toStdString(), kEnglish); },
                   [&](QWidget& window) {
                       auto* view = qobject_cast<PageView*>(&window);
                       ASSERT_NE(view, nullptr);
                       EXPECT_TRUE(view->windowTitle().startsWith(QStringLiteral("large.txt (read only)")));
                       EXPECT_TRUE(view->text().isReadOnly());
                       const int pages = view->pageCount();
                       EXPECT_GE(pages, static_cast<int>(report.size() / FilePages::kPageBytes));
                       EXPECT_EQ(view->findChild<QLabel*>(QStringLiteral("pageCount"))->text(),
                                 QStringLiteral("of %1").arg(pages));

                       // Each page starts with the line after the last of the page before.
                       int expected = 1;
                       for (int page : {0, 1, 2}) {
                           view->findChild<QSpinBox*>(QStringLiteral("pageNumber"))->setValue(page + 1);
                           ASSERT_EQ(view->page(), page);
                           const QStringList lines = shownLines(*view);
                           EXPECT_EQ(lineNumber(lines.first()), expected) << page;
                           EXPECT_TRUE(lines.first().startsWith(QStringLiteral("line "))) << page;
                           expected = lineNumber(lines.last()) + 1;
                           // One page held, never the file.
                           EXPECT_LE(static_cast<std::size_t>(view->text().document()->characterCount()),
                                     2 * FilePages::kPageBytes);
                       }
                       QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("lastPage")), Qt::LeftButton);
                       EXPECT_EQ(view->page(), pages - 1);
                       EXPECT_EQ(lineNumber(shownLines(*view).last()), lastLine);
                       EXPECT_FALSE(view->findChild<QPushButton*>(QStringLiteral("nextPage"))->isEnabled());
                       QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("previousPage")), Qt::LeftButton);
                       EXPECT_EQ(view->page(), pages - 2);
                   });
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_NE(window->objectName(), QStringLiteral("pageView")) << "the view and its page are gone once closed";
    }
}

TEST_F(PageViewTest, DeschideOpensALargeResultsFileInTheViewNotTheEditor) {
    writeText(path, kSystem3 + numberedReport(kLargestEditedFile));
    ScriptedQtPlatform platform;
    DialogSession session{platform};
    MainDialog& dialog = session.dialog();
    dialog.show();
    platform.fileAnswers.push_back(path.toStdString());
    QTest::mouseClick(controlOf(dialog, kSelect), Qt::LeftButton);
    QTest::mouseClick(controlOf(dialog, kRead), Qt::LeftButton);
    ASSERT_TRUE(runEnded(platform));
    ASSERT_TRUE(session.state().DATE_CITITE);
    whileModalOpen([&] { QTest::mouseClick(controlOf(dialog, kOpen), Qt::LeftButton); },
                   [&](QWidget& window) {
                       auto* view = qobject_cast<PageView*>(&window);
                       ASSERT_NE(view, nullptr);
                       EXPECT_TRUE(view->windowTitle().startsWith(QStringLiteral("large.txt (doar citire)")));
                       EXPECT_TRUE(shownLines(*view).first().startsWith(QStringLiteral("Sistem 3 x 3")));
                       EXPECT_TRUE(dialog.isVisible());
                   });
    EXPECT_TRUE(platform.edited.empty());
    EXPECT_TRUE(session.state().DATE_CITITE) << "only looked at";
}

}  // namespace
}  // namespace corvane::testing
