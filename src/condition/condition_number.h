#pragma once
// The condition-number report: cond(A) = ||A||·||A^-1|| in the norm chosen in
// the dialog (infinity, 1, 2, or the spectral estimate "Cond(A)*").

#include "problem/run_context.h"

namespace corvane {

// Inverts the state's A in place (B becomes the inverse, A its reduced form),
// computes the two norms and writes the report after the run header.
void NUMAR_CONDITIE(RunContext& context);

}  // namespace corvane
