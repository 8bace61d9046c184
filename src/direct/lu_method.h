#pragma once
// The LU method: factorise A with row exchanges, solve every right-hand side
// (or the columns of the identity, for the inverse) and write the report.

#include "problem/run_context.h"

namespace corvane {

// A is replaced by its factors and B by the solutions. A factorisation that
// fails its threshold is reported and ends the run; the caller carries on.
void LU(RunContext& context);

}  // namespace corvane
