// Every text of the main dialog and of the help windows shows whole inside
// its control's place, in both languages and with fonts wider than the one
// the layout was drawn for; help texts keep their lines as written.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QRadioButton>
#include <QStyle>
#include <optional>
#include <string>

#include "dialog/control_ids.h"
#include "dialog/dialog_templates.h"
#include "dialog/run_panel.h"
#include "qt_test_support.h"

namespace corvane::testing {
namespace {

using namespace control;

constexpr int kSpare = 1;  // pixels a text must leave free inside its control

std::string nameOf(const QWidget& widget) { return widget.objectName().toStdString(); }

void expectListShowsEveryEntry(QListWidget& list) {
    QRect visible = list.viewport()->rect();
    int itemMargin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    for (int row = 0; row < list.count(); ++row) {
        QListWidgetItem* item = list.item(row);
        QRect place = list.visualItemRect(item);
        EXPECT_TRUE(visible.contains(place)) << nameOf(list) << " row " << row << " is cut";
        EXPECT_LE(list.fontMetrics().horizontalAdvance(item->text()) + 2 * itemMargin + kSpare, visible.width())
            << nameOf(list) << ": " << item->text().toStdString();
    }
}

void expectTextFits(QWidget& widget) {
    const std::string name = nameOf(widget);
    QFontMetrics metrics = widget.fontMetrics();
    if (auto* list = qobject_cast<QListWidget*>(&widget)) {
        expectListShowsEveryEntry(*list);
    } else if (qobject_cast<QCheckBox*>(&widget) != nullptr || qobject_cast<QRadioButton*>(&widget) != nullptr) {
        auto& button = static_cast<QAbstractButton&>(widget);
        int lines = static_cast<int>(button.text().count(QLatin1Char('\n'))) + 1;
        EXPECT_LE(button.sizeHint().width() + kSpare, button.width()) << name << ": " << button.text().toStdString();
        EXPECT_LE(lines * metrics.lineSpacing(), button.height()) << name << ": " << button.text().toStdString();
    } else if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        // the bevel needs room on both sides of the text
        EXPECT_LE(metrics.horizontalAdvance(button->text()) + 2 * metrics.averageCharWidth(), button->width())
            << name << ": " << button->text().toStdString();
        EXPECT_LE(metrics.height(), button->height()) << name;
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        if (label->text().isEmpty()) return;
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name << ": " << label->text().toStdString();
        } else {
            int spare = label->frameWidth() > 0 ? kSpare : 0;  // a bare label may reach its edges
            EXPECT_LE(label->sizeHint().width() + spare, label->width()) << name << ": " << label->text().toStdString();
            EXPECT_LE(label->sizeHint().height(), label->height()) << name << ": " << label->text().toStdString();
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
        EXPECT_LE(metrics.horizontalAdvance(group->title()) + 2 * metrics.averageCharWidth(), group->width()) << name;
    }
}

// Every visible control of the window, addressed or not.
void expectEveryTextFits(QWidget& window) {
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden()) expectTextFits(*child);
    }
}

// The desktop's font, and fonts wider than it.
class TextFitTest : public ::testing::TestWithParam<const char*> {
protected:
    TextFitTest() : desktopFont_(QApplication::font()) {
        if (*GetParam() != '\0') QApplication::setFont(QFont(QString::fromLatin1(GetParam())));
        session_.emplace(platform);
        session_->dialog().show();
    }
    ~TextFitTest() override {
        session_.reset();
        QApplication::setFont(desktopFont_);
    }

    MainDialog& dialog() { return session_->dialog(); }
    void click(int id) { QTest::mouseClick(controlOf(dialog(), id), Qt::LeftButton); }

    ScriptedQtPlatform platform;

private:
    QFont desktopFont_;
    std::optional<DialogSession> session_;
};

TEST_P(TextFitTest, MainDialogTextsFitTheirPlacesInBothLanguages) {
    const DialogUnits& units = dialog().units();
    for (int language : {kRomanianButton, kEnglishButton}) {
        click(language);
        for (int method : {4, 5}) {  // the iterative-method label shows each name
            clickEntry(*controlOf<QListWidget>(dialog(), kMethodList), method - 1);
            SCOPED_TRACE("language " + std::to_string(language) + ", method " + std::to_string(method));
            expectEveryTextFits(dialog());
        }
    }
    // The layout is the template's, only in larger units where the font needs them.
    for (const ControlTemplate& c : mainDialogTemplate().controls) {
        if (c.id < 0) continue;
        EXPECT_EQ(controlOf(dialog(), c.id)->geometry(), units.rect(c.x, c.y, c.width, c.height)) << c.id;
    }
}

// The panel under the buttons shows its longest texts without scrolling.
TEST_P(TextFitTest, PanelShowsThePivotLinesWhole) {
    auto* panel = controlOf<QPlainTextEdit>(dialog(), kRunLines);
    ASSERT_NE(panel, nullptr);
    const SmallPivot pivot{4000, -1.0e-30f, 1.0e-8f};
    for (int language : {kRomanian, kEnglish}) {
        for (EliminationTask task : {EliminationTask::System, EliminationTask::Inverse, EliminationTask::ConditionNumber}) {
            const std::string text = pivotFailureText({task, pivot}, language);
            dialog().setText(kRunLines, text);
            QApplication::processEvents();
            EXPECT_EQ(panel->horizontalScrollBar()->maximum(), 0) << text;
            EXPECT_EQ(panel->verticalScrollBar()->maximum(), 0) << text;
        }
    }
}

TEST_P(TextFitTest, HelpWindowsShowEachLineWholeInBothLanguages) {
    for (int language : {kRomanianButton, kEnglishButton}) {
        click(language);
        for (int help : {kDataFileHelp, kIterationHelp, kAbout}) {
            whileModalOpen([&] { click(help); },
                           [&](QWidget& window) {
                               SCOPED_TRACE(nameOf(window) + " after " + std::to_string(language));
                               expectEveryTextFits(window);
                               // Not wrapped, so each line is one line on the screen; the
                               // checks above see every line whole.
                               for (QLabel* text : window.findChildren<QLabel*>()) {
                                   EXPECT_TRUE(text->text().isEmpty() || !text->wordWrap()) << nameOf(*text);
                               }
                           });
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, TextFitTest, ::testing::Values("", "DejaVu Sans Mono", "DejaVu Serif"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             std::erase(name, ' ');
                             return name.empty() ? std::string("DesktopFont") : name;
                         });

}  // namespace
}  // namespace corvane::testing
