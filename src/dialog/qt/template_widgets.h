#pragma once
// Builds the widgets of a dialog template on a QDialog: every control at its
// position and size, the exclusive radio groups, and captions that wrap onto
// a second line where the control is tall enough for it.

#include <QString>
#include <map>

#include "dialog/dialog_templates.h"
#include "dialog/qt/dialog_units.h"

class QAbstractButton;
class QDialog;
class QWidget;

namespace corvane {

class TemplateWidgets {
public:
    TemplateWidgets(QDialog& dialog, const DialogTemplate& dialogTemplate);

    // The widget of a control id, or nullptr (unaddressed controls have none).
    QWidget* widget(int id) const;
    const DialogUnits& units() const { return units_; }

    // The caption of a button, frame or label; the text of an edit field.
    void setText(int id, const QString& text);
    QString text(int id) const;

    // Lets every word-wrapped label grow until its whole text shows, moving
    // the controls below it and the bottom of the dialog down.
    void fitLabelsToText();

private:
    QWidget* create(const ControlTemplate& control);
    void applyText(QWidget& widget, const ControlTemplate& control, const QString& text);
    void setButtonCaption(QAbstractButton& button, const ControlTemplate& control, const QString& caption);

    QDialog& dialog_;
    const DialogTemplate& template_;
    DialogUnits units_;
    std::map<int, QWidget*> widgets_;
    std::map<int, const ControlTemplate*> controls_;
};

// The object name given to the widget of a control: "control<id>".
QString controlObjectName(int id);

}  // namespace corvane
