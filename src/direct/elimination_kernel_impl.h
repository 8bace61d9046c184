// Blocked Gaussian elimination with bit-exact roundings; the body of one
// instruction-set variant, included by kernels_<isa>.cpp after simd_tiles.h.
//
// Structure (all indices 0-based inside this file):
// - The steps 0..n-2 are factored recursively: the left half of a range of
//   pivot columns is factored, the right half is brought up to date with the
//   left half's row exchanges and updates, then the right half is factored and
//   its exchanges are applied to the left half. Narrow ranges are factored
//   column by column.
// - "Bringing columns up to date" with steps s0..s1 subtracts, for every row
//   below each step, the product of the row's multiplier and the pivot row's
//   entry, step after step for each element. Rows inside the step range form
//   a triangle whose pivot rows change while it is processed; rows below it
//   form a rectangle that a register-tiled kernel processes from packed copies.
// - Rows whose entry in the pivot column was exactly 0 at their step are
//   skipped by that step; a bit per row and step remembers them, and tiles that
//   contain such rows use masked subtractions.
// - The last column of A and the right-hand sides are brought up to date once,
//   after all steps, and the back substitution follows.

namespace {
namespace elimination {

constexpr int kStepChunk = 256;                           // steps packed at once
constexpr int kRowChunk = kTileRows * (192 / kTileRows);  // rows of packed multipliers
constexpr int kColumnChunk = kTileColumns * 170;          // columns of packed pivot rows
constexpr int kNarrowRange = 16;                          // pivot columns factored one by one
constexpr int kSolveVectors = 4;                          // right-hand sides solved together, in vectors
constexpr int kSolveRowBlock = 128;                       // rows of U transposed at once
constexpr int kPrefetchAhead = 8;                         // columns read ahead while transposing

// The register tile: C (kTileRows x kTileColumns, leading dimension ldc) gets
// `gemmSteps` steps whose multipliers are in `mult` (kTileRows per step) and
// pivot-row entries in `pivotRows` (kTileColumns per step), then
// `triangleSteps` steps whose pivot rows are rows 0, 1, ... of the tile itself.
// With Masked, `active` holds one lane flag per multiplier (all ones: update).
template <bool Masked>
inline void tileKernel(int gemmSteps, int triangleSteps, const float* mult, const std::int32_t* active,
                       const float* pivotRows, float* c, long ldc) {
    Vec acc[kTileVectors][kTileColumns];
#pragma GCC unroll 32
    for (int j = 0; j < kTileColumns; ++j) {
#pragma GCC unroll 8
        for (int v = 0; v < kTileVectors; ++v) acc[v][j] = load(c + j * ldc + v * kLanes);
    }
    for (int k = 0; k < gemmSteps; ++k) {
        Vec m[kTileVectors];
        Lanes on[kTileVectors];
#pragma GCC unroll 8
        for (int v = 0; v < kTileVectors; ++v) {
            m[v] = load(mult + k * kTileRows + v * kLanes);
            if constexpr (Masked) on[v] = loadLanes(active + k * kTileRows + v * kLanes);
        }
        const float* u = pivotRows + k * kTileColumns;
#pragma GCC unroll 32
        for (int j = 0; j < kTileColumns; ++j) {
            const float uj = u[j];
#pragma GCC unroll 8
            for (int v = 0; v < kTileVectors; ++v) {
                const Vec product = m[v] * uj;
                if constexpr (Masked) acc[v][j] = on[v] ? acc[v][j] - product : acc[v][j];
                else acc[v][j] = acc[v][j] - product;
            }
        }
        (void)on;
    }
    // Triangle steps: the pivot row of step t is row t of the tile, already
    // final in its accumulator lane; rows at or above it are masked off.
#pragma GCC unroll 8
    for (int pv = 0; pv < kTileVectors; ++pv) {
        const int end = std::min(triangleSteps, (pv + 1) * kLanes);
        for (int t = pv * kLanes; t < end; ++t) {
            const int k = gemmSteps + t;
            const Lanes pick = Lanes{} + (t - pv * kLanes);
            Vec m[kTileVectors];
            Lanes on[kTileVectors];
#pragma GCC unroll 8
            for (int v = pv; v < kTileVectors; ++v) {
                m[v] = load(mult + k * kTileRows + v * kLanes);
                on[v] = loadLanes(active + k * kTileRows + v * kLanes);
            }
#pragma GCC unroll 32
            for (int j = 0; j < kTileColumns; ++j) {
                const Vec u = shuffleLanes(acc[pv][j], pick);
#pragma GCC unroll 8
                for (int v = pv; v < kTileVectors; ++v) {
                    const Vec product = m[v] * u;
                    acc[v][j] = on[v] ? acc[v][j] - product : acc[v][j];
                }
            }
        }
    }
#pragma GCC unroll 32
    for (int j = 0; j < kTileColumns; ++j) {
#pragma GCC unroll 8
        for (int v = 0; v < kTileVectors; ++v) store(c + j * ldc + v * kLanes, acc[v][j]);
    }
}

class Eliminator {
public:
    Eliminator(int n, int nb, float* a, float* b, float threshold)
        : n_(n), nb_(nb), a_(a), b_(b), threshold_(threshold),
          pivotRow_(static_cast<std::size_t>(n), 0),
          wordsPerRow_(n > 1 ? (n - 1 + 63) / 64 : 1),
          skipped_(static_cast<std::size_t>(n) * static_cast<std::size_t>(wordsPerRow_), 0) {}

    // Returns the 0-based failing step, n - 1 for the last pivot, or -1.
    int run(int& interchanges) {
        int failed = -1;
        int last = n_ - 2;
        if (n_ >= 2) {
            failed = factor(0, n_ - 2);
            if (failed >= 0) last = failed - 1;
            bringUpToDate(column(n_ - 1), 1, 0, last);
            if (nb_ > 0) bringUpToDate(b_, nb_, 0, last);
        }
        interchanges += interchanges_;
        if (failed >= 0) return failed;
        const float lastPivot = at(n_ - 1, n_ - 1);
        if (std::fabs(lastPivot) < threshold_) {
            failedPivot_ = lastPivot;
            return n_ - 1;
        }
        if (nb_ > 0) solveUpper();
        return -1;
    }

    float failedPivot() const { return failedPivot_; }

private:
    float* column(int j) const { return a_ + static_cast<long>(j) * n_; }
    float& at(int i, int j) const { return column(j)[i]; }

    bool isSkipped(int row, int step) const {
        return (skipped_[static_cast<std::size_t>(row) * wordsPerRow_ + static_cast<std::size_t>(step >> 6)] >>
                (step & 63)) & 1u;
    }
    void markSkipped(int row, int step) {
        skipped_[static_cast<std::size_t>(row) * wordsPerRow_ + static_cast<std::size_t>(step >> 6)] |=
            std::uint64_t{1} << (step & 63);
    }
    void exchangeSkipRows(int r, int s) {
        std::uint64_t* x = &skipped_[static_cast<std::size_t>(r) * wordsPerRow_];
        std::uint64_t* y = &skipped_[static_cast<std::size_t>(s) * wordsPerRow_];
        for (int w = 0; w < wordsPerRow_; ++w) std::swap(x[w], y[w]);
    }
    // True when some row in rows [r0, r1) skipped some step in [s0, s1].
    bool anySkipped(int r0, int r1, int s0, int s1) const {
        const int w0 = s0 >> 6;
        const int w1 = s1 >> 6;
        for (int r = r0; r < r1; ++r) {
            const std::uint64_t* bits = &skipped_[static_cast<std::size_t>(r) * wordsPerRow_];
            for (int w = w0; w <= w1; ++w) {
                std::uint64_t word = bits[w];
                if (w == w0) word &= ~std::uint64_t{0} << (s0 & 63);
                if (w == w1 && (s1 & 63) != 63) word &= (std::uint64_t{1} << ((s1 & 63) + 1)) - 1;
                if (word != 0) return true;
            }
        }
        return false;
    }

    // First row of largest magnitude in column k, rows k..n-1.
    int searchPivot(int k) const {
        const float* c = column(k);
        float pivot = c[k];
        int row = k;
        for (int i = k + 1; i < n_; ++i) {
            if (std::fabs(c[i]) > std::fabs(pivot)) {
                pivot = c[i];
                row = i;
            }
        }
        return row;
    }

    // Applies the exchanges of steps s0..s1, in order, to `count` columns at
    // `c`. Four columns are exchanged side by side so that their cache misses
    // overlap.
    void exchangeRows(float* c, int count, int s0, int s1) const {
        int j = 0;
        for (; j + 4 <= count; j += 4) {
            float* c0 = c + static_cast<long>(j) * n_;
            float* c1 = c0 + n_;
            float* c2 = c1 + n_;
            float* c3 = c2 + n_;
            for (int k = s0; k <= s1; ++k) {
                const int l = pivotRow_[static_cast<std::size_t>(k)];
                if (l == k) continue;
                std::swap(c0[k], c0[l]);
                std::swap(c1[k], c1[l]);
                std::swap(c2[k], c2[l]);
                std::swap(c3[k], c3[l]);
            }
        }
        for (; j < count; ++j) {
            float* cj = c + static_cast<long>(j) * n_;
            for (int k = s0; k <= s1; ++k) {
                const int l = pivotRow_[static_cast<std::size_t>(k)];
                if (l != k) std::swap(cj[k], cj[l]);
            }
        }
    }

    // Step range [k0, k1], columns k0..k1 only, one step at a time.
    int factorNarrow(int k0, int k1) {
        for (int k = k0; k <= k1; ++k) {
            float* ck = column(k);
            const int l = searchPivot(k);
            const float pivot = ck[l];
            if (std::fabs(pivot) < threshold_) {
                failedPivot_ = pivot;
                return k;
            }
            pivotRow_[static_cast<std::size_t>(k)] = l;
            if (l != k) {
                ++interchanges_;
                for (int j = k0; j <= k1; ++j) std::swap(at(k, j), at(l, j));
                exchangeSkipRows(k, l);
            }
            const bool skips = computeMultipliers(k);
            for (int j = k + 1; j <= k1; ++j) subtractPivotRow(column(j), ck, at(k, j), k, skips);
        }
        return -1;
    }

    // Multipliers of step k below the pivot; rows holding 0 keep it and are
    // marked skipped (a quotient that underflows to 0 still counts as a
    // multiplier, so the zeros are found before dividing). Returns whether any
    // row was skipped.
    bool computeMultipliers(int k) {
        float* c = column(k);
        const float pivot = c[k];
        if (!hasZeroBelow(c, k)) {
            int i = k + 1;
            for (; i + kLanes <= n_; i += kLanes) store(c + i, load(c + i) / pivot);
            for (; i < n_; ++i) c[i] = c[i] / pivot;
            return false;
        }
        for (int i = k + 1; i < n_; ++i) {
            if (c[i] == 0.0f) markSkipped(i, k);
            else c[i] = c[i] / pivot;
        }
        return true;
    }

    bool hasZeroBelow(const float* c, int k) const {
        Lanes zero = Lanes{};
        int i = k + 1;
        for (; i + kLanes <= n_; i += kLanes) zero |= load(c + i) == Vec{};
        for (; i < n_; ++i) {
            if (c[i] == 0.0f) return true;
        }
        for (int lane = 0; lane < kLanes; ++lane) {
            if (zero[lane] != 0) return true;
        }
        return false;
    }

    // c(i) = c(i) - m(i) * u for the rows below step k that the step updates.
    void subtractPivotRow(float* c, const float* m, float u, int k, bool skips) const {
        int i = k + 1;
        if (!skips) {
            for (; i + kLanes <= n_; i += kLanes) store(c + i, load(c + i) - load(m + i) * u);
            for (; i < n_; ++i) c[i] = c[i] - m[i] * u;
            return;
        }
        for (; i < n_; ++i) {
            if (!isSkipped(i, k)) c[i] = c[i] - m[i] * u;
        }
    }

    // Factors steps k0..k1 (columns k0..k1, which are up to date with every
    // earlier step). Returns the failing step or -1; either way the columns
    // k0..k1 end as the plain loops leave them after the completed steps.
    int factor(int k0, int k1) {
        if (k1 - k0 + 1 <= kNarrowRange) return factorNarrow(k0, k1);
        const int mid = k0 + (k1 - k0 + 1) / 2 - 1;
        const int failedLeft = factor(k0, mid);
        const int doneLeft = failedLeft >= 0 ? failedLeft - 1 : mid;
        bringUpToDate(column(mid + 1), k1 - mid, k0, doneLeft);
        if (failedLeft >= 0) return failedLeft;
        const int failedRight = factor(mid + 1, k1);
        const int doneRight = failedRight >= 0 ? failedRight - 1 : k1;
        exchangeRows(column(k0), mid - k0 + 1, mid + 1, doneRight);
        return failedRight;
    }

    // Applies the row exchanges and the updates of steps s0..s1 to `count`
    // columns at `c` (leading dimension n), which are up to date with every
    // step before s0.
    void bringUpToDate(float* c, int count, int s0, int s1) {
        if (s1 < s0 || count <= 0) return;
        exchangeRows(c, count, s0, s1);
        for (int s = s0; s <= s1; s += kStepChunk) updateChunk(c, count, s, std::min(s + kStepChunk - 1, s1));
    }

    void updateChunk(float* c, int count, int s0, int s1) {
        const int kb = s1 - s0 + 1;
        for (int j0 = 0; j0 < count; j0 += kColumnChunk) {
            const int cols = std::min(kColumnChunk, count - j0);
            float* chunk = c + static_cast<long>(j0) * n_;
            const int panels = (cols + kTileColumns - 1) / kTileColumns;
            packedPivotRows_.resize(static_cast<std::size_t>(panels) * kb * kTileColumns);
            packPivotRows(chunk, cols, s0, kb, s0, s0);
            updateTriangle(chunk, cols, panels, s0, s1);
            updateRectangle(chunk, cols, panels, s0, s1);
        }
    }

    // Rows s0+1..s1: each row takes the steps s0..row-1, and the pivot rows of
    // the later steps are rows of this same triangle. Tiles of kTileRows rows,
    // from the top; each finished tile's rows become packed pivot rows.
    void updateTriangle(float* chunk, int cols, int panels, int s0, int s1) {
        const int kb = s1 - s0 + 1;
        reservePacks(kTileRows, kb);
        for (int r0 = s0 + 1; r0 <= s1; r0 += kTileRows) {
            const int r1 = std::min(r0 + kTileRows - 1, s1);
            const int gemmSteps = r0 - s0;
            const int triangleSteps = r1 - r0;
            bool masked = false;
            packMultipliers(r0, r1 - r0 + 1, s0, gemmSteps, triangleSteps, packedMultipliers_.data(),
                            packedActive_.data(), masked);
            for (int p = 0; p < panels; ++p) {
                const int j = p * kTileColumns;
                runTile(gemmSteps, triangleSteps, packedMultipliers_.data(), packedActive_.data(), masked,
                        &packedPivotRows_[static_cast<std::size_t>(p) * kb * kTileColumns],
                        chunk + static_cast<long>(j) * n_ + r0, r1 - r0 + 1, std::min(kTileColumns, cols - j));
            }
            packPivotRows(chunk, cols, s0, kb, r0, r1);
        }
    }

    // Rows s1+1..n-1: every row takes all the steps s0..s1.
    void updateRectangle(float* chunk, int cols, int panels, int s0, int s1) {
        const int kb = s1 - s0 + 1;
        reservePacks(kRowChunk, kb);
        for (int i0 = s1 + 1; i0 < n_; i0 += kRowChunk) {
            const int rows = std::min(kRowChunk, n_ - i0);
            const int tiles = (rows + kTileRows - 1) / kTileRows;
            for (int t = 0; t < tiles; ++t) {
                bool masked = false;
                const std::size_t offset = static_cast<std::size_t>(t) * kb * kTileRows;
                packMultipliers(i0 + t * kTileRows, std::min(kTileRows, rows - t * kTileRows), s0, kb, 0,
                                &packedMultipliers_[offset], &packedActive_[offset], masked);
                packedMasked_[static_cast<std::size_t>(t)] = masked;
            }
            for (int p = 0; p < panels; ++p) {
                const int j = p * kTileColumns;
                const float* pivotRows = &packedPivotRows_[static_cast<std::size_t>(p) * kb * kTileColumns];
                for (int t = 0; t < tiles; ++t) {
                    const std::size_t offset = static_cast<std::size_t>(t) * kb * kTileRows;
                    const int r0 = i0 + t * kTileRows;
                    runTile(kb, 0, &packedMultipliers_[offset], &packedActive_[offset],
                            packedMasked_[static_cast<std::size_t>(t)] != 0, pivotRows,
                            chunk + static_cast<long>(j) * n_ + r0, std::min(kTileRows, n_ - r0),
                            std::min(kTileColumns, cols - j));
                }
            }
        }
    }

    void reservePacks(int rows, int kb) {
        const std::size_t size = static_cast<std::size_t>(rows) * kb;
        if (packedMultipliers_.size() < size) {
            packedMultipliers_.resize(size);
            packedActive_.resize(size);
        }
        packedMasked_.resize(static_cast<std::size_t>(rows / kTileRows) + 1);
    }

    // Multipliers of rows r0..r0+rows-1 for the steps s0..s0+gemmSteps+triangleSteps-1,
    // kTileRows per step. The lane flags are filled for the triangle steps
    // (a row takes a step only when it lies below it) and, when some row
    // skipped one of the first gemmSteps steps, for those too (`masked`).
    void packMultipliers(int r0, int rows, int s0, int gemmSteps, int triangleSteps, float* mult,
                         std::int32_t* active, bool& masked) const {
        const int steps = gemmSteps + triangleSteps;
        for (int t = 0; t < steps; ++t) {
            const float* ck = column(s0 + t) + r0;
            float* out = mult + static_cast<std::size_t>(t) * kTileRows;
            std::memcpy(out, ck, static_cast<std::size_t>(rows) * sizeof(float));
            std::memset(out + rows, 0, static_cast<std::size_t>(kTileRows - rows) * sizeof(float));
        }
        masked = gemmSteps > 0 && anySkipped(r0, r0 + rows, s0, s0 + gemmSteps - 1);
        const int firstFlagged = masked ? 0 : gemmSteps;
        for (int t = firstFlagged; t < steps; ++t) {
            const int k = s0 + t;
            std::int32_t* out = active + static_cast<std::size_t>(t) * kTileRows;
            for (int r = 0; r < kTileRows; ++r) {
                const int row = r0 + r;
                out[r] = r < rows && row > k && !isSkipped(row, k) ? -1 : 0;
            }
        }
    }

    // Copies rows r0..r1 of `cols` columns at `chunk` into the packed pivot
    // rows (steps counted from s0), kTileColumns entries per step and panel.
    void packPivotRows(const float* chunk, int cols, int s0, int kb, int r0, int r1) {
        for (int j = 0; j < cols; ++j) {
            const float* cj = chunk + static_cast<long>(j) * n_;
            float* out = &packedPivotRows_[static_cast<std::size_t>(j / kTileColumns) * kb * kTileColumns +
                                           static_cast<std::size_t>(j % kTileColumns)];
            for (int k = r0; k <= r1; ++k) out[static_cast<std::size_t>(k - s0) * kTileColumns] = cj[k];
        }
    }

    void runTile(int gemmSteps, int triangleSteps, const float* mult, const std::int32_t* active, bool masked,
                 const float* pivotRows, float* c, int rows, int cols) const {
        if (rows == kTileRows && cols == kTileColumns) {
            callKernel(gemmSteps, triangleSteps, mult, active, masked, pivotRows, c, n_);
            return;
        }
        float tile[kTileRows * kTileColumns] = {};
        for (int j = 0; j < cols; ++j) std::memcpy(tile + j * kTileRows, c + static_cast<long>(j) * n_, rows * sizeof(float));
        callKernel(gemmSteps, triangleSteps, mult, active, masked, pivotRows, tile, kTileRows);
        for (int j = 0; j < cols; ++j) std::memcpy(c + static_cast<long>(j) * n_, tile + j * kTileRows, rows * sizeof(float));
    }

    static void callKernel(int gemmSteps, int triangleSteps, const float* mult, const std::int32_t* active,
                           bool masked, const float* pivotRows, float* c, long ldc) {
        if (masked) tileKernel<true>(gemmSteps, triangleSteps, mult, active, pivotRows, c, ldc);
        else tileKernel<false>(gemmSteps, triangleSteps, mult, active, pivotRows, c, ldc);
    }

    // Back substitution for all right-hand sides, kSolveVectors vectors of
    // them at a time, with rows of U copied out in blocks so that each sum
    // runs along contiguous memory.
    void solveUpper() {
        constexpr int group = kSolveVectors * kLanes;
        std::vector<float> x(static_cast<std::size_t>(n_) * group);
        // Rows of the copy are padded so that successive rows do not map to
        // the same cache sets (a row of n floats is often a multiple of 4 KiB).
        const std::size_t stride = static_cast<std::size_t>(n_ | 15) + 17;
        std::vector<float> rowsOfU(static_cast<std::size_t>(kSolveRowBlock) * stride);
        for (int g0 = 0; g0 < nb_; g0 += group) {
            const int width = std::min(group, nb_ - g0);
            const int vectors = (width + kLanes - 1) / kLanes;
            std::fill(x.begin(), x.end(), 0.0f);
            for (int j = 0; j < width; ++j) {
                const float* bj = b_ + static_cast<long>(g0 + j) * n_;
                for (int l = 0; l < n_; ++l) x[static_cast<std::size_t>(l) * group + j] = bj[l];
            }
            float* lastRow = &x[static_cast<std::size_t>(n_ - 1) * group];
            const float lastPivot = at(n_ - 1, n_ - 1);
            for (int v = 0; v < vectors; ++v) store(lastRow + v * kLanes, load(lastRow + v * kLanes) / lastPivot);
            for (int i1 = n_ - 2; i1 >= 0; i1 -= kSolveRowBlock) {
                const int i0 = std::max(0, i1 - kSolveRowBlock + 1);
                for (int l = i0 + 1; l < n_; ++l) {
                    if (l + kPrefetchAhead < n_) prefetchColumnPart(column(l + kPrefetchAhead) + i0, i1 - i0 + 1);
                    const float* cl = column(l);
                    const int top = std::min(i1, l - 1);
                    for (int i = i0; i <= top; ++i) rowsOfU[static_cast<std::size_t>(i - i0) * stride + l] = cl[i];
                }
                for (int i = i1; i >= i0; --i) {
                    const float* u = &rowsOfU[static_cast<std::size_t>(i - i0) * stride];
                    switch (vectors) {
                        case 1: solveRow<1>(i, u, x.data()); break;
                        case 2: solveRow<2>(i, u, x.data()); break;
                        case 3: solveRow<3>(i, u, x.data()); break;
                        default: solveRow<4>(i, u, x.data()); break;
                    }
                }
            }
            for (int j = 0; j < width; ++j) {
                float* bj = b_ + static_cast<long>(g0 + j) * n_;
                for (int l = 0; l < n_; ++l) bj[l] = x[static_cast<std::size_t>(l) * group + j];
            }
        }
    }

    // x(i) = (x(i) - s) / a(i,i) with s = sum of u(l) * x(l), l = i+1..n-1 in order.
    template <int V>
    void solveRow(int i, const float* u, float* x) const {
        static_assert(V <= kSolveVectors);
        constexpr int group = kSolveVectors * kLanes;
        Vec s[V];
        for (int v = 0; v < V; ++v) s[v] = Vec{};
        for (int l = i + 1; l < n_; ++l) {
            const float ul = u[l];
            const float* xl = x + static_cast<std::size_t>(l) * group;
#pragma GCC unroll 4
            for (int v = 0; v < V; ++v) s[v] = s[v] + ul * load(xl + v * kLanes);
        }
        float* xi = x + static_cast<std::size_t>(i) * group;
        const float diagonal = at(i, i);
#pragma GCC unroll 4
        for (int v = 0; v < V; ++v) store(xi + v * kLanes, (load(xi + v * kLanes) - s[v]) / diagonal);
    }

    int n_;
    int nb_;
    float* a_;
    float* b_;
    float threshold_;
    std::vector<int> pivotRow_;
    int wordsPerRow_;
    std::vector<std::uint64_t> skipped_;
    int interchanges_ = 0;
    float failedPivot_ = 0.0f;

    std::vector<float> packedPivotRows_;
    std::vector<float> packedMultipliers_;
    std::vector<std::int32_t> packedActive_;
    std::vector<unsigned char> packedMasked_;
};

}  // namespace elimination
}  // namespace

EliminationOutcome eliminateAndSolve(int n, int nb, float* A, float* B, float threshold, int& interchanges) {
    elimination::Eliminator eliminator(n, nb, A, B, threshold);
    const int failed = eliminator.run(interchanges);
    if (failed < 0) return {};
    return {failed + 1, eliminator.failedPivot()};
}
