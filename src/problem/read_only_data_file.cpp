#include "problem/read_only_data_file.h"

#include <fstream>

#include "problem/input_file.h"
#include "textio/stream_text.h"

namespace corvane {

bool readDataFileOnly(const std::string& path, ProblemState& state, MessageService& messages) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        messages.show("cannot read the data file " + path, "Error", MessageIcon::Error);
        return false;
    }
    StreamText text(in);
    return readProblemFrom(state, text, messages).has_value();
}

}  // namespace corvane
