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

// z = z + a * (zr, zi) for one complex element, as written.
inline void addComplexProduct(float* z, const float* a, float zr, float zi) {
    const float re = a[0] * zr - a[1] * zi;
    const float im = a[0] * zi + a[1] * zr;
    z[0] = z[0] + re;
    z[1] = z[1] + im;
}

// z = A * z0 for a complex matrix (pairs re, im; column by column) and
// vector: z(j) = 0, then for l = 0..n-1 in order z(j) = z(j) + a(j,l) * z0(l),
// the product (ar*zr - ai*zi, ar*zi + ai*zr) with every product and sum
// rounded as written. Columns are taken one after another, the rows of a
// column side by side.
void complexProduct(int n, const float* a, const float* z0, float* z) {
    std::fill(z, z + 2 * static_cast<long>(n), 0.0f);
    Lanes swapPairs;   // (1, 0, 3, 2, ...): re and im of each pair exchanged
    Lanes realLanes;   // all ones on the real parts
    for (int k = 0; k < kLanes; ++k) {
        swapPairs[k] = k ^ 1;
        realLanes[k] = k % 2 == 0 ? -1 : 0;
    }
    const long values = 2 * static_cast<long>(n);
    // Columns in fours: each element takes their four products in column
    // order before it is stored again.
    int l = 0;
    for (; l + 4 <= n; l += 4) {
        const float* al[4];
        float zr[4], zi[4];
        for (int c = 0; c < 4; ++c) {
            al[c] = a + 2 * static_cast<long>(l + c) * n;
            zr[c] = z0[2 * (l + c)];
            zi[c] = z0[2 * (l + c) + 1];
        }
        long k = 0;
        for (; k + kLanes <= values; k += kLanes) {
            Vec sum = load(z + k);
#pragma GCC unroll 4
            for (int c = 0; c < 4; ++c) {
                __builtin_prefetch(al[c] + k + 256);
                const Vec pairs = load(al[c] + k);                                // ar ai ar ai ...
                const Vec byRe = pairs * zr[c];                                   // ar*zr ai*zr
                const Vec byIm = shuffleLanes(pairs, swapPairs) * zi[c];     // ai*zi ar*zi
                sum = sum + (realLanes ? byRe - byIm : byIm + byRe);              // ar*zr-ai*zi, ar*zi+ai*zr
            }
            store(z + k, sum);
        }
        for (; k < values; k += 2) {
            for (int c = 0; c < 4; ++c) addComplexProduct(z + k, al[c] + k, zr[c], zi[c]);
        }
    }
    for (; l < n; ++l) {
        const float* al = a + 2 * static_cast<long>(l) * n;
        for (long k = 0; k < values; k += 2) addComplexProduct(z + k, al + k, z0[2 * l], z0[2 * l + 1]);
    }
}

}  // namespace iteration
}  // namespace

void gaussSeidelSweep(int n, const float* A, const float* b1, const float* x0, float* x1) {
    iteration::sweep(n, A, b1, x0, x1);
}

void complexMatrixVector(int n, const float* A, const float* z0, float* z) {
    iteration::complexProduct(n, A, z0, z);
}
