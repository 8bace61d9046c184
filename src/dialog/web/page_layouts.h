#pragma once
// The dialog templates and what the main dialog's controls may show, for the
// page to build its windows from: each control's kind, place and size in
// dialog units, the texts it may show in either language, and the ids the
// page addresses itself.

#include "dialog/web/page_channel.h"

namespace corvane {

Json dialogLayouts();

}  // namespace corvane
