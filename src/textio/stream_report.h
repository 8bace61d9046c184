#pragma once
// A report written as a stream: standard output, a pipe, a FIFO or a device.
// Such a medium cannot be cut or written in place, so the records only go
// after one another, each ended with CR LF as in the results file. Records are
// collected and written in large pieces; flush() (called at the end of every
// run) writes what is left, and a failed write throws WriteError from
// writeRecord or flush.

#include <string>

#include "textio/record_sink.h"

namespace corvane {

class StreamReport : public RecordSink {
public:
    // Writes to the open descriptor `fd`; with closeAtEnd it is closed by the
    // destructor, else it stays open (standard output).
    StreamReport(int fd, bool closeAtEnd);
    ~StreamReport() override;
    StreamReport(const StreamReport&) = delete;
    StreamReport& operator=(const StreamReport&) = delete;

    void writeRecord(std::string_view record) override;
    void flush() override;

private:
    void writeBytes(std::string_view bytes);

    int fd_;
    bool closeAtEnd_;
    std::string pending_;  // records not yet written
};

}  // namespace corvane
