#pragma once
// Square matrices for tests, written row by row.

#include <initializer_list>

#include "problem/matrix.h"

namespace corvane::testing {

inline RealMatrix rows(std::initializer_list<std::initializer_list<float>> values) {
    const int n = static_cast<int>(values.size());
    RealMatrix A(n, n);
    int i = 0;
    for (const auto& row : values) {
        ++i;
        int j = 0;
        for (float value : row) A(i, ++j) = value;
    }
    return A;
}

inline RealMatrix identity(int n) {
    RealMatrix I(n, n);
    for (int i = 1; i <= n; ++i) I(i, i) = 1.0f;
    return I;
}

}  // namespace corvane::testing
