#pragma once

#include "cli/solve_options.h"
#include "problem/messages.h"
#include "textio/record_sink.h"

namespace corvane {

// Runs the program's command line; returns the exit status.
int runCommandLine(int argc, char** argv);

// `corvane solve` with its options parsed: the Read and the SOLVEs, no
// exception leaving them. The lines the methods copy to the console go to
// `console`, the messages to `messages`. Returns the exit status.
int runSolve(const SolveOptions& options, RecordSink& console, MessageService& messages);

}  // namespace corvane
