#pragma once
// What the controls of the main dialog can be given to show, in either
// language: the captions, the entries of each list, the method names of the
// iterative-method label. The window makes every control large enough for
// all of them before it is shown, so that no language switch cuts a text.

#include <string>
#include <vector>

namespace corvane {

// One thing a control can show: a caption (one text), or all the entries a
// list shows at once.
struct ControlContent {
    int id;
    std::vector<std::string> texts;
};

std::vector<ControlContent> mainDialogContents();

}  // namespace corvane
