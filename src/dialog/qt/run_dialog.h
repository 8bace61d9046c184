#pragma once

namespace corvane {

// Opens the main dialog and runs it until it is closed; returns the exit
// status (0 when the user closes it).
int runDialog(int argc, char** argv);

}  // namespace corvane
