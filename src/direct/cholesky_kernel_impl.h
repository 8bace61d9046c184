// The square-root factorisation on the packed upper triangle and the two
// triangular solves with its factor, organised for speed with the plain
// loops' roundings; the body of one instruction-set variant, included by
// kernels_<isa>.cpp after simd_tiles.h.
//
// Row j of S: every s(j,i), i >= j, subtracts the sum over k < j of
// s(k,j) * s(k,i), accumulated in single precision from 0 in increasing k,
// from its stored value, then takes the square root (i = j) or divides by
// s(j,j). Rows are finished in blocks from the top: the terms of the rows
// above a block come from a register-tiled product that keeps each sum in
// order, those of the block's own rows row after row.
//
// Packed storage (0-based): s(i,j), i <= j, is element j(j+1)/2 + i.

namespace {
namespace cholesky {

constexpr int kRowBlock = 8 * kTileColumns;                       // rows of S finished together
constexpr int kStepChunk = 256;                                   // steps of a product packed at once
constexpr int kColumnChunk = kTileRowsOf<float> * (512 / kTileRowsOf<float>);  // columns packed at once
constexpr int kSolveRowBlock = 128;                               // rows of S copied out for the back substitution
constexpr int kSolveVectors = 4;                                  // right-hand sides solved together, in vectors
constexpr int kPrefetchAhead = 8;

inline std::size_t columnStart(int j) { return static_cast<std::size_t>(j) * (j + 1) / 2; }

class Factorizer {
public:
    Factorizer(int n, float* s) : n_(n), s_(s) {}

    // Returns the row (0-based) whose radicand is not positive, or -1.
    int run() {
        for (int j0 = 0; j0 < n_; j0 += kRowBlock) {
            const int j1 = std::min(n_, j0 + kRowBlock);
            sumsFromRowsAbove(j0, j1);
            const int failed = finishBlock(j0, j1);
            if (failed >= 0) return failed;
        }
        return -1;
    }

    float failedRadicand() const { return failedRadicand_; }

private:
    float& at(int i, int j) const { return s_[columnStart(j) + i]; }

    int width(int j0) const { return n_ - j0; }
    int stride(int j0) const { return (width(j0) + kTileRowsOf<float> - 1) / kTileRowsOf<float> * kTileRowsOf<float>; }

    // sums_[j - j0][i - j0] = sum over k < j0 of s(k,j) * s(k,i), for the
    // block's rows j and every column i >= j0.
    void sumsFromRowsAbove(int j0, int j1) {
        const int rows = j1 - j0;
        const int ld = stride(j0);
        sums_.assign(static_cast<std::size_t>(kRowBlock) * ld, 0.0f);
        const int rowTiles = (rows + kTileColumns - 1) / kTileColumns;
        for (int k0 = 0; k0 < j0; k0 += kStepChunk) {
            const int k1 = std::min(j0, k0 + kStepChunk);
            const int steps = k1 - k0;
            // The block's rows in the pivot role: s(k, j), kTileColumns per step.
            broadcasts_.assign(static_cast<std::size_t>(rowTiles) * steps * kTileColumns, 0.0f);
            for (int j = j0; j < j1; ++j) {
                const float* sj = &at(0, j);
                float* out = &broadcasts_[static_cast<std::size_t>((j - j0) / kTileColumns) * steps * kTileColumns +
                                          (j - j0) % kTileColumns];
                for (int k = k0; k < k1; ++k) out[static_cast<std::size_t>(k - k0) * kTileColumns] = sj[k];
            }
            for (int c0 = j0; c0 < n_; c0 += kColumnChunk) {
                const int c1 = std::min(n_, c0 + kColumnChunk);
                packColumns(k0, k1, c0, c1);
                const int columnTiles = (c1 - c0 + kTileRowsOf<float> - 1) / kTileRowsOf<float>;
                for (int rt = 0; rt < rowTiles; ++rt) {
                    for (int ct = 0; ct < columnTiles; ++ct) {
                        const int i = c0 + ct * kTileRowsOf<float>;
                        accumulateAnyTile(steps, &vectors_[static_cast<std::size_t>(ct) * steps * kTileRowsOf<float>],
                                          &broadcasts_[static_cast<std::size_t>(rt) * steps * kTileColumns],
                                          &sums_[static_cast<std::size_t>(rt * kTileColumns) * ld + (i - j0)], ld,
                                          std::min(kTileRowsOf<float>, n_ - i), std::min(kTileColumns, rows - rt * kTileColumns));
                    }
                }
            }
        }
    }

    // vectors_[tile][k][lane] = s(k, c0 + tile * kTileRowsOf<float> + lane) for k = k0..k1-1.
    void packColumns(int k0, int k1, int c0, int c1) {
        const int steps = k1 - k0;
        const int tiles = (c1 - c0 + kTileRowsOf<float> - 1) / kTileRowsOf<float>;
        vectors_.resize(static_cast<std::size_t>(tiles) * steps * kTileRowsOf<float>);
        for (int t = 0; t < tiles; ++t) {
            float* tile = &vectors_[static_cast<std::size_t>(t) * steps * kTileRowsOf<float>];
            for (int lane = 0; lane < kTileRowsOf<float>; ++lane) {
                const int i = c0 + t * kTileRowsOf<float> + lane;
                float* out = tile + lane;
                if (i >= c1) {
                    for (int k = 0; k < steps; ++k) out[static_cast<std::size_t>(k) * kTileRowsOf<float>] = 0.0f;
                    continue;
                }
                if (lane + kPrefetchAhead < kTileRowsOf<float> && i + kPrefetchAhead < c1) {
                    __builtin_prefetch(&at(k0, i + kPrefetchAhead));
                }
                const float* si = &at(0, i);
                for (int k = k0; k < k1; ++k) out[static_cast<std::size_t>(k - k0) * kTileRowsOf<float>] = si[k];
            }
        }
    }

    // Rows j0..j1-1, one after another. Returns the failing row or -1.
    int finishBlock(int j0, int j1) {
        const int ld = stride(j0);
        finished_.resize(static_cast<std::size_t>(kRowBlock) * ld);
        for (int j = j0; j < j1; ++j) {
            float* sum = &sums_[static_cast<std::size_t>(j - j0) * ld] - j0;  // sum[i] for column i
            for (int k = j0; k < j; ++k) {
                const float factor = at(k, j);
                const float* row = &finished_[static_cast<std::size_t>(k - j0) * ld] - j0;
                addProducts(sum + j, row + j, factor, n_ - j);
            }
            const float radicand = at(j, j) - sum[j];
            if (radicand <= 0.0f) {  // a radicand that is not a number goes on
                failedRadicand_ = radicand;
                return j;
            }
            const float diagonal = std::sqrt(radicand);
            float* row = &finished_[static_cast<std::size_t>(j - j0) * ld] - j0;
            at(j, j) = diagonal;
            row[j] = diagonal;
            for (int i = j + 1; i < n_; ++i) {
                const float value = (at(j, i) - sum[i]) / diagonal;
                at(j, i) = value;
                row[i] = value;
            }
        }
        return -1;
    }

    // s(i) = s(i) + m(i) * u, vectorised; each element rounded as written.
    static void addProducts(float* s, const float* m, float u, int count) {
        int i = 0;
        for (; i + kLanes <= count; i += kLanes) store(s + i, load(s + i) + load(m + i) * u);
        for (; i < count; ++i) s[i] = s[i] + m[i] * u;
    }

    int n_;
    float* s_;
    float failedRadicand_ = 0.0f;
    std::vector<float> sums_;
    std::vector<float> finished_;
    std::vector<float> broadcasts_;
    std::vector<float> vectors_;
};

// S^T y = b and S x = y for groups of right-hand sides side by side:
// y(j) = (y(j) - sum over i < j of s(i,j) * y(i)) / s(j,j), and
// x(i) = (x(i) - sum over j > i of s(i,j) * x(j)) / s(i,i), each sum in
// single precision from 0 in increasing index; rows of S are copied out in
// blocks for the second so that its sums run along contiguous memory.
class Solver {
public:
    Solver(int n, const float* s) : n_(n), s_(s) {}

    void solve(float* b, int nb, bool forward, bool back) {
        values_.resize(static_cast<std::size_t>(n_) * kGroup);
        for (int g0 = 0; g0 < nb; g0 += kGroup) {
            const int width = std::min(kGroup, nb - g0);
            std::fill(values_.begin(), values_.end(), 0.0f);
            for (int k = 0; k < width; ++k) {
                const float* bk = b + static_cast<long>(g0 + k) * n_;
                for (int i = 0; i < n_; ++i) values_[static_cast<std::size_t>(i) * kGroup + k] = bk[i];
            }
            const int vectors = (width + kLanes - 1) / kLanes;
            if (forward) forwardRows(vectors);
            if (back) backRows(vectors);
            for (int k = 0; k < width; ++k) {
                float* bk = b + static_cast<long>(g0 + k) * n_;
                for (int i = 0; i < n_; ++i) bk[i] = values_[static_cast<std::size_t>(i) * kGroup + k];
            }
        }
    }

private:
    static constexpr int kGroup = kSolveVectors * kLanes;

    float at(int i, int j) const { return s_[columnStart(j) + i]; }
    float* row(int i) { return &values_[static_cast<std::size_t>(i) * kGroup]; }

    void forwardRows(int vectors) {
        switch (vectors) {
            case 1: forwardRows<1>(); break;
            case 2: forwardRows<2>(); break;
            case 3: forwardRows<3>(); break;
            default: forwardRows<4>(); break;
        }
    }

    template <int V>
    void forwardRows() {
        for (int j = 0; j < n_; ++j) {
            const float* sj = &s_[columnStart(j)];
            Vec sum[V];
            for (int v = 0; v < V; ++v) sum[v] = Vec{};
            for (int i = 0; i < j; ++i) {
                const float factor = sj[i];
                const float* yi = row(i);
#pragma GCC unroll 4
                for (int v = 0; v < V; ++v) sum[v] = sum[v] + factor * load(yi + v * kLanes);
            }
            float* yj = row(j);
            const float diagonal = sj[j];
#pragma GCC unroll 4
            for (int v = 0; v < V; ++v) store(yj + v * kLanes, (load(yj + v * kLanes) - sum[v]) / diagonal);
        }
    }

    void backRows(int vectors) {
        float* last = row(n_ - 1);
        const float lastDiagonal = at(n_ - 1, n_ - 1);
        for (int v = 0; v < vectors; ++v) store(last + v * kLanes, load(last + v * kLanes) / lastDiagonal);
        const std::size_t stride = static_cast<std::size_t>(n_ | 15) + 17;  // rows not 4 KiB apart
        rowsOfS_.resize(static_cast<std::size_t>(kSolveRowBlock) * stride);
        for (int i1 = n_ - 2; i1 >= 0; i1 -= kSolveRowBlock) {
            const int i0 = std::max(0, i1 - kSolveRowBlock + 1);
            for (int j = i0 + 1; j < n_; ++j) {
                const float* sj = &s_[columnStart(j)];
                const int top = std::min(i1, j - 1);
                for (int i = i0; i <= top; ++i) rowsOfS_[static_cast<std::size_t>(i - i0) * stride + j] = sj[i];
            }
            for (int i = i1; i >= i0; --i) {
                const float* s = &rowsOfS_[static_cast<std::size_t>(i - i0) * stride];
                switch (vectors) {
                    case 1: backRow<1>(i, s); break;
                    case 2: backRow<2>(i, s); break;
                    case 3: backRow<3>(i, s); break;
                    default: backRow<4>(i, s); break;
                }
            }
        }
    }

    template <int V>
    void backRow(int i, const float* s) {
        Vec sum[V];
        for (int v = 0; v < V; ++v) sum[v] = Vec{};
        for (int j = i + 1; j < n_; ++j) {
            const float factor = s[j];
            const float* xj = row(j);
#pragma GCC unroll 4
            for (int v = 0; v < V; ++v) sum[v] = sum[v] + factor * load(xj + v * kLanes);
        }
        float* xi = row(i);
        const float diagonal = at(i, i);
#pragma GCC unroll 4
        for (int v = 0; v < V; ++v) store(xi + v * kLanes, (load(xi + v * kLanes) - sum[v]) / diagonal);
    }

    int n_;
    const float* s_;
    std::vector<float> values_;
    std::vector<float> rowsOfS_;
};

}  // namespace cholesky
}  // namespace

CholeskyOutcome factorPackedCholesky(int n, float* packed) {
    cholesky::Factorizer factorizer(n, packed);
    const int failed = factorizer.run();
    if (failed < 0) return {};
    return {failed + 1, factorizer.failedRadicand()};
}

void solvePackedCholesky(int n, const float* packed, float* B, int nb, bool forward, bool back) {
    cholesky::Solver solver(n, packed);
    solver.solve(B, nb, forward, back);
}
