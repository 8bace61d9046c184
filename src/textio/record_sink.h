#pragma once
// Where finished report records go: the results file, standard output, or a
// string in tests. A record is one line without its terminator; the sink adds
// the line end of its medium.

#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane {

class RecordSink {
public:
    virtual ~RecordSink() = default;
    virtual void writeRecord(std::string_view record) = 0;
    // Makes every record written so far reach the medium; a sink that holds
    // records back reports a failed write here at the latest.
    virtual void flush() {}
};

// Thrown by a sink whose medium refused the write (disk full, file gone
// read-only); the run that was writing stops and the user is told.
class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Takes records and keeps none: for runs whose report is not wanted.
class DiscardingSink : public RecordSink {
public:
    void writeRecord(std::string_view) override {}
};

// Collects records, each ended with CR LF as in the results file.
class StringSink : public RecordSink {
public:
    void writeRecord(std::string_view record) override {
        text_.append(record);
        text_.append("\r\n");
    }
    const std::string& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    std::string text_;
};

}  // namespace corvane
