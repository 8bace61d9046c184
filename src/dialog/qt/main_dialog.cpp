#include "dialog/qt/main_dialog.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <stdexcept>

#include "dialog/control_ids.h"
#include "dialog/dialog_contents.h"
#include "dialog/qt/program_icon.h"
#include "dialog/qt/qt_text.h"

namespace corvane {
namespace {

constexpr int kDialogLeft = 40;  // dialog units from the top left of the screen
constexpr int kDialogTop = 40;

}  // namespace

MainDialog::MainDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      widgets_(*this, mainDialogTemplate(), mainDialogContents()) {
    setObjectName(QStringLiteral("mainDialog"));
    setWindowIcon(programIcon());
    setSizeGripEnabled(false);
    move(widgets_.units().x(kDialogLeft), widgets_.units().y(kDialogTop));
    connectControls();
}

void MainDialog::connectControls() {
    for (const ControlTemplate& c : mainDialogTemplate().controls) {
        QWidget* widget = widgets_.widget(c.id);
        if (widget == nullptr) continue;
        const int id = c.id;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (id == control::kExit || id == control::kCancel) {
                connect(button, &QAbstractButton::clicked, this, &QDialog::reject);
            } else {
                connect(button, &QAbstractButton::clicked, this, [this, id] { act(id); });
            }
        } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
            connect(list, &QListWidget::itemSelectionChanged, this, [this, id] { act(id); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && !edit->isReadOnly()) {
            connect(edit, &QLineEdit::textChanged, this, [this, id] { act(id); });
        }
    }
}

void MainDialog::reject() {
    if (closeGuard_ && !closeGuard_()) return;
    QDialog::reject();
}

void MainDialog::act(int id) {
    if (handler_) handler_(id);
}

QWidget& MainDialog::widgetOf(int id) const {
    QWidget* widget = widgets_.widget(id);
    if (widget == nullptr) throw std::out_of_range("no control with id " + std::to_string(id));
    return *widget;
}

QListWidget& MainDialog::listOf(int id) const {
    auto* list = qobject_cast<QListWidget*>(&widgetOf(id));
    if (list == nullptr) throw std::out_of_range("control " + std::to_string(id) + " is not a list");
    return *list;
}

void MainDialog::setWindowTitle(std::string_view title) { QDialog::setWindowTitle(toQt(title)); }

void MainDialog::setText(int id, std::string_view text) {
    QSignalBlocker quiet(&widgetOf(id));
    widgets_.setText(id, toQt(text));
    if (id == control::kOrder || id == control::kRhsCount) fitNumberField(id);
}

// n and nb are shown whole: a field too narrow for its number grows to the right.
void MainDialog::fitNumberField(int id) {
    auto& edit = static_cast<QLineEdit&>(widgetOf(id));
    const ControlTemplate* source = findControl(mainDialogTemplate(), id);
    int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    int needed = edit.fontMetrics().horizontalAdvance(edit.text()) + frame + edit.fontMetrics().averageCharWidth();
    edit.resize(qMax(units().x(source->width), needed), edit.height());
}

std::string MainDialog::text(int id) const { return widgets_.text(id).toStdString(); }

void MainDialog::setChecked(int id, bool on) {
    auto* button = qobject_cast<QAbstractButton*>(&widgetOf(id));
    if (button == nullptr) return;
    QSignalBlocker quiet(button);
    button->setChecked(on);
}

bool MainDialog::isChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(&widgetOf(id));
    return button != nullptr && button->isChecked();
}

void MainDialog::setEnabled(int id, bool enabled) { widgetOf(id).setEnabled(enabled); }

bool MainDialog::isEnabled(int id) const { return widgetOf(id).isEnabled(); }

void MainDialog::appendListEntry(int id, std::string_view text) {
    QListWidget& list = listOf(id);
    QSignalBlocker quiet(&list);
    list.addItem(toQt(text));
}

void MainDialog::setListEntry(int id, int index, std::string_view text) {
    QListWidget& list = listOf(id);
    QSignalBlocker quiet(&list);
    if (QListWidgetItem* item = list.item(index - 1)) item->setText(toQt(text));
}

void MainDialog::setListCount(int id, int count) {
    QListWidget& list = listOf(id);
    QSignalBlocker quiet(&list);
    while (list.count() > count) delete list.takeItem(list.count() - 1);
    while (list.count() < count) list.addItem(QString());
}

int MainDialog::listSelection(int id) const {
    QListWidget& list = listOf(id);
    QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? 0 : list.row(selected.first()) + 1;
}

void MainDialog::setListSelection(int id, int index) {
    QListWidget& list = listOf(id);
    QSignalBlocker quiet(&list);
    if (index <= 0 || index > list.count()) {
        list.clearSelection();
        list.setCurrentRow(-1);
    } else {
        list.setCurrentRow(index - 1);
    }
}

}  // namespace corvane
