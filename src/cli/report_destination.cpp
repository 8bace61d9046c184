#include "cli/report_destination.h"

#include <sys/stat.h>
#include <unistd.h>

namespace corvane {
namespace {

bool isStandardOutput(const struct stat& file) {
    struct stat output {};
    return ::fstat(STDOUT_FILENO, &output) == 0 && output.st_dev == file.st_dev && output.st_ino == file.st_ino;
}

}  // namespace

ReportDestination reportDestination(const std::string& path) {
    if (path == "-") return ReportDestination::StandardOutput;
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0) return ReportDestination::File;
    // Checked first: a report through standard output goes after what the
    // program has printed there, even when standard output is a regular file.
    if (isStandardOutput(file)) return ReportDestination::StandardOutput;
    if (S_ISFIFO(file.st_mode) || S_ISCHR(file.st_mode)) return ReportDestination::Stream;
    return ReportDestination::File;
}

}  // namespace corvane
