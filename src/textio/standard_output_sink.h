#pragma once
// The lines that a run copies to standard output, one per line. When standard
// output carries the report itself, the copies go to standard error instead,
// so that they do not mix with the report.

#include <cstdio>

#include "textio/record_sink.h"

namespace corvane {

class StandardOutputSink : public RecordSink {
public:
    explicit StandardOutputSink(std::FILE* stream = stdout) : stream_(stream) {}
    void writeRecord(std::string_view record) override {
        std::fwrite(record.data(), 1, record.size(), stream_);
        std::fputc('\n', stream_);
        std::fflush(stream_);
    }

private:
    std::FILE* stream_;
};

}  // namespace corvane
