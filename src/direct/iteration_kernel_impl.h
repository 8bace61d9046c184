// The inner loops of the iterative methods and of the power method,
// organised for speed with the plain loops' roundings; the body of one
// instruction-set variant, included by kernels_<isa>.cpp after simd_tiles.h.

namespace {
namespace iteration {

constexpr int kSweepBlock = 4 * kLanes;  // rows whose leading terms are summed side by side
constexpr int kPrefetchDistance = 256;     // floats ahead in a column of the power method's product

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

// (re, im) = (re, im) + (ar + i*ai) * (zr + i*zi) for one element, as written.
inline void addComplexProduct(float& re, float& im, float ar, float ai, float zr, float zi) {
    const float productRe = ar * zr - ai * zi;
    const float productIm = ar * zi + ai * zr;
    re = re + productRe;
    im = im + productIm;
}

// Columns l..l+C-1 of the product added to the real parts re and imaginary
// parts im of z, each element taking them in column order. Off the diagonal
// the imaginary part ai is +0, so ai*zi and ai*zr are the same for every row
// of a column (+0, -0 or, for an infinite or undefined component of z0, not
// a number): they are worked out once. The vectors of rows that hold a
// diagonal element of these columns form ai*zi and ai*zr lane by lane.
template <int C>
void addColumns(int n, int l, const float* a, const float* diagonalIm, const float* z0, float* re, float* im) {
    const float* al[C];
    float zr[C], zi[C], zeroByZi[C], zeroByZr[C];
    for (int c = 0; c < C; ++c) {
        al[c] = a + static_cast<long>(l + c) * n;
        zr[c] = z0[2 * (l + c)];
        zi[c] = z0[2 * (l + c) + 1];
        zeroByZi[c] = 0.0f * zi[c];
        zeroByZr[c] = 0.0f * zr[c];
    }
    int r = 0;
    for (; r + kLanes <= n; r += kLanes) {
        Vec sumRe = load(re + r);
        Vec sumIm = load(im + r);
        if (r < l + C && l < r + kLanes) {
            for (int c = 0; c < C; ++c) {
                Vec ai = Vec{};  // +0 but on the diagonal
                if (l + c >= r && l + c < r + kLanes) ai[l + c - r] = diagonalIm[l + c];
                const Vec column = load(al[c] + r);
                sumRe = sumRe + (column * zr[c] - ai * zi[c]);
                sumIm = sumIm + (column * zi[c] + ai * zr[c]);
            }
        } else {
#pragma GCC unroll 8
            for (int c = 0; c < C; ++c) {
                __builtin_prefetch(al[c] + r + kPrefetchDistance);
                const Vec column = load(al[c] + r);
                sumRe = sumRe + (column * zr[c] - zeroByZi[c]);
                sumIm = sumIm + (column * zi[c] + zeroByZr[c]);
            }
        }
        store(re + r, sumRe);
        store(im + r, sumIm);
    }
    for (int j = r; j < n; ++j) {
        for (int c = 0; c < C; ++c) {
            const float ai = j == l + c ? diagonalIm[j] : 0.0f;
            addComplexProduct(re[j], im[j], al[c][j], ai, zr[c], zi[c]);
        }
    }
}

// z = (A + i*D) * z0 for a real matrix A (column by column), the imaginary
// parts D of its diagonal and a complex vector (pairs re, im): z(j) = 0, then
// for l = 0..n-1 in order z(j) = z(j) + c(j,l) * z0(l) with c(j,l) =
// a(j,l) + i*ai, ai = d(l) on the diagonal and +0 elsewhere, the product
// (ar*zr - ai*zi, ar*zi + ai*zr) with every product and sum rounded as
// written. Columns go eight at a time, the rows of a column side by side, with
// the real and imaginary parts of z kept apart until the end.
void complexProduct(int n, const float* a, const float* diagonalIm, const float* z0, float* z) {
    std::vector<float> parts(2 * static_cast<std::size_t>(n), 0.0f);
    float* re = parts.data();
    float* im = re + n;
    int l = 0;
    for (; l + 8 <= n; l += 8) addColumns<8>(n, l, a, diagonalIm, z0, re, im);
    for (; l < n; ++l) addColumns<1>(n, l, a, diagonalIm, z0, re, im);
    for (int j = 0; j < n; ++j) {
        z[2 * j] = re[j];
        z[2 * j + 1] = im[j];
    }
}

}  // namespace iteration
}  // namespace

void gaussSeidelSweep(int n, const float* A, const float* b1, const float* x0, float* x1) {
    iteration::sweep(n, A, b1, x0, x1);
}

void complexMatrixVector(int n, const float* A, const float* diagonalIm, const float* z0, float* z) {
    iteration::complexProduct(n, A, diagonalIm, z0, z);
}
