#pragma once
// Texts of the windows and progress lines with numbered marks: "%1" stands
// for the first value, "%2" for the second (the form the dialog's texts use).

#include <initializer_list>
#include <string>
#include <string_view>

namespace corvane {

// The pattern with each "%k" (k = 1, 2, ...) replaced by the k-th value; a
// mark the pattern lacks is passed over.
std::string withNumberedMarks(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace corvane
