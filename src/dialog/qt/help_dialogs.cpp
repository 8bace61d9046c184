#include "dialog/qt/help_dialogs.h"

#include <QDialog>
#include <QPushButton>
#include <string>
#include <vector>

#include "dialog/dialog_templates.h"
#include "dialog/qt/program_icon.h"
#include "dialog/qt/template_widgets.h"
#include "dialog/text_file.h"

namespace corvane {
namespace {

// Help texts separate their lines with CR LF; a label wants bare line feeds.
std::vector<ControlContent> shownTexts(std::vector<ControlContent> texts) {
    for (ControlContent& content : texts) content.texts.front() = withLineFeeds(content.texts.front());
    return texts;
}

// A modal window built from a template, showing each of its texts line by
// line as written: the window grows until every line fits. OK, Escape and
// the close box end it.
class TemplateDialog : public QDialog {
public:
    TemplateDialog(const DialogTemplate& source, const std::string& title, const std::vector<ControlContent>& texts,
                   QWidget* parent)
        : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
          texts_(shownTexts(texts)),
          widgets_(*this, source, texts_) {
        setObjectName(QStringLiteral("dialog%1").arg(source.id));
        setWindowTitle(QString::fromStdString(title));
        setWindowIcon(programIcon());
        for (const ControlContent& content : texts_) {
            widgets_.setText(content.id, QString::fromStdString(content.texts.front()));
        }
        connect(button(help_control::kOk), &QPushButton::clicked, this, &QDialog::accept);
        connect(button(help_control::kCancel), &QPushButton::clicked, this, &QDialog::reject);
    }

    QPushButton* button(int id) const { return qobject_cast<QPushButton*>(widgets_.widget(id)); }

private:
    std::vector<ControlContent> texts_;
    TemplateWidgets widgets_;
};

}  // namespace

void runDataFileHelp(const DataFileHelpWindow& window, const std::function<void()>& onSave, QWidget* parent) {
    TemplateDialog dialog(dataFileHelpTemplate(), window.title,
                          {{help_control::kLayoutText, {window.layoutText}},
                           {help_control::kKindsText, {window.kindsText}},
                           {help_control::kSave, {window.saveCaption}}},
                          parent);
    QObject::connect(dialog.button(help_control::kSave), &QPushButton::clicked, &dialog, [&onSave] { onSave(); });
    dialog.exec();
}

void runIterationHelp(const IterationHelpWindow& window, QWidget* parent) {
    TemplateDialog dialog(iterationHelpTemplate(), window.title,
                          {{help_control::kEpsText, {window.epsText}},
                           {help_control::kNlimText, {window.nlimText}},
                           {help_control::kOmegaText, {window.omegaText}}},
                          parent);
    dialog.exec();
}

void runAbout(const AboutWindow& window, QWidget* parent) {
    TemplateDialog dialog(aboutTemplate(), window.title, {{help_control::kAboutText, {window.text}}}, parent);
    dialog.exec();
}

}  // namespace corvane
