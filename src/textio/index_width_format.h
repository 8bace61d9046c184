#pragma once
// A format list with one run-time width, the width of a running index
// (WIDTH(i)), as in the " x(i) = " lines. The list is built anew only when the
// width changes, not for every line of a long block.

#include <string>
#include <string_view>

#include "textio/number_format.h"
#include "textio/record_writer.h"

namespace corvane {

class IndexWidthFormat {
public:
    // pattern holds one "<>", e.g. "(a, i<>, a, g15.7)".
    explicit IndexWidthFormat(std::string_view pattern) : pattern_(pattern) {}

    const std::string& operator()(int index) {
        const int width = WIDTH(index);
        if (width != width_) {
            format_ = formatList(pattern_, width);
            width_ = width;
        }
        return format_;
    }

private:
    std::string_view pattern_;
    std::string format_;
    int width_ = -1;
};

}  // namespace corvane
