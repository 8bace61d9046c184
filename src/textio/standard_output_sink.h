#pragma once
// The lines that a run copies to standard output, one per line.

#include <cstdio>

#include "textio/record_sink.h"

namespace corvane {

class StandardOutputSink : public RecordSink {
public:
    void writeRecord(std::string_view record) override {
        std::fwrite(record.data(), 1, record.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
};

}  // namespace corvane
