#pragma once

#include <istream>
#include <string>

#include "textio/list_directed_input.h"

namespace corvane {

// A text from an input stream, piece by piece (a data file read without
// being opened for writing).
class StreamText : public TextSource {
public:
    explicit StreamText(std::istream& in) : in_(in) {}
    void appendNext(std::string& text, std::size_t limit) override {
        const std::size_t start = text.size();
        text.resize(start + limit);
        in_.read(text.data() + start, static_cast<std::streamsize>(limit));
        text.resize(start + static_cast<std::size_t>(in_.gcount()));
        if (in_.bad()) throw TextSourceError("the data file cannot be read");
    }

private:
    std::istream& in_;
};

}  // namespace corvane
