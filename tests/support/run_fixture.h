#pragma once
// A problem state with its report and console captured in strings.

#include "problem/run_context.h"
#include "textio/record_writer.h"
#include "support/recording_messages.h"

namespace corvane::testing {

struct RunFixture {
    RunFixture() { INITIALIZEDATA(state); }

    ProblemState state;
    StringSink reportSink;
    StringSink consoleSink;
    RecordWriter report{reportSink};
    RecordWriter console{consoleSink};
    RecordingMessages messages;
    RunContext context{state, report, console, messages};

    const std::string& reportText() const { return reportSink.text(); }
};

}  // namespace corvane::testing
