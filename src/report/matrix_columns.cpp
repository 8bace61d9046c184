#include "report/matrix_columns.h"

#include "problem/problem_state.h"

namespace corvane {

const float* MatrixColumns::gatheredColumn(int j) {
    const int n = static_cast<int>(gathered_.size());
    const RealVector& av = *packed_;
    for (int i = 1; i <= j; ++i) gathered_[static_cast<std::size_t>(i - 1)] = av(LOCA(i, j));
    for (int i = j + 1; i <= n; ++i) gathered_[static_cast<std::size_t>(i - 1)] = av(LOCA(j, i));
    return gathered_.data();
}

void MatrixColumns::copyBlock(int i0, int rows, int j0, int steps, float* out, int stride) const {
    for (int k = 0; k < steps; ++k) {
        const int j = j0 + k + 1;  // 1-based column
        float* outk = out + static_cast<long>(k) * stride;
        if (full_ != nullptr) {
            const float* column = full_->column(j) + i0;
            for (int r = 0; r < rows; ++r) outk[r] = column[r];
            continue;
        }
        const RealVector& av = *packed_;
        for (int r = 0; r < rows; ++r) {
            const int i = i0 + r + 1;
            outk[r] = i <= j ? av(LOCA(i, j)) : av(LOCA(j, i));
        }
    }
}

MatrixColumns::Run MatrixColumns::row(int i) {
    if (full_ != nullptr) return {&(*full_)(i, 1), full_->rows()};
    return {gatheredColumn(i), 1};  // symmetric: row i is column i
}

}  // namespace corvane
