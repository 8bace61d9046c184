#pragma once
// The caption table: the window title and the caption of every control of
// the main dialog that changes with the interface language.

#include <span>
#include <string_view>

#include "dialog/control_ids.h"

namespace corvane {

struct Caption {
    int id;  // a control id, or the main dialog's id for the window title
    std::string_view romanian;
    std::string_view english;

    std::string_view in(int language) const { return language == 2 ? english : romanian; }
};

// The table, in the order in which the captions are applied.
using CaptionTable = std::span<const Caption>;

CaptionTable INI_TITLES();

// The caption of one control in a language; empty when the table has none.
std::string_view captionOf(CaptionTable table, int id, int language);

}  // namespace corvane
