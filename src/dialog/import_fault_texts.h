#pragma once
// An import's refusal as the dialog tells it, in the interface language.

#include <string>

#include "import/data_file_import.h"

namespace corvane {

// "line 12: ..." in English (the command line's words), "linia 12: ..." in
// Romanian; language: 1 Romanian, 2 English.
std::string importFaultText(const ImportError& error, int language);

}  // namespace corvane
