#include "dialog/web/page_layouts.h"

#include <span>
#include <string_view>
#include <vector>

#include "dialog/control_ids.h"
#include "dialog/dialog_contents.h"
#include "dialog/dialog_templates.h"

namespace corvane {
namespace {

std::string_view controlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::GroupBox: return "GroupBox";
        case ControlKind::RadioButton: return "RadioButton";
        case ControlKind::PushLikeRadioButton: return "PushLikeRadioButton";
        case ControlKind::CheckBox: return "CheckBox";
        case ControlKind::Label: return "Label";
        case ControlKind::SunkenLabel: return "SunkenLabel";
        case ControlKind::CentredSunkenLabel: return "CentredSunkenLabel";
        case ControlKind::RightAlignedLabel: return "RightAlignedLabel";
        case ControlKind::TextLines: return "TextLines";
        case ControlKind::Icon: return "Icon";
        case ControlKind::PushButton: return "PushButton";
        case ControlKind::FlatPushButton: return "FlatPushButton";
        case ControlKind::DefaultPushButton: return "DefaultPushButton";
        case ControlKind::HiddenPushButton: return "HiddenPushButton";
        case ControlKind::ListBox: return "ListBox";
        case ControlKind::Edit: return "Edit";
        case ControlKind::ReadOnlyEdit: return "ReadOnlyEdit";
        case ControlKind::ReadOnlyTextPanel: return "ReadOnlyTextPanel";
    }
    return "Label";
}

Json layoutOf(const DialogTemplate& dialog) {
    Json controls = Json::array();
    for (const ControlTemplate& c : dialog.controls) {
        controls.push_back({{"id", c.id}, {"kind", controlKindName(c.kind)}, {"x", c.x}, {"y", c.y},
                            {"width", c.width}, {"height", c.height}, {"text", c.text}});
    }
    Json groups = Json::array();
    for (std::span<const int> group : dialog.radioGroups) groups.push_back(std::vector<int>(group.begin(), group.end()));
    return {{"id", dialog.id},
            {"width", dialog.width},
            {"height", dialog.height},
            {"fontPointSize", dialog.fontPointSize},
            {"controls", controls},
            {"radioGroups", groups}};
}

}  // namespace

Json dialogLayouts() {
    Json contents = Json::array();
    for (const ControlContent& content : mainDialogContents()) contents.push_back({{"id", content.id}, {"texts", content.texts}});
    return {{"main", layoutOf(mainDialogTemplate())},
            {"dataFileHelp", layoutOf(dataFileHelpTemplate())},
            {"iterationHelp", layoutOf(iterationHelpTemplate())},
            {"about", layoutOf(aboutTemplate())},
            {"contents", contents},
            {"ids",
             {{"exit", control::kExit},
              {"cancel", control::kCancel},
              {"path", control::kPath},
              {"solve", control::kSolve},
              {"select", control::kSelect},
              {"import", control::kImport},
              {"romanian", control::kRomanianButton},
              {"english", control::kEnglishButton},
              {"ok", help_control::kOk},
              {"helpCancel", help_control::kCancel},
              {"save", help_control::kSave},
              {"layoutText", help_control::kLayoutText},
              {"kindsText", help_control::kKindsText},
              {"epsText", help_control::kEpsText},
              {"nlimText", help_control::kNlimText},
              {"omegaText", help_control::kOmegaText},
              {"aboutText", help_control::kAboutText}}}};
}

}  // namespace corvane
