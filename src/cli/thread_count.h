#pragma once
// How many threads the numerical kernels use on the command line: the
// --threads option of the subcommands that run methods, else the
// CORVANE_THREADS environment variable, else every hardware thread. Any
// count gives the same reports, bit for bit; only the time changes.

#include <string>

namespace corvane {

constexpr const char* kThreadsVariable = "CORVANE_THREADS";

// Sets the kernels' thread count from the option (when given, > 0) or the
// environment variable's text (nullptr or empty: not set). Returns an error
// text for a variable that is not a whole number from 1 to the largest
// count, else "" (the count is then set).
std::string applyThreadCount(int option, const char* environment);

// The help text of --threads.
std::string threadsOptionHelp();

}  // namespace corvane
