#pragma once

namespace corvane {

// Runs the program's command line; returns the exit status.
int runCommandLine(int argc, char** argv);

}  // namespace corvane
