#include "dialog/qt/help_dialogs.h"

#include <QDialog>
#include <QPushButton>
#include <string>

#include "dialog/dialog_templates.h"
#include "dialog/qt/program_icon.h"
#include "dialog/qt/template_widgets.h"

namespace corvane {
namespace {

// Help texts separate their lines with CR LF; a label wants bare line feeds.
QString displayText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A modal window built from a template; OK, Escape and the close box end it.
class TemplateDialog : public QDialog {
public:
    TemplateDialog(const DialogTemplate& source, const std::string& title, QWidget* parent)
        : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
          widgets_(*this, source) {
        setObjectName(QStringLiteral("dialog%1").arg(source.id));
        setWindowTitle(QString::fromStdString(title));
        setWindowIcon(programIcon());
        connect(button(help_control::kOk), &QPushButton::clicked, this, &QDialog::accept);
        connect(button(help_control::kCancel), &QPushButton::clicked, this, &QDialog::reject);
    }

    void setText(int id, const std::string& text) { widgets_.setText(id, displayText(text)); }
    QPushButton* button(int id) const { return qobject_cast<QPushButton*>(widgets_.widget(id)); }

    void run() {
        widgets_.fitLabelsToText();
        exec();
    }

private:
    TemplateWidgets widgets_;
};

}  // namespace

void runDataFileHelp(const DataFileHelpWindow& window, const std::function<void()>& onSave, QWidget* parent) {
    TemplateDialog dialog(dataFileHelpTemplate(), window.title, parent);
    dialog.setText(help_control::kLayoutText, window.layoutText);
    dialog.setText(help_control::kKindsText, window.kindsText);
    dialog.setText(help_control::kSave, window.saveCaption);
    QObject::connect(dialog.button(help_control::kSave), &QPushButton::clicked, &dialog, [&onSave] { onSave(); });
    dialog.run();
}

void runIterationHelp(const IterationHelpWindow& window, QWidget* parent) {
    TemplateDialog dialog(iterationHelpTemplate(), window.title, parent);
    dialog.setText(help_control::kEpsText, window.epsText);
    dialog.setText(help_control::kNlimText, window.nlimText);
    dialog.setText(help_control::kOmegaText, window.omegaText);
    dialog.run();
}

void runAbout(const AboutWindow& window, QWidget* parent) {
    TemplateDialog dialog(aboutTemplate(), window.title, parent);
    dialog.setText(help_control::kAboutText, window.text);
    dialog.run();
}

}  // namespace corvane
