// corvane: with arguments ("solve ...") runs one problem from the command
// line; without arguments opens the main dialog.

#include "cli/command_line.h"
#ifdef CORVANE_WITH_DIALOG
#include "dialog/qt/run_dialog.h"
#endif

int main(int argc, char** argv) {
#ifdef CORVANE_WITH_DIALOG
    if (argc <= 1) return corvane::runDialog(argc, argv);
#endif
    return corvane::runCommandLine(argc, argv);
}
