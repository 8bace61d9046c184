#pragma once
// What SOLVE asks when a SOLVE has run since the last Read: every method
// works on the problem's matrix and right-hand sides in place (reduced
// matrix, factors, scaled rows, solutions), so the next one would compute on
// what the last one left.

#include "dialog/dialog_platform.h"

namespace corvane {

// The answers, in the order the question offers them.
enum class ChangedDataAnswer { ReadAgain, SolveOnChangedData, Cancel };

// The question in the interface language (1 Romanian, 2 English); reading
// again is the preferred answer, Escape cancels.
Question changedDataQuestion(int language);

}  // namespace corvane
