#pragma once
// The lines a run copies to standard output (an iterative method's outcome
// and iteration count, a matrix that is not positive definite), passed on to
// the console and kept so that the dialog can show them under SOLVE.

#include <string>
#include <string_view>

#include "textio/record_sink.h"

namespace corvane {

class ConsoleLines : public RecordSink {
public:
    explicit ConsoleLines(RecordSink& console) : console_(console) {}

    void writeRecord(std::string_view record) override;
    void flush() override { console_.flush(); }

    // The lines written so far that are not blank, without their trailing
    // blanks, separated by line feeds.
    const std::string& text() const { return text_; }

private:
    RecordSink& console_;
    std::string text_;
};

}  // namespace corvane
