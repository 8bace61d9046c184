#pragma once
// What the user is told when a Read that replaces the entries by their
// reciprocals meets an entry whose reciprocal is infinite: the report keeps
// computing with the infinity, so results computed from it are infinite or
// not numbers.

#include <string>

#include "problem/problem_state.h"

namespace corvane {

// The line on standard error: "Warning: --invert-entries: the entry in row 2,
// column 1 is 0: its reciprocal is infinite, ..."
std::string infiniteReciprocalLine(const InfiniteReciprocal& entry);

// The dialog's note, its title and text in the interface language (1
// Romanian, 2 English).
std::string infiniteReciprocalTitle(int language);
std::string infiniteReciprocalText(const InfiniteReciprocal& entry, int language);

}  // namespace corvane
