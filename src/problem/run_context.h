#pragma once
// Everything one solve works with: the problem state, the report going to the
// results file, the copies of lines going to standard output, and the message
// service.

#include "problem/messages.h"
#include "problem/problem_state.h"
#include "textio/record_writer.h"

namespace corvane {

struct RunContext {
    ProblemState& state;
    RecordWriter& report;
    RecordWriter& console;
    MessageService& messages;
};

}  // namespace corvane
