#pragma once
// Runs the corvane executable as a user would and captures what it prints.
// With CORVANE_NODE_LAUNCHER set to the WebAssembly build's corvane.mjs, the
// same runs go through node instead of the native program.

#include <string>
#include <vector>

namespace corvane::testing {

struct CliResult {
    int status = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

// The words that start the program: its path, or node and the launcher.
std::vector<std::string> corvaneCommandWords();

// The same words quoted for the shell.
std::string corvaneCommandLine();

// `arguments` is a shell-quoted argument string, e.g. "solve 'a b.txt' --method gauss".
CliResult runCorvane(const std::string& arguments);
// The same for another program (another build of corvane).
CliResult runProgram(const std::string& program, const std::string& arguments);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);

// Starts corvane with `arguments` in `directory` (its working directory),
// sends Ctrl-C once its standard output holds `lines` lines, and returns how
// it ended and what it printed; a program that ends before printing them
// (a crash) is not waited for.
CliResult interruptAfterLines(const std::string& directory, const std::string& arguments, int lines);

// A fresh empty directory for one test.
std::string scratchDirectory(const std::string& name);

}  // namespace corvane::testing
