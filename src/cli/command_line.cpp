#include "cli/command_line.h"

#include <cstdio>

namespace corvane {

int runCommandLine(int argc, char** argv) {
    (void)argc;
    (void)argv;
    std::fprintf(stderr, "corvane: not ready yet\n");
    return 1;
}

}  // namespace corvane
