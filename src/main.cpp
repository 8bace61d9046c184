// corvane: with "solve ..." runs one problem from the command line; without
// arguments opens the main dialog.

#include "cli/command_line.h"

int main(int argc, char** argv) {
    return corvane::runCommandLine(argc, argv);
}
