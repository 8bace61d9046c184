#pragma once
// A Read from a data file that is only read: the file is never opened for
// writing, so nothing a report would change is touched (the command line's
// subcommands, and the dialog's comparison of the methods).

#include <string>

#include "problem/messages.h"
#include "problem/problem_state.h"
#include "problem/run_progress.h"

namespace corvane {

// Reads the problem from the data file as the Read does, leaving the file
// as it is. False after a message when it cannot be read. `progress` hears
// each piece read and may stop the Read there (RunInterrupted).
bool readDataFileOnly(const std::string& path, ProblemState& state, MessageService& messages,
                      RunProgress* progress = nullptr);

}  // namespace corvane
