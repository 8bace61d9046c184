// The controller's file, help and About callbacks: choosing and viewing the
// results file, the help windows, saving the data-file help, the help file on
// generated matrices and the About box.

#include <filesystem>

#include "dialog/control_ids.h"
#include "dialog/dialog_controller.h"
#include "dialog/generated_matrix_help.h"
#include "dialog/open_failure.h"
#include "dialog/text_file.h"

namespace corvane {

using namespace control;

namespace {

constexpr std::string_view kFileDialogTitle = "Selecteaza Fisierul";
constexpr std::string_view kCannotOpenResults = "Can not open/create \"Result File\".";
constexpr std::string_view kCannotCreateSave = "Can not create \"Save File\".";

// The message for a results file that is not open: a cancelled choice, or a
// chosen file that could not be opened, with its path and the reason.
std::string cannotOpenText(const std::optional<std::string>& chosen, int language) {
    std::string text(kCannotOpenResults);
    if (!chosen) return text;
    std::string reason = openFailureReason(*chosen, language);
    if (!reason.empty()) text += "\n" + *chosen + "\n" + reason;
    return text;
}

}  // namespace

std::string DialogController::currentDirectory() const {
    std::error_code error;
    std::filesystem::path directory = std::filesystem::current_path(error);
    return error ? std::string() : directory.string();
}

void DialogController::SUB_SELECT() {
    forgetDataFile();
    std::optional<std::string> chosen = platform_.chooseFile(
        {std::string(kFileDialogTitle), FileKind::Data, std::string(trimmed(state_.FNAME)), currentDirectory()});
    useDataFile(chosen);
}

// No data file is chosen while another is being chosen.
void DialogController::forgetDataFile() {
    file_.close();
    view_.setText(kPath, "");
    view_.setText(kOrder, "");
    view_.setText(kRhsCount, "");
    state_.DATE_CITITE = false;
    view_.setEnabled(kSolve, false);
    view_.setEnabled(kCompare, false);
    view_.setEnabled(kSteps, false);
}

// The chosen file becomes the data and results file. Returns false, after
// telling the user, when there is none or it cannot be opened.
bool DialogController::useDataFile(const std::optional<std::string>& chosen) {
    if (chosen) {
        state_.FNAME = *chosen;
        view_.setText(kPath, trimmed(state_.FNAME));
    }
    if (!chosen || !file_.open(std::string(trimmed(state_.FNAME)))) {
        // No results file is open now: nothing to read or show until the
        // next successful choice.
        platform_.messages().show(cannotOpenText(chosen, state_.LIMBA), "Error", MessageIcon::Error);
        view_.setText(kPath, "");
        view_.setEnabled(kOpen, false);
        view_.setEnabled(kRead, false);
        return false;
    }
    view_.setEnabled(kOpen, true);
    view_.setEnabled(kRead, true);
    updateActions();
    return true;
}

void DialogController::SUB_OPEN() {
    std::optional<std::string> before = file_.readAll();
    platform_.editFile(std::string(trimmed(state_.FNAME)));
    // Data changed in the editor must be read again before a SOLVE: the
    // place where the next report goes was found in the old text.
    if (file_.readAll() != before) {
        state_.DATE_CITITE = false;
        updateActions();
    }
}

void DialogController::SUB_HELP() {
    platform_.showDataFileHelp(dataFileHelpWindow(helpTexts_, state_.LIMBA), [this] { SUB_SAVE(); });
}

void DialogController::SUB_SAVE() {
    const DataFileHelpPieces& pieces = helpTexts_[static_cast<std::size_t>(state_.LIMBA - 1)];
    std::optional<std::string> chosen = platform_.chooseFile(
        {std::string(kFileDialogTitle), FileKind::Text, pieces.proposedFileName, currentDirectory(), true});
    if (!chosen) {
        platform_.messages().show(kCannotCreateSave, "Error", MessageIcon::Error);
        return;
    }
    if (!writeTextFile(*chosen, savedDataFileHelp(helpTexts_, state_.LIMBA))) return;
    platform_.messages().show(*chosen, "Fisier salvat", MessageIcon::Information);
}

void DialogController::SUB_HELP_GS() { platform_.showIterationHelp(iterationHelpWindow(state_.LIMBA)); }

void DialogController::SUB_GENHELP() {
    std::string name(trimmed(state_.GEN_HELPFILE[static_cast<std::size_t>(state_.LIMBA - 1)]));
    std::optional<std::string> found = platform_.findFile(name);
    if (!found && CREATE_GEN_HELPFILE(name)) {
        std::string notice = state_.LIMBA == corvane::kEnglish ? "File has been created:" : "A fost creat fisierul:";
        notice += "\n\"" + name + "\"";
        platform_.messages().show(notice, "Info", MessageIcon::Information);
    }
    platform_.editFile(found ? *found : name);
}

void DialogController::SUB_ABOUT() { platform_.showAbout(aboutWindow(state_.LIMBA)); }

}  // namespace corvane
