#pragma once
// Gaussian elimination with partial pivoting on A and its right-hand sides,
// then back substitution, all in place.

#include "kernels/elimination_kernel.h"
#include "problem/matrix.h"
#include "problem/run_progress.h"
#include "problem/step_listener.h"
#include "textio/record_writer.h"

namespace corvane {

// The elimination itself, without any report: forward elimination with
// partial pivoting (the uppermost of equal candidates wins, rows whose entry
// is already 0 are skipped), then back substitution when every pivot passed.
// failedRow is the step (or n for the last diagonal element) whose pivot fell
// below the threshold, 0 when none did. `progress` hears the steps as they
// go and may stop the elimination between them (RunInterrupted). With
// `steps` the plain loops run instead of the kernel and tell every step.
EliminationOutcome eliminateAndSubstitute(int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, int& interchanges,
                                          RunProgress* progress = nullptr, StepListener* steps = nullptr);

// On success B holds the solutions and A the multipliers (below the diagonal)
// and U. A pivot below `threshold` in magnitude writes " Linia k: Pivot = p"
// to `out`, sets singular and returns with A and B partly reduced.
// `interchanges` is incremented once per row exchange.
void ELIM(RecordWriter& out, int n, int nb, RealMatrix& A, RealMatrix& B, float threshold, bool& singular,
          int& interchanges, RunProgress* progress = nullptr, StepListener* steps = nullptr);

}  // namespace corvane
