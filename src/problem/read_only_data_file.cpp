#include "problem/read_only_data_file.h"

#include <filesystem>
#include <fstream>

#include "problem/followed_text.h"
#include "problem/input_file.h"
#include "textio/stream_text.h"

namespace corvane {

bool readDataFileOnly(const std::string& path, ProblemState& state, MessageService& messages, RunProgress* progress) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        messages.show("cannot read the data file " + path, "Error", MessageIcon::Error);
        return false;
    }
    StreamText pieces(in);
    std::error_code unknownSize;
    const std::uintmax_t size = std::filesystem::file_size(path, unknownSize);
    FollowedText text(pieces, unknownSize ? 0 : static_cast<std::size_t>(size), progress);
    return readProblemFrom(state, text, messages).has_value();
}

}  // namespace corvane
