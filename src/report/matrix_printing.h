#pragma once
// Echo of the system matrix and right-hand sides, and the position of the
// largest element.

#include "problem/matrix.h"
#include "problem/run_progress.h"
#include "report/matrix_columns.h"
#include "textio/number_format.h"
#include "textio/record_writer.h"

namespace corvane {

// Position of the first element of largest magnitude of v(1..n); 0 when n < 1.
int IMAXV(int n, const float* v);

// "Matricea A" and its rows; with printB also "Termenii liberi b" and each
// right-hand side as a row.
void PRINTA(RecordWriter& out, int n, int nb, MatrixColumns A, const RealMatrix& B, bool printB,
            RunProgress* progress = nullptr);

}  // namespace corvane
