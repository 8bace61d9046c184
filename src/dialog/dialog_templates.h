#pragma once
// The dialog templates: every control with its id, kind, position and size in
// dialog units, and its template text. The view builds its windows from them.

#include <span>
#include <string_view>

namespace corvane {

enum class ControlKind {
    GroupBox,
    RadioButton,
    PushLikeRadioButton,  // a push button that stays pressed, one of a group
    CheckBox,
    Label,
    SunkenLabel,
    CentredSunkenLabel,
    RightAlignedLabel,
    TextLines,            // a text shown line by line as written, never wrapped
    Icon,                 // the program icon, centred in its rectangle
    PushButton,
    FlatPushButton,
    DefaultPushButton,    // pressed by Enter
    HiddenPushButton,
    ListBox,
    Edit,
    ReadOnlyEdit,
    ReadOnlyTextPanel,    // several lines of text, scrolled when there are more
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    int x, y, width, height;  // dialog units
    std::string_view text;
};

struct DialogTemplate {
    int id;
    int width, height;  // dialog units
    int fontPointSize;
    std::span<const ControlTemplate> controls;
    std::span<const std::span<const int>> radioGroups;  // exclusive groups of ids
};

const DialogTemplate& mainDialogTemplate();

// Help on the data file (texts and a save button), help on the iteration
// parameters, and the About box.
const DialogTemplate& dataFileHelpTemplate();
const DialogTemplate& iterationHelpTemplate();
const DialogTemplate& aboutTemplate();

// The control of a template with this id, or nullptr.
const ControlTemplate* findControl(const DialogTemplate& dialog, int id);

// Ids of the controls of the help dialogs and the About box.
namespace help_control {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kLayoutText = 1024;
inline constexpr int kKindsText = 1025;
inline constexpr int kSave = 1036;
inline constexpr int kEpsText = 1038;
inline constexpr int kNlimText = 1042;
inline constexpr int kOmegaText = 1040;
inline constexpr int kAboutText = 1029;
inline constexpr int kIcon = 102;
}  // namespace help_control

inline constexpr int kDataFileHelpDialog = 103;
inline constexpr int kAboutDialog = 104;
inline constexpr int kIterationHelpDialog = 105;

}  // namespace corvane
