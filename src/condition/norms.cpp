#include "condition/norms.h"

#include <cmath>

namespace corvane {

float NORM_INF(int n, const RealMatrix& A) {
    float norm = 0.0f;
    for (int i = 1; i <= n; ++i) {
        float sum = 0.0f;
        for (int j = 1; j <= n; ++j) sum = sum + std::fabs(A(i, j));
        if (sum > norm) norm = sum;
    }
    return norm;
}

float NORM1(int n, const RealMatrix& A) {
    float norm = 0.0f;
    for (int j = 1; j <= n; ++j) {
        float sum = 0.0f;
        for (int i = 1; i <= n; ++i) sum = sum + std::fabs(A(i, j));
        if (sum > norm) norm = sum;
    }
    return norm;
}

}  // namespace corvane
