#pragma once
// Reading the problem from the results file: title, sizes, the matrix (or the
// constants of a generated matrix) and the right-hand sides, as the options in
// the state ask for them. The file is left positioned after the data, where the
// next report starts.

#include <optional>
#include <string_view>

#include "textio/list_directed_input.h"
#include "problem/messages.h"
#include "problem/problem_state.h"
#include "problem/run_progress.h"
#include "textio/results_file.h"

namespace corvane {

// The most elements an array of the problem may have (a Read refuses an
// order n with n·n or n·nb above it).
inline constexpr long long kMaxArrayElements = 1LL << 27;

// Where the data ended in the text: the first report starts at `offset`,
// after a CR LF when the last data line had no line end.
struct DataEnd {
    std::size_t offset;
    bool lineBreakFirst;
};

// Reads the problem from the text of a data file. Sets DATE_CITITE; on failure
// shows the read-error message and returns nothing.
std::optional<DataEnd> readProblemText(ProblemState& state, std::string_view text, MessageService& messages);
// The same, with the text taken piece by piece from `text`; a failure of the
// source is a read error.
std::optional<DataEnd> readProblemFrom(ProblemState& state, TextSource& text, MessageService& messages);

// Reads the problem from the file the results file's path names now (see
// ResultsFile::followPath) and positions it after the data.
// Sets DATE_CITITE; on failure shows the read-error message and returns false.
// `progress` hears each piece of the file read; a stop asked for there ends
// the Read with RunInterrupted, the data unread and the file untouched.
bool READINPUTFILE(ProblemState& state, ResultsFile& file, MessageService& messages, RunProgress* progress = nullptr);

}  // namespace corvane
