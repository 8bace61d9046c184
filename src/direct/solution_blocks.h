#pragma once
// The solutions of the direct methods: one block per right-hand side (or per
// column of the inverse), each a heading and one " x(i) = " line per unknown.

#include "problem/problem_state.h"
#include "problem/run_progress.h"
#include "textio/record_writer.h"

namespace corvane {

void writeSolutionBlocks(RecordWriter& out, const ProblemState& state, RunProgress* progress = nullptr);

}  // namespace corvane
