#include "dialog/console_lines.h"

#include "problem/problem_state.h"

namespace corvane {

void ConsoleLines::writeRecord(std::string_view record) {
    std::string_view line = trimmed(record);
    if (!line.empty()) {
        if (!text_.empty()) text_ += '\n';
        text_ += line;
    }
    console_.writeRecord(record);
}

}  // namespace corvane
