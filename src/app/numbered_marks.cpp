#include "app/numbered_marks.h"

namespace corvane {

std::string withNumberedMarks(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text(pattern);
    int number = 1;
    for (std::string_view value : values) {
        const std::string mark = "%" + std::to_string(number++);
        if (const std::size_t at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), value);
    }
    return text;
}

}  // namespace corvane
