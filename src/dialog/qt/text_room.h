#pragma once
// How much room a control needs to show a text whole: the text itself, and
// what the style draws around it (indicator, frame, bevel), plus a small
// margin so that no text touches an edge. Captions of radio buttons, check
// boxes and labels wrap at blanks onto as many lines as their control's
// height holds; a text of kind TextLines keeps the lines it is written in.

#include <QSize>
#include <QString>
#include <QStringList>

#include "dialog/dialog_templates.h"

class QAbstractButton;
class QFontMetrics;
class QWidget;

namespace corvane {

// Pixels kept free between a text and its control's edges.
inline constexpr int kMargin = 2;

// How many lines of wrapped caption a control of this template holds.
int captionLines(const ControlTemplate& control);

// Breaks the text at blanks so that no line is wider than `width` pixels
// (a single word wider than that keeps a line of its own).
QString wrapped(const QFontMetrics& metrics, const QString& text, int width);

// The width a radio button's or check box's caption may wrap to: its own
// width less the indicator, the spacing and the focus frame and the margin.
int captionWidth(const QAbstractButton& button);

// The room `widget`, made for `control`, needs for `texts`: one caption, or
// all the entries of a list at once. A list is left empty.
QSize roomFor(QWidget& widget, const ControlTemplate& control, const QStringList& texts);

}  // namespace corvane
