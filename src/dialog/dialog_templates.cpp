#include "dialog/dialog_templates.h"

#include "dialog/control_ids.h"

namespace corvane {
namespace {

using K = ControlKind;
using namespace control;

constexpr ControlTemplate kMainControls[] = {
    {kProblemFrame, K::GroupBox, 5, 3, 245, 33, "PROBLEMA"},
    {kSystem, K::RadioButton, 12, 16, 33, 10, "Sistem"},
    {kInversion, K::RadioButton, 77, 16, 67, 10, "Inversare matrice"},
    {kCondition, K::RadioButton, 176, 16, 70, 10, "Condition Number"},
    {kUnaddressed, K::GroupBox, 255, 3, 64, 33, ""},
    {kRomanianButton, K::PushLikeRadioButton, 263, 15, 17, 12, "RO"},
    {kEnglishButton, K::PushLikeRadioButton, 293, 15, 17, 12, "EN"},
    {kMatrixFrame, K::GroupBox, 5, 39, 315, 91, "MATRICE"},
    {kTypeLabel, K::Label, 12, 53, 17, 10, "Tip"},
    {kGeneral, K::RadioButton, 12, 70, 42, 10, "Generala"},
    {kSymmetric, K::RadioButton, 12, 89, 45, 10, "Simetrica"},
    {kInvertEntries, K::CheckBox, 12, 108, 71, 17, "Inverseaza elementele matricii"},
    {kSourceLabel, K::Label, 84, 53, 21, 10, "Intrare"},
    {kDataFile, K::RadioButton, 84, 70, 45, 10, "Fisier date"},
    {kGenerated, K::RadioButton, 84, 89, 45, 10, "Generata"},
    {kGeneratorLabel, K::SunkenLabel, 160, 53, 31, 10, "Generare"},
    {kGeneratorHelp, K::FlatPushButton, 212, 51, 17, 13, "?"},
    {kGeneratorList, K::ListBox, 160, 70, 69, 55, ""},
    {kNormLabel, K::SunkenLabel, 262, 53, 23, 10, "Norma"},
    {kNormList, K::ListBox, 262, 70, 49, 36, ""},
    {kSolveFrame, K::GroupBox, 5, 132, 315, 91, "REZOLVARE"},
    {kPrintLabel, K::CentredSunkenLabel, 12, 146, 45, 11, "Tiparire Date"},
    {kPrintMatrix, K::CheckBox, 12, 164, 58, 12, "Matrice sistem"},
    {kPrintDeterminant, K::CheckBox, 12, 183, 53, 12, "Determinant"},
    {kPrintIterations, K::CheckBox, 12, 203, 48, 13, "Iteratii"},
    {kCheckLabel, K::CentredSunkenLabel, 98, 146, 33, 11, "Verificare"},
    {kCheckMaximum, K::RadioButton, 98, 164, 54, 17, "Maximum Differencies"},
    {kCheckEquations, K::RadioButton, 98, 184, 45, 17, "Fiecare ecuatie"},
    {kMethodLabel, K::CentredSunkenLabel, 175, 146, 28, 11, "Metoda"},
    {kMethodList, K::ListBox, 175, 164, 49, 45, ""},
    {kIterativeName, K::CentredSunkenLabel, 243, 146, 46, 11, "Gauss-Seidel"},
    {kIterationHelp, K::FlatPushButton, 295, 144, 17, 13, "?"},
    {kEps, K::Edit, 263, 164, 26, 12, ""},
    {kUnaddressed, K::Label, 293, 166, 12, 10, "Eps"},
    {kNlim, K::Edit, 263, 184, 26, 12, ""},
    {kUnaddressed, K::Label, 293, 186, 14, 10, "Nlim"},
    {kOmega, K::Edit, 263, 204, 26, 12, ""},
    {kUnaddressed, K::Label, 293, 206, 23, 10, "Omega"},
    {kOmegaExplorer, K::PushButton, 229, 204, 30, 12, "\u03c9 ..."},
    {kFileFrame, K::GroupBox, 5, 227, 315, 98, "FISIER Intrare / Iesire"},
    {kDataFileHelp, K::FlatPushButton, 88, 226, 17, 13, "?"},
    {kPath, K::ReadOnlyEdit, 15, 246, 262, 13, ""},
    {kOpen, K::PushButton, 281, 245, 35, 14, "Deschide"},
    {kUnaddressed, K::Label, 20, 273, 8, 10, ">"},
    {kSelect, K::PushButton, 28, 268, 47, 18, "Selecteaza"},
    {kUnaddressed, K::Label, 132, 273, 9, 10, ">>"},
    {kRead, K::PushButton, 144, 268, 47, 18, "Citeste"},
    {kOrderLabel, K::Label, 20, 303, 31, 9, "Ordin \"n\""},
    {kOrder, K::ReadOnlyEdit, 55, 302, 18, 12, ""},
    {kRhsLabel, K::RightAlignedLabel, 130, 300, 39, 16, "Nr. Termeni liberi \"nb\""},
    {kRhsCount, K::ReadOnlyEdit, 173, 302, 18, 12, ""},
    {kUnaddressed, K::Label, 235, 294, 14, 10, ">>>"},
    {kSolve, K::DefaultPushButton, 251, 286, 54, 24, "REZOLVA !"},
    {kImport, K::PushButton, 5, 336, 45, 14, "Importa"},
    {kCompare, K::PushButton, 54, 336, 45, 14, "Compara"},
    {kSteps, K::PushButton, 103, 336, 56, 14, "Pas cu pas"},
    {kAbout, K::FlatPushButton, 163, 337, 33, 13, "Despre"},
    {kConvergenceChart, K::PushButton, 200, 336, 60, 14, "Convergenta"},
    {kExit, K::PushButton, 270, 336, 50, 14, "IESIRE"},
    {kCancel, K::HiddenPushButton, 3, 336, 50, 14, "CANCEL"},
    {kRunLines, K::ReadOnlyTextPanel, 5, 355, 315, 32, ""},
};

constexpr int kKindGroup[] = {kSystem, kInversion, kCondition};
constexpr int kTypeGroup[] = {kGeneral, kSymmetric};
constexpr int kSourceGroup[] = {kDataFile, kGenerated};
constexpr int kCheckGroup[] = {kCheckMaximum, kCheckEquations};
constexpr int kLanguageGroup[] = {kRomanianButton, kEnglishButton};
constexpr std::span<const int> kMainGroups[] = {kKindGroup, kTypeGroup, kSourceGroup, kCheckGroup, kLanguageGroup};

// The dialog reaches below the row of About and IESIRE for the panel with
// the lines of the last run.
const DialogTemplate kMainTemplate{control::kMainDialog, 325, 392, 8, kMainControls, kMainGroups};

using namespace help_control;

constexpr ControlTemplate kDataFileHelpControls[] = {
    {kLayoutText, K::TextLines, 7, 7, 211, 164, ""},
    {kKindsText, K::TextLines, 7, 177, 211, 47, ""},
    {kSave, K::PushButton, 7, 234, 59, 13, "Salveaza in Fisier"},
    {kOk, K::DefaultPushButton, 188, 234, 30, 13, "OK"},
    {help_control::kCancel, K::HiddenPushButton, 120, 234, 30, 13, "Cancel"},
};

constexpr ControlTemplate kIterationHelpControls[] = {
    {kEpsText, K::TextLines, 5, 7, 146, 44, ""},
    {kNlimText, K::TextLines, 5, 56, 146, 26, ""},
    {kOmegaText, K::TextLines, 5, 87, 146, 35, ""},
    {kOk, K::DefaultPushButton, 119, 137, 31, 13, "OK"},
    {help_control::kCancel, K::HiddenPushButton, 5, 137, 31, 13, "Cancel"},
};

constexpr ControlTemplate kAboutControls[] = {
    {kAboutText, K::TextLines, 7, 7, 136, 44, ""},
    {kIcon, K::Icon, 61, 58, 16, 16, ""},
    {kOk, K::DefaultPushButton, 112, 61, 31, 13, "OK"},
    {help_control::kCancel, K::HiddenPushButton, 7, 61, 31, 13, "Cancel"},
};

const DialogTemplate kDataFileHelpTemplate{kDataFileHelpDialog, 225, 253, 10, kDataFileHelpControls, {}};
const DialogTemplate kIterationHelpTemplate{kIterationHelpDialog, 157, 156, 10, kIterationHelpControls, {}};
const DialogTemplate kAboutTemplate{kAboutDialog, 150, 77, 10, kAboutControls, {}};

}  // namespace

const DialogTemplate& mainDialogTemplate() { return kMainTemplate; }
const DialogTemplate& dataFileHelpTemplate() { return kDataFileHelpTemplate; }
const DialogTemplate& iterationHelpTemplate() { return kIterationHelpTemplate; }
const DialogTemplate& aboutTemplate() { return kAboutTemplate; }

const ControlTemplate* findControl(const DialogTemplate& dialog, int id) {
    for (const ControlTemplate& c : dialog.controls) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

}  // namespace corvane
