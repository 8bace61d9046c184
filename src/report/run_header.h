#pragma once
// The header that opens every report: problem kind, matrix type and source,
// options, check mode, method and iteration parameters.

#include <string>

#include "problem/problem_state.h"
#include "textio/record_writer.h"

namespace corvane {

// Name of a norm code, blank-padded to 33 characters.
std::string NORMA_CHAR(int code);

void PRINT_CODURI(const ProblemState& state, RecordWriter& out);

}  // namespace corvane
