#include "report/matrix_columns.h"

#include "problem/problem_state.h"

namespace corvane {

const float* MatrixColumns::column(int j) {
    if (full_ != nullptr) return full_->column(j);
    const int n = static_cast<int>(gathered_.size());
    const RealVector& av = *packed_;
    for (int i = 1; i <= j; ++i) gathered_[static_cast<std::size_t>(i - 1)] = av(LOCA(i, j));
    for (int i = j + 1; i <= n; ++i) gathered_[static_cast<std::size_t>(i - 1)] = av(LOCA(j, i));
    return gathered_.data();
}

MatrixColumns::Run MatrixColumns::row(int i) {
    if (full_ != nullptr) return {&(*full_)(i, 1), full_->rows()};
    return {column(i), 1};  // symmetric: row i is column i
}

}  // namespace corvane
