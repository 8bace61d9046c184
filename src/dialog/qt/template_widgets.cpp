#include "dialog/qt/template_widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <vector>

#include "dialog/qt/program_icon.h"
#include "dialog/qt/text_room.h"
#include "dialog/qt/qt_text.h"

namespace corvane {
namespace {

const char* const kCaptionProperty = "caption";

bool wrapsCaption(const ControlTemplate& control) { return captionLines(control) > 1; }

QLabel* createLabel(QWidget* parent, const ControlTemplate& control) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(control.kind != ControlKind::TextLines && wrapsCaption(control));
    switch (control.kind) {
        case ControlKind::SunkenLabel:
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            break;
        case ControlKind::CentredSunkenLabel:
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setAlignment(Qt::AlignCenter);
            break;
        case ControlKind::RightAlignedLabel: label->setAlignment(Qt::AlignRight | Qt::AlignTop); break;
        default: label->setAlignment(Qt::AlignLeft | Qt::AlignTop); break;
    }
    return label;
}

QWidget* createIcon(QWidget* parent, const QRect& area) {
    auto* label = new QLabel(parent);
    int side = qMin(area.width(), area.height());
    label->setPixmap(programIcon().pixmap(side, side));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

QString controlObjectName(int id) { return QStringLiteral("control%1").arg(id); }

TemplateWidgets::TemplateWidgets(QDialog& dialog, const DialogTemplate& dialogTemplate,
                                 std::span<const ControlContent> contents)
    : dialog_(dialog), units_(dialogFont(dialogTemplate.fontPointSize)) {
    dialog_.setFont(dialogFont(dialogTemplate.fontPointSize));
    std::vector<std::pair<QWidget*, const ControlTemplate*>> placed;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = create(control);
        placed.emplace_back(widget, &control);
        if (control.id >= 0) {
            widget->setObjectName(controlObjectName(control.id));
            widgets_[control.id] = widget;
            controls_[control.id] = &control;
        }
    }
    for (auto [widget, control] : placed) {
        if (!control->text.empty() && control->kind != ControlKind::HiddenPushButton) {
            units_.makeRoom(roomFor(*widget, *control, {toQt(control->text)}), control->width, control->height);
        }
    }
    makeRoom(contents);
    dialog_.setFixedSize(units_.x(dialogTemplate.width), units_.y(dialogTemplate.height));
    for (auto [widget, control] : placed) {
        widget->setGeometry(units_.rect(control->x, control->y, control->width, control->height));
        applyText(*widget, *control, toQt(control->text));
        if (control->kind == ControlKind::HiddenPushButton) widget->hide();
    }
    for (std::span<const int> group : dialogTemplate.radioGroups) {
        auto* buttons = new QButtonGroup(&dialog_);
        buttons->setExclusive(true);
        for (int id : group) buttons->addButton(qobject_cast<QAbstractButton*>(widgets_.at(id)));
    }
}

void TemplateWidgets::makeRoom(std::span<const ControlContent> contents) {
    for (const ControlContent& content : contents) {
        QWidget* widget = this->widget(content.id);
        if (widget == nullptr) continue;
        QStringList texts;
        for (const std::string& text : content.texts) texts << toQt(text);
        const ControlTemplate& control = *controls_.at(content.id);
        units_.makeRoom(roomFor(*widget, control, texts), control.width, control.height);
    }
}

QWidget* TemplateWidgets::create(const ControlTemplate& control) {
    QWidget* parent = &dialog_;
    switch (control.kind) {
        case ControlKind::GroupBox: return new QGroupBox(parent);
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(parent);
            radio->setAutoExclusive(false);  // exclusive within its group only
            return radio;
        }
        case ControlKind::PushLikeRadioButton: {
            auto* button = new QPushButton(parent);
            button->setCheckable(true);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::CheckBox: return new QCheckBox(parent);
        case ControlKind::Label:
        case ControlKind::SunkenLabel:
        case ControlKind::CentredSunkenLabel:
        case ControlKind::RightAlignedLabel:
        case ControlKind::TextLines: return createLabel(parent, control);
        case ControlKind::Icon:
            return createIcon(parent, units_.rect(control.x, control.y, control.width, control.height));
        case ControlKind::PushButton:
        case ControlKind::FlatPushButton:
        case ControlKind::DefaultPushButton:
        case ControlKind::HiddenPushButton: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            button->setDefault(control.kind == ControlKind::DefaultPushButton);
            return button;
        }
        case ControlKind::ListBox: {
            auto* list = new QListWidget(parent);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // long entries are cut, as in a list box
            return list;
        }
        case ControlKind::Edit:
        case ControlKind::ReadOnlyEdit: {
            auto* edit = new QLineEdit(parent);
            if (control.kind == ControlKind::ReadOnlyEdit) {
                edit->setReadOnly(true);
                edit->setBackgroundRole(QPalette::Window);
            }
            return edit;
        }
        case ControlKind::ReadOnlyTextPanel: {
            auto* panel = new QPlainTextEdit(parent);
            panel->setReadOnly(true);
            panel->setLineWrapMode(QPlainTextEdit::NoWrap);
            panel->setBackgroundRole(QPalette::Window);
            return panel;
        }
    }
    return new QWidget(parent);
}

QWidget* TemplateWidgets::widget(int id) const {
    auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : found->second;
}

void TemplateWidgets::setButtonCaption(QAbstractButton& button, const ControlTemplate& control,
                                       const QString& caption) {
    button.setProperty(kCaptionProperty, caption);
    bool indicator = qobject_cast<QCheckBox*>(&button) != nullptr || qobject_cast<QRadioButton*>(&button) != nullptr;
    if (!indicator || !wrapsCaption(control)) {
        button.setText(caption);
        return;
    }
    // Radio buttons and check boxes do not wrap their text themselves.
    button.setText(wrapped(button.fontMetrics(), caption, captionWidth(button)));
}

void TemplateWidgets::setText(int id, const QString& text) {
    if (QWidget* widget = this->widget(id)) applyText(*widget, *controls_.at(id), text);
}

void TemplateWidgets::applyText(QWidget& control, const ControlTemplate& source, const QString& text) {
    QWidget* widget = &control;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        setButtonCaption(*button, source, text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* panel = qobject_cast<QPlainTextEdit*>(widget)) {
        panel->setPlainText(text);
    }
}

QString TemplateWidgets::text(int id) const {
    QWidget* widget = this->widget(id);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->property(kCaptionProperty).toString();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* panel = qobject_cast<QPlainTextEdit*>(widget)) return panel->toPlainText();
    return {};
}

}  // namespace corvane
