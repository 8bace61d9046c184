#pragma once

#include "cli/plot_renderer.h"
#include "cli/solve_options.h"
#include "problem/messages.h"
#include "textio/record_sink.h"

namespace corvane {

// Runs the program's command line; returns the exit status. `plots` draws
// the charts of --plot; without one (nullptr) --plot is a usage error.
int runCommandLine(int argc, char** argv, PlotRenderer* plots = nullptr);

// `corvane solve` with its options parsed: the Read and the SOLVEs, no
// exception leaving them. The lines the methods copy to the console go to
// `console`, the messages to `messages`; `plots` draws the chart of --plot.
// Returns the exit status.
int runSolve(const SolveOptions& options, RecordSink& console, MessageService& messages,
             PlotRenderer* plots = nullptr);

}  // namespace corvane
