#pragma once
// The Gauss method: elimination with partial pivoting for every right-hand
// side (or the columns of the identity, for the inverse) and its report.

#include "problem/run_context.h"

namespace corvane {

void GAUSS(RunContext& context);

}  // namespace corvane
