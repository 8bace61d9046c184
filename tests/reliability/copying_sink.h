#pragma once
// A sink in front of the results file that keeps a copy of every record the
// file accepted, so a test can tell exactly what the file must hold.

#include "textio/record_sink.h"

namespace corvane::testing {

class CopyingSink : public RecordSink {
public:
    explicit CopyingSink(RecordSink& target) : target_(target) {}
    void writeRecord(std::string_view record) override {
        target_.writeRecord(record);
        copy_.writeRecord(record);
    }
    void flush() override { target_.flush(); }
    const std::string& copied() const { return copy_.text(); }

private:
    RecordSink& target_;
    StringSink copy_;
};

}  // namespace corvane::testing
