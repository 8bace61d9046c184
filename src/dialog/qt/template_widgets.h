#pragma once
// Builds the widgets of a dialog template on a QDialog: every control at its
// position and size, the exclusive radio groups, and captions that wrap onto
// a second line where the control is tall enough for it. The dialog units
// are grown, before anything is placed, until every control can show its
// template text and each content it may be given whole (see text_room.h):
// the template's layout stays, only larger where the font needs it.

#include <QString>
#include <map>
#include <span>

#include "dialog/dialog_contents.h"
#include "dialog/dialog_templates.h"
#include "dialog/qt/dialog_units.h"

class QAbstractButton;
class QDialog;
class QWidget;

namespace corvane {

class TemplateWidgets {
public:
    TemplateWidgets(QDialog& dialog, const DialogTemplate& dialogTemplate,
                    std::span<const ControlContent> contents = {});

    // The widget of a control id, or nullptr (unaddressed controls have none).
    QWidget* widget(int id) const;
    const DialogUnits& units() const { return units_; }

    // The caption of a button, frame or label; the text of an edit field or
    // a text panel.
    void setText(int id, const QString& text);
    QString text(int id) const;

private:
    QWidget* create(const ControlTemplate& control);
    void makeRoom(std::span<const ControlContent> contents);
    void applyText(QWidget& widget, const ControlTemplate& control, const QString& text);
    void setButtonCaption(QAbstractButton& button, const ControlTemplate& control, const QString& caption);

    QDialog& dialog_;
    DialogUnits units_;
    std::map<int, QWidget*> widgets_;
    std::map<int, const ControlTemplate*> controls_;
};

// The object name given to the widget of a control: "control<id>".
QString controlObjectName(int id);

}  // namespace corvane
