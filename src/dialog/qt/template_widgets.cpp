#include "dialog/qt/template_widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <vector>

#include "dialog/qt/program_icon.h"

namespace corvane {
namespace {

constexpr int kTwoLines = 16;  // dialog units: a control this tall holds two lines of text
const char* const kCaptionProperty = "caption";

bool isMultiLine(const ControlTemplate& control) { return control.height >= kTwoLines; }

// Breaks the text at blanks so that no line is wider than `width` pixels
// (a single word wider than that keeps a line of its own).
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

int indicatorSpace(const QAbstractButton& button) {
    const QStyle* style = button.style();
    if (qobject_cast<const QRadioButton*>(&button) != nullptr) {
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &button) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &button);
    }
    return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &button) +
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &button);
}

QLabel* createLabel(QWidget* parent, const ControlTemplate& control) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(isMultiLine(control));
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

TemplateWidgets::TemplateWidgets(QDialog& dialog, const DialogTemplate& dialogTemplate)
    : dialog_(dialog), template_(dialogTemplate), units_(dialogFont(dialogTemplate.fontPointSize)) {
    dialog_.setFont(dialogFont(dialogTemplate.fontPointSize));
    dialog_.setFixedSize(units_.x(dialogTemplate.width), units_.y(dialogTemplate.height));
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = create(control);
        widget->setGeometry(units_.rect(control.x, control.y, control.width, control.height));
        if (control.id >= 0) {
            widget->setObjectName(controlObjectName(control.id));
            widgets_[control.id] = widget;
            controls_[control.id] = &control;
        }
        applyText(*widget, control, QString::fromUtf8(control.text.data(), static_cast<int>(control.text.size())));
        if (control.kind == ControlKind::HiddenPushButton) widget->hide();
    }
    for (std::span<const int> group : dialogTemplate.radioGroups) {
        auto* buttons = new QButtonGroup(&dialog_);
        buttons->setExclusive(true);
        for (int id : group) buttons->addButton(qobject_cast<QAbstractButton*>(widgets_.at(id)));
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
        case ControlKind::RightAlignedLabel: return createLabel(parent, control);
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
    if (!indicator) {
        button.setText(caption);
        return;
    }
    // A caption longer than its control makes the control wider, or, where
    // the control holds two lines, taller about its middle, so that the whole
    // text shows.
    QRect area = units_.rect(control.x, control.y, control.width, control.height);
    if (!isMultiLine(control)) {
        button.setText(caption);
        area.setWidth(qMax(area.width(), button.sizeHint().width()));
    } else {
        QFontMetrics metrics(button.font());
        int width = area.width() - indicatorSpace(button);
        button.setText(wrapped(metrics, caption, width));
        int needed = metrics.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, button.text()).height();
        if (needed > area.height()) area.adjust(0, -(needed - area.height()) / 2, 0, (needed - area.height() + 1) / 2);
    }
    button.setGeometry(area);
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
        if (!label->wordWrap() && source.kind != ControlKind::Icon) {
            label->resize(qMax(units_.x(source.width), label->sizeHint().width()), label->height());
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    }
}

QString TemplateWidgets::text(int id) const {
    QWidget* widget = this->widget(id);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->property(kCaptionProperty).toString();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    return {};
}

void TemplateWidgets::fitLabelsToText() {
    for (const ControlTemplate& control : template_.controls) {
        auto* label = qobject_cast<QLabel*>(widget(control.id));
        if (label == nullptr || !label->wordWrap()) continue;
        int extra = label->heightForWidth(label->width()) - label->height();
        if (extra <= 0) continue;
        int bottom = label->geometry().bottom();
        for (QWidget* other : dialog_.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (other != label && other->y() > bottom) other->move(other->x(), other->y() + extra);
        }
        label->resize(label->width(), label->height() + extra);
        dialog_.setFixedSize(dialog_.width(), dialog_.height() + extra);
    }
}

}  // namespace corvane
