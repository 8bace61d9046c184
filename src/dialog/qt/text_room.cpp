#include "dialog/qt/text_room.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace corvane {
namespace {

constexpr int kLineUnits = 8;  // dialog units: the height of one line of text

int widestLine(const QFontMetrics& metrics, const QStringList& lines) {
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The narrowest width at which the text wraps onto at most `lines` lines.
int narrowestWrap(const QFontMetrics& metrics, const QString& text, int lines) {
    int low = widestLine(metrics, text.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    int high = std::max(low, metrics.horizontalAdvance(text));
    while (low < high) {
        int middle = (low + high) / 2;
        if (wrapped(metrics, text, middle).count(QLatin1Char('\n')) < lines) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

// Every entry whole, and all of them at once, without scroll bars.
QSize listRoom(QListWidget& list, const QStringList& entries) {
    list.addItems(entries);
    int rows = 0;
    for (int row = 0; row < list.count(); ++row) rows += list.sizeHintForRow(row);
    list.clear();
    int itemMargin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    int frames = 2 * list.frameWidth();
    return {widestLine(list.fontMetrics(), entries) + 2 * itemMargin + frames + kMargin, rows + frames};
}

// A character's width on either side of the text keeps it clear of the bevel.
QSize pushButtonRoom(const QAbstractButton& button, const QString& text) {
    int frame = button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    QFontMetrics metrics = button.fontMetrics();
    return {metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth(), metrics.height() + 2 * frame};
}

// The size of a text of several lines as a label or button lays it out.
QSize linesSize(const QFontMetrics& metrics, const QString& text) {
    return metrics.boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, text).size();
}

QStyle::ContentsType indicatorKind(const QAbstractButton& button) {
    return qobject_cast<const QRadioButton*>(&button) != nullptr ? QStyle::CT_RadioButton : QStyle::CT_CheckBox;
}

// The room a radio button or check box takes besides its text, as its style
// draws it.
int besideText(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = QStringLiteral("x");  // the spacing counts only beside a text
    QFontMetrics metrics = button.fontMetrics();
    return button.style()->sizeFromContents(indicatorKind(button), &option, QSize(0, metrics.height()), &button).width();
}

// The caption wrapped onto the lines the control holds, beside the indicator.
QSize indicatorButtonRoom(const QAbstractButton& button, const ControlTemplate& control, const QString& text) {
    QFontMetrics metrics = button.fontMetrics();
    QSize textSize = linesSize(metrics, wrapped(metrics, text, narrowestWrap(metrics, text, captionLines(control))));
    return {textSize.width() + besideText(button) + kMargin, textSize.height()};
}

QSize labelRoom(const QLabel& label, const ControlTemplate& control, const QString& text) {
    QFontMetrics metrics = label.fontMetrics();
    QString shown = control.kind == ControlKind::TextLines
                        ? text
                        : wrapped(metrics, text, narrowestWrap(metrics, text, captionLines(control)));
    QSize textSize = linesSize(metrics, shown);
    // A label without a frame may reach its edges: the layout keeps it apart
    // from its neighbours.
    int frames = 2 * label.frameWidth();
    int margin = frames > 0 ? kMargin : 0;
    return {textSize.width() + frames + margin, textSize.height() + frames};
}

QSize groupBoxRoom(const QGroupBox& group, const QString& title) {
    QFontMetrics metrics = group.fontMetrics();
    return {metrics.horizontalAdvance(title) + 2 * metrics.averageCharWidth(), metrics.height()};
}

}  // namespace

int captionWidth(const QAbstractButton& button) { return button.width() - besideText(button) - kMargin; }

int captionLines(const ControlTemplate& control) { return std::max(1, control.height / kLineUnits); }

QString wrapped(const QFontMetrics& metrics, const QString& text, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines.join(QLatin1Char('\n'));
}

QSize roomFor(QWidget& widget, const ControlTemplate& control, const QStringList& texts) {
    if (auto* list = qobject_cast<QListWidget*>(&widget)) return listRoom(*list, texts);
    const QString text = texts.value(0);
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        bool indicator = qobject_cast<QCheckBox*>(button) != nullptr || qobject_cast<QRadioButton*>(button) != nullptr;
        return indicator ? indicatorButtonRoom(*button, control, text) : pushButtonRoom(*button, text);
    }
    if (auto* label = qobject_cast<QLabel*>(&widget)) return labelRoom(*label, control, text);
    if (auto* group = qobject_cast<QGroupBox*>(&widget)) return groupBoxRoom(*group, text);
    return {};
}

}  // namespace corvane
