#pragma once
// Reading the problem from the results file: title, sizes, the matrix (or the
// constants of a generated matrix) and the right-hand sides, as the options in
// the state ask for them. The file is left positioned after the data, where the
// next report starts.

#include "problem/messages.h"
#include "problem/problem_state.h"
#include "report/results_file.h"

namespace corvane {

// Sets DATE_CITITE; on failure shows the read-error message and returns false.
bool READINPUTFILE(ProblemState& state, ResultsFile& file, MessageService& messages);

}  // namespace corvane
