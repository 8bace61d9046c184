#pragma once
// A sink whose every record throws what the test asks for: a failure injected
// in the middle of a run (Gauss-Seidel copies its outcome line to the console).

#include <functional>
#include <string_view>
#include <utility>

#include "textio/record_sink.h"

namespace corvane::testing {

class ThrowingSink : public RecordSink {
public:
    explicit ThrowingSink(std::function<void()> failure) : failure_(std::move(failure)) {}
    void writeRecord(std::string_view) override { failure_(); }

private:
    std::function<void()> failure_;
};

}  // namespace corvane::testing
