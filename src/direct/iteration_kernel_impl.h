// The inner loops of the iterative methods and of the power method,
// organised for speed with the plain loops' roundings; the body of one
// instruction-set variant, included by kernels_<isa>.cpp after simd_tiles.h.

namespace {
namespace iteration {

constexpr int kSweepBlock = 4 * kLanes;  // rows whose leading terms are summed side by side

// One Gauss-Seidel sweep (0-based): x1(i) = (b1(i) - s) / a(i,i) with
// s = sum over j != i of a(i,j) * y(j), y(j) = x1(j) for j < i and x0(j) for
// j > i, added from 0 in increasing j. Each row's sum is one chain; the terms
// of the columns before a block of rows are known for all the block's rows
// and are added side by side (column after column, so still in order), the
// rest of each chain follows row after row.
void sweep(int n, const float* a, const float* b1, const float* x0, float* x1) {
    float heads[kSweepBlock];
    for (int r0 = 0; r0 < n; r0 += kSweepBlock) {
        const int r1 = std::min(n, r0 + kSweepBlock);
        const int rows = r1 - r0;
        std::fill(heads, heads + kSweepBlock, 0.0f);
        if (rows == kSweepBlock) {
            Vec lead[kSweepBlock / kLanes];
            for (Vec& v : lead) v = Vec{};
            for (int j = 0; j < r0; ++j) {
                const float* aj = a + static_cast<long>(j) * n + r0;
                const float y = x1[j];
#pragma GCC unroll 4
                for (int v = 0; v < kSweepBlock / kLanes; ++v) lead[v] = lead[v] + load(aj + v * kLanes) * y;
            }
            for (int v = 0; v < kSweepBlock / kLanes; ++v) store(heads + v * kLanes, lead[v]);
        } else {
            for (int j = 0; j < r0; ++j) {
                const float* aj = a + static_cast<long>(j) * n + r0;
                const float y = x1[j];
                for (int r = 0; r < rows; ++r) heads[r] = heads[r] + aj[r] * y;
            }
        }
        for (int i = r0; i < r1; ++i) {
            float s = heads[i - r0];
            const float* ai = a + i;  // ai[j * n] = a(i, j)
            for (int j = r0; j < i; ++j) s = s + ai[static_cast<long>(j) * n] * x1[j];
            for (int j = i + 1; j < n; ++j) s = s + ai[static_cast<long>(j) * n] * x0[j];
            x1[i] = (b1[i] - s) / ai[static_cast<long>(i) * n];
        }
    }
}

// z = z + (ar + i*ai) * (zr + i*zi) for one element, as written.
inline void addComplexProduct(float* z, float ar, float ai, float zr, float zi) {
    const float re = ar * zr - ai * zi;
    const float im = ar * zi + ai * zr;
    z[0] = z[0] + re;
    z[1] = z[1] + im;
}

// Lane patterns of the product: which row of a vector of the matrix each
// lane of a vector of pairs takes, and which lanes hold real parts.
struct PairLanes {
    PairLanes() {
        for (int k = 0; k < kLanes; ++k) {
            lowRows[k] = k / 2;
            highRows[k] = kLanes / 2 + k / 2;
            real[k] = k % 2 == 0 ? -1 : 0;
        }
    }
    Lanes lowRows;   // (0, 0, 1, 1, ...)
    Lanes highRows;  // (h, h, h+1, h+1, ...), h = kLanes / 2
    Lanes real;      // all ones on the real parts
};

// Columns l..l+C-1 of the product added to z, each element taking them in
// column order. Off the diagonal the imaginary part ai is +0, so ai*zi and
// ai*zr are the same for every row of a column (+0, -0 or, for an infinite
// or undefined component of z0, not a number): they are worked out once. The
// vectors of rows that hold a diagonal element of these columns go element
// by element.
template <int C>
void addColumns(int n, int l, const float* a, const float* diagonalIm, const float* z0, float* z, const PairLanes& lanes) {
    const float* al[C];
    float zr[C], zi[C];
    Vec zPairs[C];      // (zr, zi, zr, zi, ...)
    Vec offDiagonal[C]; // (ai*zi, ai*zr, ...) with ai = +0
    for (int c = 0; c < C; ++c) {
        al[c] = a + static_cast<long>(l + c) * n;
        zr[c] = z0[2 * (l + c)];
        zi[c] = z0[2 * (l + c) + 1];
        const float zeroByZi = 0.0f * zi[c];
        const float zeroByZr = 0.0f * zr[c];
        for (int k = 0; k < kLanes; ++k) {
            zPairs[c][k] = k % 2 == 0 ? zr[c] : zi[c];
            offDiagonal[c][k] = k % 2 == 0 ? zeroByZi : zeroByZr;
        }
    }
    auto elementByElement = [&](int r0, int r1) {
        for (int j = r0; j < r1; ++j) {
            for (int c = 0; c < C; ++c) {
                const float ai = j == l + c ? diagonalIm[j] : 0.0f;
                addComplexProduct(z + 2 * static_cast<long>(j), al[c][j], ai, zr[c], zi[c]);
            }
        }
    };
    int r = 0;
    for (; r + kLanes <= n; r += kLanes) {
        if (r < l + C && l < r + kLanes) {
            elementByElement(r, r + kLanes);
            continue;
        }
        float* zr0 = z + 2 * static_cast<long>(r);
        Vec low = load(zr0);
        Vec high = load(zr0 + kLanes);
#pragma GCC unroll 4
        for (int c = 0; c < C; ++c) {
            __builtin_prefetch(al[c] + r + 512);
            const Vec column = load(al[c] + r);
            const Vec lowProducts = shuffleLanes(column, lanes.lowRows) * zPairs[c];  // ar*zr, ar*zi, ...
            const Vec highProducts = shuffleLanes(column, lanes.highRows) * zPairs[c];
            low = low + (lanes.real ? lowProducts - offDiagonal[c] : lowProducts + offDiagonal[c]);
            high = high + (lanes.real ? highProducts - offDiagonal[c] : highProducts + offDiagonal[c]);
        }
        store(zr0, low);
        store(zr0 + kLanes, high);
    }
    elementByElement(r, n);
}

// z = (A + i*D) * z0 for a real matrix A (column by column), the imaginary
// parts D of its diagonal and a complex vector (pairs re, im): z(j) = 0, then
// for l = 0..n-1 in order z(j) = z(j) + c(j,l) * z0(l) with c(j,l) =
// a(j,l) + i*ai, ai = d(l) on the diagonal and +0 elsewhere, the product
// (ar*zr - ai*zi, ar*zi + ai*zr) with every product and sum rounded as
// written. Columns go four at a time, the rows of a column side by side.
void complexProduct(int n, const float* a, const float* diagonalIm, const float* z0, float* z) {
    std::fill(z, z + 2 * static_cast<long>(n), 0.0f);
    const PairLanes lanes;
    int l = 0;
    for (; l + 4 <= n; l += 4) addColumns<4>(n, l, a, diagonalIm, z0, z, lanes);
    for (; l < n; ++l) addColumns<1>(n, l, a, diagonalIm, z0, z, lanes);
}

}  // namespace iteration
}  // namespace

void gaussSeidelSweep(int n, const float* A, const float* b1, const float* x0, float* x1) {
    iteration::sweep(n, A, b1, x0, x1);
}

void complexMatrixVector(int n, const float* A, const float* diagonalIm, const float* z0, float* z) {
    iteration::complexProduct(n, A, diagonalIm, z0, z);
}
