#pragma once
// The main dialog window: the controls of the main template, offered to the
// controller through DialogView. Each user action on a control is passed to
// the action handler with the control's id; IESIRE, Escape, the hidden cancel
// button and the close box close the dialog, when the close guard agrees.

#include <QDialog>
#include <functional>

#include "dialog/dialog_view.h"
#include "dialog/qt/template_widgets.h"

class QListWidget;

namespace corvane {

class MainDialog : public QDialog, public DialogView {
    Q_OBJECT

public:
    explicit MainDialog(QWidget* parent = nullptr);

    void setActionHandler(std::function<void(int id)> handler) { handler_ = std::move(handler); }
    // Asked before the dialog closes; false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

    void reject() override;

    // The widget of a control id, or nullptr.
    QWidget* control(int id) const { return widgets_.widget(id); }
    const DialogUnits& units() const { return widgets_.units(); }

    void setWindowTitle(std::string_view title) override;
    void setText(int id, std::string_view text) override;
    std::string text(int id) const override;
    void setChecked(int id, bool on) override;
    bool isChecked(int id) const override;
    void setEnabled(int id, bool enabled) override;
    bool isEnabled(int id) const override;
    void appendListEntry(int id, std::string_view text) override;
    void setListEntry(int id, int index, std::string_view text) override;
    void setListCount(int id, int count) override;
    int listSelection(int id) const override;
    void setListSelection(int id, int index) override;

private:
    void connectControls();
    void act(int id);
    QWidget& widgetOf(int id) const;
    QListWidget& listOf(int id) const;
    void fitNumberField(int id);

    TemplateWidgets widgets_;
    std::function<void(int)> handler_;
    std::function<bool()> closeGuard_;
};

}  // namespace corvane
