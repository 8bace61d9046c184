#pragma once
// Where `--report-to PATH` sends the report. A regular file (or a path still
// to be created) is written in place like the results file: created or
// emptied, then filled. Standard output, a pipe, a FIFO and a character device
// cannot be emptied or written in place: they take the records as a stream.

#include <string>

namespace corvane {

enum class ReportDestination {
    File,            // a regular file or a new one; also what cannot be written (a folder)
    StandardOutput,  // "-", or the very file that standard output is
    Stream,          // a pipe, a FIFO or a character device, by its path
};

ReportDestination reportDestination(const std::string& path);

}  // namespace corvane
