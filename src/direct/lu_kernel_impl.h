// Compact LU factorisation with the pivot search of largest |u(k,k)|, and the
// solves with its factors, organised for speed with the plain loops'
// roundings; the body of one instruction-set variant, included by
// kernels_<isa>.cpp after simd_tiles.h.
//
// Every element ends as f(a(r,c) - s(r,c)) with s(r,c) the sum over
// l < min(r,c) of l(r,l) * u(l,c), accumulated in double precision from 0 in
// increasing l (products of two floats are exact in double precision); f
// rounds to single precision for U and divides by u(c,c) first for L. The
// sums are carried in double precision between the blocks that add their
// terms, so each sum sees its terms one by one in the same order.
//
// Structure (0-based): the columns are taken in panels, left to right. For a
// panel, the rows of U above it are finished first (a triangular solve, rows
// in blocks from the top, the register tiles running along the rows), then
// the sums of the rows below are advanced past every earlier step (a
// register-tiled product), and the panel's own steps run column by column: a
// column takes the row exchanges and the terms of the panel's earlier steps
// when its own step comes; the candidates of the pivot search are the values
// every remaining row would give in the pivot position, computed where the
// rows stand; the chosen row is exchanged in the columns so far, and the
// column of L follows.

namespace {
namespace lu {

constexpr int kPanel = 96;                 // columns per panel (a multiple of both tile sizes)
constexpr int kStepChunk = 256;            // steps of a product packed at once
constexpr int kRowChunk = 128;             // rows of packed multipliers in a product
constexpr int kRowBlock = 24;              // rows of U finished together above a panel
constexpr int kPanelTiles = kPanel / kDoubleTileRows;  // column tiles of a panel above it
constexpr int kRowVectors = 4;             // vectors of a row of U taking their terms together
constexpr int kSubPanel = 8;               // columns of a panel taking the earlier steps' terms together
constexpr int kSolveRowBlock = 128;        // rows of U copied out for the back substitution
constexpr int kForwardBlock = 64;          // rows of L finished one by one before the rows below take their terms
constexpr int kPrefetchAhead = 8;         // columns read ahead when copying rows of U out
constexpr int kPackPrefetchAhead = 24;    // columns read ahead when packing multipliers

static_assert(kPanel % kDoubleTileColumns == 0 && kPanel % kDoubleTileRows == 0 && kPanel % kSubPanel == 0);
static_assert(kRowBlock % kDoubleTileColumns == 0 && (kPanel / kDoubleLanes) % kRowVectors == 0);

// The index of the first of the largest |d(i)| rounded to single precision
// among i < count, or -1 when none is above 0 (NaNs never win). The largest
// is found lane by lane first, then its first place.
inline int firstOfLargestMagnitude(const double* d, int count) {
    using Bits = std::int64_t __attribute__((vector_size(sizeof(VecD))));
    const Bits magnitudeBits = Bits{} + 0x7fffffffffffffff;
    Bits best{};  // the bits of the lanes' largest magnitudes (0.0 to start)
    int i = 0;
    for (; i + kDoubleLanes <= count; i += kDoubleLanes) {
        const VecD magnitude = (VecD)((Bits)roundToSingle(load(d + i)) & magnitudeBits);
        const Bits larger = (Bits)(magnitude > (VecD)best);
        best = ((Bits)magnitude & larger) | (best & ~larger);
    }
    float largest = 0.0f;
    for (int lane = 0; lane < kDoubleLanes; ++lane) largest = std::max(largest, static_cast<float>(((VecD)best)[lane]));
    for (; i < count; ++i) largest = std::max(largest, std::fabs(static_cast<float>(d[i])));
    if (!(largest > 0.0f)) return -1;
    for (i = 0; std::fabs(static_cast<float>(d[i])) != largest; ++i) {}
    return i;
}

class Factorizer {
public:
    Factorizer(int n, float* a, int* order, float threshold)
        : n_(n), a_(a), order_(order), threshold_(threshold) {}

    // Returns the failing step (0-based) or -1.
    int run(int& exchanges) {
        for (int i = 0; i < n_; ++i) order_[i] = i + 1;
        const int failed = factorPanels();
        exchanges += exchanges_;
        return failed;
    }

    float failedDiagonal() const { return failedDiagonal_; }

private:
    float* column(int c) const { return a_ + static_cast<long>(c) * n_; }
    float& at(int r, int c) const { return column(c)[r]; }

    int factorPanels() {
        pivotRow_.resize(static_cast<std::size_t>(n_));
        for (int j = 0; j < n_; ++j) pivotRow_[static_cast<std::size_t>(j)] = j;
        for (int j0 = 0; j0 < n_; j0 += kPanel) {
            const int j1 = std::min(n_, j0 + kPanel);
            // Row exchanges reach the columns right of a panel only when
            // their own panel comes (all earlier ones at once, in order), and
            // the columns of L after every panel.
            exchangeRowsInColumns(column(j0), n_, j1 - j0, pivotRow_.data(), 0, j0 - 1);
            finishRowsOfU(j0, j0, j1);
            sumsBelow(j0, j1);
            const int failed = factorPanel(j0, j1);
            const int last = failed >= 0 ? failed : j1 - 1;
            exchangeRowsInColumns(column(0), n_, j0, pivotRow_.data(), j0, last);
            if (failed >= 0) {
                exchangeRowsInColumns(column(j1), n_, n_ - j1, pivotRow_.data(), 0, last);
                // The plain loops compute the whole row of U of a step before
                // its test: rows 0..failed are complete in every column.
                for (int c0 = j1; c0 < n_; c0 += kPanel) finishRowsOfU(failed + 1, c0, std::min(n_, c0 + kPanel));
                return failed;
            }
        }
        return -1;
    }

    // u(l,c) = a(l,c) - sum over m < l of l(l,m) * u(m,c), for rows l < rows
    // and columns c0..c1-1 (at most kPanel). Rows go in blocks from the top,
    // the sums of each row side by side along the columns: the register tiles
    // run transposed (kDoubleTileRows columns of U in a vector, rows of L
    // broadcast). The terms of the rows above a block come from a tiled
    // product, chunk of steps by chunk of steps; then each row of the block
    // takes the terms of the block's rows above it and is finished.
    void finishRowsOfU(int rows, int c0, int c1) {
        if (rows <= 0) return;
        const int width = c1 - c0;
        const int colTiles = (width + kDoubleTileRows - 1) / kDoubleTileRows;
        finishedRowsOfU_.assign(static_cast<std::size_t>(kPanelTiles) * rows * kDoubleTileRows, 0.0);
        rowSums_.resize(static_cast<std::size_t>(kRowBlock) * kPanel);
        for (int l0 = 0; l0 < rows; l0 += kRowBlock) {
            const int l1 = std::min(rows, l0 + kRowBlock);
            const int rowGroups = (l1 - l0 + kDoubleTileColumns - 1) / kDoubleTileColumns;
            std::fill(rowSums_.begin(), rowSums_.end(), 0.0);
            packColumnsOfL<kDoubleTileColumns>(l0, l1 - l0, l1);
            for (int k0 = 0; k0 < l0; k0 += kStepChunk) {
                const int steps = std::min(l0, k0 + kStepChunk) - k0;
                for (int ct = 0; ct < colTiles; ++ct) {
                    for (int g = 0; g < rowGroups; ++g) {
                        const double* u = &finishedRowsOfU_[(static_cast<std::size_t>(ct) * rows + k0) * kDoubleTileRows];
                        const double* multipliers = &packedL_[(static_cast<std::size_t>(g) * l1 + k0) * kDoubleTileColumns];
                        double* sums = &rowSums_[static_cast<std::size_t>(g * kDoubleTileColumns) * kPanel];
                        accumulateAnyTile(steps, u, multipliers, sums + ct * kDoubleTileRows, kPanel,
                                          std::min(kDoubleTileRows, width - ct * kDoubleTileRows),
                                          std::min(kDoubleTileColumns, l1 - l0 - g * kDoubleTileColumns));
                    }
                }
            }
            for (int l = l0; l < l1; ++l) finishRowOfU(l, l0, l1, rows, c0, width);
        }
    }

    // Row l of U in the block l0..l1-1: its sums (over the rows above the
    // block so far) take the terms of rows l0..l-1 in order, a few vectors of
    // columns at a time; then u(l,c) is stored in A and in finishedRowsOfU_.
    void finishRowOfU(int l, int l0, int l1, int rows, int c0, int width) {
        double* sums = &rowSums_[static_cast<std::size_t>(l - l0) * kPanel];
        const int group = (l - l0) / kDoubleTileColumns;
        // multipliers[m * kDoubleTileColumns] = l(l, m)
        const double* multipliers =
            &packedL_[static_cast<std::size_t>(group) * l1 * kDoubleTileColumns + (l - l0) % kDoubleTileColumns];
        const int vectors = (width + kRowVectors * kDoubleLanes - 1) / (kRowVectors * kDoubleLanes) * kRowVectors;
        for (int v0 = 0; v0 < vectors; v0 += kRowVectors) {
            VecD acc[kRowVectors];
            const double* u[kRowVectors];  // u[i][m * kDoubleTileRows]: vector v0 + i of row m
            for (int i = 0; i < kRowVectors; ++i) {
                const int v = v0 + i;
                acc[i] = load(sums + v * kDoubleLanes);
                u[i] = &finishedRowsOfU_[static_cast<std::size_t>(v / kDoubleTileVectors) * rows * kDoubleTileRows +
                                         (v % kDoubleTileVectors) * kDoubleLanes];
            }
            for (int m = l0; m < l; ++m) {
                const double f = multipliers[static_cast<std::size_t>(m) * kDoubleTileColumns];
#pragma GCC unroll 8
                for (int i = 0; i < kRowVectors; ++i) {
                    acc[i] = acc[i] + load(u[i] + static_cast<std::size_t>(m) * kDoubleTileRows) * f;
                }
            }
            for (int i = 0; i < kRowVectors; ++i) store(sums + (v0 + i) * kDoubleLanes, acc[i]);
        }
        for (int c = 0; c < width; ++c) {
            const float value = static_cast<float>(static_cast<double>(at(l, c0 + c)) - sums[c]);
            at(l, c0 + c) = value;
            const std::size_t tile = static_cast<std::size_t>(c / kDoubleTileRows);
            finishedRowsOfU_[(tile * rows + l) * kDoubleTileRows + c % kDoubleTileRows] = value;
        }
    }

    // Multipliers l(r0 + i, m) for i < count and m = m0..m1-1, packed in
    // groups of Group rows, step by step; rows past count are 0.
    template <int Group>
    void packColumnsOfL(int r0, int count, int m1, int m0 = 0) {
        const int steps = m1 - m0;
        const int groups = (count + Group - 1) / Group;
        packedL_.resize(static_cast<std::size_t>(groups) * steps * Group);
        for (int m = m0; m < m1; ++m) {
            if (m + kPackPrefetchAhead < m1) prefetchColumnPart(column(m + kPackPrefetchAhead) + r0, count);
            const float* cm = column(m) + r0;
            for (int g = 0; g < groups; ++g) {
                double* out = &packedL_[(static_cast<std::size_t>(g) * steps + (m - m0)) * Group];
                const int rows = std::min(Group, count - g * Group);
                widen(cm + g * Group, out, rows);
                for (int i = rows; i < Group; ++i) out[i] = 0.0;
            }
        }
    }

    // The sums of rows j0..n-1 in the panel's columns over every step before
    // the panel: s(r,c) = sum over l < j0 of l(r,l) * u(l,c). U is packed once;
    // a chunk of rows takes all its steps before the next, so its sums stay
    // in cache.
    void sumsBelow(int j0, int j1) {
        const int width = j1 - j0;
        const int rows = n_ - j0;
        panelSums_.assign(static_cast<std::size_t>(width) * rows, 0.0);
        if (j0 == 0) return;
        const int colTiles = (width + kDoubleTileColumns - 1) / kDoubleTileColumns;
        packRowsOfU(j0, width, j0);
        for (int r0 = j0; r0 < n_; r0 += kRowChunk) {
            const int chunkRows = std::min(kRowChunk, n_ - r0);
            const int rowTiles = (chunkRows + kDoubleTileRows - 1) / kDoubleTileRows;
            for (int k0 = 0; k0 < j0; k0 += kStepChunk) {
                const int k1 = std::min(j0, k0 + kStepChunk);
                const int steps = k1 - k0;
                packColumnsOfL<kDoubleTileRows>(r0, chunkRows, k1, k0);
                for (int rt = 0; rt < rowTiles; ++rt) {
                    const int r = r0 + rt * kDoubleTileRows;
                    for (int ct = 0; ct < colTiles; ++ct) {
                        accumulateAnyTile(steps, &packedL_[static_cast<std::size_t>(rt) * steps * kDoubleTileRows],
                                          &packedU_[(static_cast<std::size_t>(ct) * j0 + k0) * kDoubleTileColumns],
                                          &panelSums_[static_cast<std::size_t>(ct * kDoubleTileColumns) * rows + (r - j0)],
                                          rows, std::min(kDoubleTileRows, n_ - r),
                                          std::min(kDoubleTileColumns, width - ct * kDoubleTileColumns));
                    }
                }
            }
        }
    }

    // u(l, j0 + c) for l < steps and c < width, packed in tiles of
    // kDoubleTileColumns columns, step by step; columns past width are 0.
    void packRowsOfU(int j0, int width, int steps) {
        const int colTiles = (width + kDoubleTileColumns - 1) / kDoubleTileColumns;
        packedU_.resize(static_cast<std::size_t>(colTiles) * steps * kDoubleTileColumns);
        double* out = packedU_.data();
        for (int ct = 0; ct < colTiles; ++ct) {
            const int cols = std::min(kDoubleTileColumns, width - ct * kDoubleTileColumns);
            const float* first = column(j0 + ct * kDoubleTileColumns);
            for (int l = 0; l < steps; ++l, out += kDoubleTileColumns) {
                for (int c = 0; c < cols; ++c) out[c] = first[static_cast<long>(c) * n_ + l];
                for (int c = cols; c < kDoubleTileColumns; ++c) out[c] = 0.0;
            }
        }
    }

    double& panelSum(int j0, int r, int c) {
        return panelSums_[static_cast<std::size_t>(c - j0) * (n_ - j0) + (r - j0)];
    }

    // The panel's steps, one after another, in groups of kSubPanel columns.
    // Returns the failing step or -1. A group's columns first take the row
    // exchanges and the terms of the panel's steps before the group, all
    // together (the multipliers of a block of rows widened once for every
    // column); then a column takes those of the group's earlier steps when
    // its own step comes: row l of U finished, then its terms to every row
    // below (l in order, so each sum stays in order).
    int factorPanel(int j0, int j1) {
        differences_.resize(static_cast<std::size_t>(n_));
        stepValues_.resize(static_cast<std::size_t>(kSubPanel) * kPanel);
        for (int s0 = j0; s0 < j1; s0 += kSubPanel) {
            const int s1 = std::min(j1, s0 + kSubPanel);
            takeStepsBeforeGroup(j0, s0, s1);
            for (int j = s0; j < s1; ++j) {
                if (factorStep(j0, s0, j)) continue;
                // The plain loops finish row j of U in every column before
                // the test: rows j0..j of the panel's later columns here.
                for (int c = j + 1; c < j1; ++c) {
                    const int first = c < s1 ? s0 : j0;  // the first step column c has not taken
                    exchangeRowsOfPanelColumn(j0, c, first, j);
                    finishColumnRows(j0, first, j + 1, c, j + 1, stepValues_.data());
                }
                return j;
            }
        }
        return -1;
    }

    // Columns s0..s1-1 take the row exchanges and the terms of steps
    // j0..s0-1: their rows j0..s0-1 of U one by one, then the rows below.
    void takeStepsBeforeGroup(int j0, int s0, int s1) {
        if (s0 == j0) return;
        for (int c = s0; c < s1; ++c) {
            exchangeRowsOfPanelColumn(j0, c, j0, s0 - 1);
            finishColumnRows(j0, j0, s0, c, s0, &stepValues_[static_cast<std::size_t>(c - s0) * kPanel]);
        }
        const long lds = n_ - j0;
        double* sums = &panelSum(j0, s0, s0);
        const float* multipliers = column(j0) + s0;
        if (s1 - s0 == kSubPanel) {
            addWidenedColumnProductsToColumns<kSubPanel>(sums, lds, multipliers, n_, stepValues_.data(), kPanel, s0 - j0,
                                                         n_ - s0);
            return;
        }
        for (int c = 0; c < s1 - s0; ++c) {
            const double* values = &stepValues_[static_cast<std::size_t>(c) * kPanel];
            addWidenedColumnProducts(sums + c * lds, multipliers, n_, values, s0 - j0, n_ - s0);
        }
    }

    // Step j of the panel from j0, in the group from s0: column j takes the
    // group's earlier steps, the pivot is chosen and the column of L
    // computed. False when the pivot falls below the threshold.
    bool factorStep(int j0, int s0, int j) {
        exchangeRowsOfPanelColumn(j0, j, s0, j - 1);
        finishColumnRows(j0, s0, j, j, n_, stepValues_.data());
        // What each remaining row would leave in the pivot position.
        const double* sums = &panelSum(j0, j0, j) - j0;  // sums[r]: the sum of row r
        for (int r = j; r < n_; ++r) differences_[r] = static_cast<double>(at(r, j)) - sums[r];
        if (j < n_ - 1) choosePivot(j0, j);
        const float diagonal = static_cast<float>(differences_[j]);
        at(j, j) = diagonal;
        if (std::fabs(diagonal) < threshold_) {
            failedDiagonal_ = diagonal;
            return false;
        }
        float* lj = column(j);
        if (j == 0) {
            for (int r = 1; r < n_; ++r) lj[r] = lj[r] / diagonal;  // the first column in single precision
        } else {
            const double pivot = diagonal;
            for (int r = j + 1; r < n_; ++r) lj[r] = static_cast<float>(differences_[r] / pivot);
        }
        return true;
    }

    // The row exchanges of steps first..last in the panel's column c and its
    // sums, one column at a time while it is in cache.
    void exchangeRowsOfPanelColumn(int j0, int c, int first, int last) {
        float* values = column(c);
        double* sums = &panelSum(j0, j0, c) - j0;  // sums[r]: the sum of row r
        for (int k = first; k <= last; ++k) {
            const int l = pivotRow_[static_cast<std::size_t>(k)];
            if (l == k) continue;
            std::swap(values[k], values[l]);
            std::swap(sums[k], sums[l]);
        }
    }

    // Finishes u(l,c) for rows l = first..rows-1 of the panel's column c
    // (into values[l - first] too), each adding its terms to the sums of rows
    // l+1..sumsEnd-1 of column c: to the finished rows below it one row of U
    // after another, to the rows from `rows` on all together once those rows
    // of U are known.
    void finishColumnRows(int j0, int first, int rows, int c, int sumsEnd, double* values) {
        double* sums = &panelSum(j0, j0, c) - j0;  // sums[r]: the sum of row r
        for (int l = first; l < rows; ++l) {
            const float u = static_cast<float>(static_cast<double>(at(l, c)) - sums[l]);
            at(l, c) = u;
            values[l - first] = u;
            addWidenedProducts(sums + l + 1, column(l) + l + 1, u, rows - l - 1);
        }
        if (sumsEnd > rows) {
            addWidenedColumnProducts(sums + rows, column(first) + rows, n_, values, rows - first, sumsEnd - rows);
        }
    }

    // The candidate of each row r >= j is its difference rounded to single
    // precision; the first of largest magnitude above 0 wins (none: no
    // exchange). The chosen row is exchanged with row j in the panel's
    // columns up to j; the later ones take it at their own step.
    void choosePivot(int j0, int j) {
        const int found = firstOfLargestMagnitude(&differences_[static_cast<std::size_t>(j)], n_ - j);
        const int bestRow = found < 0 ? j : j + found;
        pivotRow_[static_cast<std::size_t>(j)] = bestRow;
        if (bestRow == j) return;
        ++exchanges_;
        for (int c = j0; c <= j; ++c) std::swap(at(j, c), at(bestRow, c));
        std::swap(differences_[j], differences_[bestRow]);
        std::swap(order_[j], order_[bestRow]);
    }

    int n_;
    float* a_;
    int* order_;
    float threshold_;
    int exchanges_ = 0;
    float failedDiagonal_ = 0.0f;
    std::vector<int> pivotRow_;  // the row exchanged with row j at step j
    std::vector<double> panelSums_;
    std::vector<double> packedU_;
    std::vector<double> packedL_;
    std::vector<double> finishedRowsOfU_;  // rows of U above a panel, kDoubleTileRows columns side by side
    std::vector<double> rowSums_;          // the sums of a block of those rows, row by row
    std::vector<double> differences_;
    std::vector<double> stepValues_;  // u(l,c) of the rows l a column (or a group's columns) took so far
};

// Forward and back substitution for groups of right-hand sides side by side,
// in double precision as the plain loops do: x(i) = x(i) - sum over j < i of
// l(i,j) * x(j) (terms added column after column, which is each sum's own
// order), then x(i) = (x(i) - sum over j > i of u(i,j) * x(j)) / u(i,i) with
// rows of U copied out in blocks so that each sum runs along contiguous memory.
// The forward substitution of several right-hand sides goes by blocks of rows:
// a block's rows are finished one after another, then every row below takes
// the block's terms from a register-tiled product, in column order.
class Solver {
public:
    Solver(int n, const float* a, const int* order) : n_(n), a_(a), order_(order) {}

    void solve(const float* b, float* x, int nb) {
        constexpr int group = kSolveVectors * kDoubleLanes;
        values_.resize(static_cast<std::size_t>(n_) * group);
        sums_.resize(static_cast<std::size_t>(n_) * group);  // sums_[k * n + i]: row i, right-hand side k
        for (int g0 = 0; g0 < nb; g0 += group) {
            const int width = std::min(group, nb - g0);
            std::fill(values_.begin(), values_.end(), 0.0);
            for (int k = 0; k < width; ++k) {
                const float* bk = b + static_cast<long>(g0 + k) * n_;
                for (int i = 0; i < n_; ++i) values_[static_cast<std::size_t>(i) * group + k] = bk[order_[i] - 1];
            }
            const int vectors = (width + kDoubleLanes - 1) / kDoubleLanes;
            if (width == 1) forwardOne();
            else forward(width);
            back(vectors);
            for (int k = 0; k < width; ++k) {
                float* xk = x + static_cast<long>(g0 + k) * n_;
                for (int i = 0; i < n_; ++i) xk[i] = static_cast<float>(values_[static_cast<std::size_t>(i) * group + k]);
            }
        }
    }

private:
    static constexpr int kSolveVectors = 4;
    static constexpr int kGroup = kSolveVectors * kDoubleLanes;

    const float* column(int c) const { return a_ + static_cast<long>(c) * n_; }
    double* row(std::vector<double>& v, int i) const { return &v[static_cast<std::size_t>(i) * kGroup]; }

    double& sum(int i, int k) { return sums_[static_cast<std::size_t>(k) * n_ + i]; }

    void forward(int width) {
        std::fill(sums_.begin(), sums_.end(), 0.0);
        for (int j0 = 0; j0 < n_; j0 += kForwardBlock) {
            const int j1 = std::min(n_, j0 + kForwardBlock);
            finishForwardRows(j0, j1, width);
            if (j1 < n_) addBlockTerms(j0, j1, width);
        }
    }

    // Rows j0..j1-1 one after another: x(j) takes its sum, then its terms go
    // to the block's rows below it.
    void finishForwardRows(int j0, int j1, int width) {
        for (int j = j0; j < j1; ++j) {
            double* xj = row(values_, j);
            if (j > 0) {
                for (int k = 0; k < width; ++k) xj[k] = static_cast<float>(xj[k] - sum(j, k));
            }
            for (int k = 0; k < width; ++k) addWidenedProducts(&sum(j + 1, k), column(j) + j + 1, xj[k], j1 - j - 1);
        }
    }

    // The terms of rows j0..j1-1 (finished) for every row i >= j1: sum(i,k) +=
    // l(i,j) * x(j,k) for j = j0..j1-1 in order, rows side by side in the
    // tiles and right-hand sides broadcast.
    void addBlockTerms(int j0, int j1, int width) {
        constexpr int tileRows = kTileRowsOf<double>;
        constexpr int tileColumns = Simd<double>::tileColumns;
        const int steps = j1 - j0;
        const int columnTiles = (width + tileColumns - 1) / tileColumns;
        blockValues_.assign(static_cast<std::size_t>(columnTiles) * steps * tileColumns, 0.0);
        for (int j = j0; j < j1; ++j) {
            const double* xj = row(values_, j);
            for (int k = 0; k < width; ++k) {
                blockValues_[(static_cast<std::size_t>(k / tileColumns) * steps + (j - j0)) * tileColumns + k % tileColumns] = xj[k];
            }
        }
        blockMultipliers_.resize(static_cast<std::size_t>(steps) * tileRows);
        for (int i0 = j1; i0 < n_; i0 += tileRows) {
            const int rows = std::min(tileRows, n_ - i0);
            for (int j = j0; j < j1; ++j) {
                double* out = &blockMultipliers_[static_cast<std::size_t>(j - j0) * tileRows];
                widen(column(j) + i0, out, rows);
                std::fill(out + rows, out + tileRows, 0.0);
            }
            for (int t = 0; t < columnTiles; ++t) {
                const int k0 = t * tileColumns;
                accumulateAnyTile(steps, blockMultipliers_.data(), &blockValues_[static_cast<std::size_t>(t) * steps * tileColumns],
                                  &sum(i0, k0), n_, rows, std::min(tileColumns, width - k0));
            }
        }
    }

    // forward() for one right-hand side, with the rows side by side.
    void forwardOne() {
        single_.resize(static_cast<std::size_t>(n_));
        singleSums_.assign(static_cast<std::size_t>(n_), 0.0);
        for (int i = 0; i < n_; ++i) single_[static_cast<std::size_t>(i)] = row(values_, i)[0];
        for (int j = 0; j < n_; ++j) {
            double& xj = single_[static_cast<std::size_t>(j)];
            if (j > 0) xj = static_cast<float>(xj - singleSums_[static_cast<std::size_t>(j)]);
            addWidenedProducts(&singleSums_[static_cast<std::size_t>(j + 1)], column(j) + j + 1, xj, n_ - j - 1);
        }
        for (int i = 0; i < n_; ++i) row(values_, i)[0] = single_[static_cast<std::size_t>(i)];
    }

    void back(int vectors) {
        double* last = row(values_, n_ - 1);
        const float lastPivot = column(n_ - 1)[n_ - 1];
        for (int v = 0; v < vectors * kDoubleLanes; ++v) last[v] = static_cast<float>(last[v]) / lastPivot;
        const std::size_t stride = static_cast<std::size_t>(n_ | 15) + 17;
        rowsOfU_.resize(static_cast<std::size_t>(kSolveRowBlock) * stride);
        for (int i1 = n_ - 2; i1 >= 0; i1 -= kSolveRowBlock) {
            const int i0 = std::max(0, i1 - kSolveRowBlock + 1);
            for (int l = i0 + 1; l < n_; ++l) {
                if (l + kPrefetchAhead < n_) prefetchColumnPart(column(l + kPrefetchAhead) + i0, i1 - i0 + 1);
                const float* cl = column(l);
                const int top = std::min(i1, l - 1);
                for (int i = i0; i <= top; ++i) rowsOfU_[static_cast<std::size_t>(i - i0) * stride + l] = cl[i];
            }
            for (int i = i1; i >= i0; --i) {
                const float* u = &rowsOfU_[static_cast<std::size_t>(i - i0) * stride];
                switch (vectors) {
                    case 1: backRow<1>(i, u); break;
                    case 2: backRow<2>(i, u); break;
                    case 3: backRow<3>(i, u); break;
                    default: backRow<4>(i, u); break;
                }
            }
        }
    }

    template <int V>
    void backRow(int i, const float* u) {
        VecD s[V];
        for (int v = 0; v < V; ++v) s[v] = VecD{};
        for (int j = i + 1; j < n_; ++j) {
            const double uj = u[j];
            const double* xj = row(values_, j);
#pragma GCC unroll 4
            for (int v = 0; v < V; ++v) s[v] = s[v] + uj * load(xj + v * kDoubleLanes);
        }
        double* xi = row(values_, i);
        const double diagonal = column(i)[i];
#pragma GCC unroll 4
        for (int v = 0; v < V; ++v) {
            store(xi + v * kDoubleLanes, roundToSingle((load(xi + v * kDoubleLanes) - s[v]) / diagonal));
        }
    }

    int n_;
    const float* a_;
    const int* order_;
    std::vector<double> values_;
    std::vector<double> sums_;
    std::vector<double> blockValues_;       // x(j, k) of a block's rows, by tiles of right-hand sides
    std::vector<double> blockMultipliers_;  // l(i, j) of a block's columns, widened, for one tile of rows
    std::vector<double> single_;
    std::vector<double> singleSums_;
    std::vector<float> rowsOfU_;
};

}  // namespace lu
}  // namespace

LuOutcome factorLu(int n, float* A, int* order, float threshold, int& exchanges) {
    lu::Factorizer factorizer(n, A, order, threshold);
    const int failed = factorizer.run(exchanges);
    if (failed < 0) return {};
    return {failed + 1, factorizer.failedDiagonal()};
}

void solveLu(int n, const float* A, const int* order, const float* B, float* X, int nb) {
    lu::Solver solver(n, A, order);
    solver.solve(B, X, nb);
}
