#pragma once
// The system matrix as the echo and the solution check read it, column by
// column: a full matrix, or a symmetric one held as its packed upper triangle
// (LOCA order), whose columns are put together when asked for, so that no
// full copy of it is needed.

#include <vector>

#include "kernels/product_kernel.h"
#include "problem/matrix.h"

namespace corvane {

class MatrixColumns : public ProductFactor {
public:
    MatrixColumns(const RealMatrix& full) : full_(&full) {}  // NOLINT: a full matrix stands for itself
    MatrixColumns(int n, const RealVector& packedUpper)
        : packed_(&packedUpper), gathered_(static_cast<std::size_t>(n > 0 ? n : 0)) {}

    // Row i (1-based): its first value and the distance between its values.
    struct Run {
        const float* first;
        long stride;
    };
    Run row(int i);

    // Blocks for the products of the solution check.
    void copyBlock(int i0, int rows, int j0, int steps, float* out, int stride) const override;

private:
    // Column j (1-based) of the packed symmetric matrix, gathered; valid
    // until the next call.
    const float* gatheredColumn(int j);

    const RealMatrix* full_ = nullptr;
    const RealVector* packed_ = nullptr;
    std::vector<float> gathered_;
};

}  // namespace corvane
