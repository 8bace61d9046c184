#pragma once
// Runs the corvane executable as a user would and captures what it prints.

#include <string>

namespace corvane::testing {

struct CliResult {
    int status = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

// `arguments` is a shell-quoted argument string, e.g. "solve 'a b.txt' --method gauss".
CliResult runCorvane(const std::string& arguments);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);

// Starts corvane with `arguments` in `directory` (its working directory),
// sends Ctrl-C once its standard output holds `lines` lines, and returns how
// it ended and what it printed.
CliResult interruptAfterLines(const std::string& directory, const std::string& arguments, int lines);

// A fresh empty directory for one test.
std::string scratchDirectory(const std::string& name);

}  // namespace corvane::testing
