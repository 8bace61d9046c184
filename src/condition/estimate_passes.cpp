#include "condition/estimate_passes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "kernels/kernel_threads.h"

namespace corvane {
namespace {

// The unknowns of a solve are taken in blocks of this many. A multiple of 4,
// so that the partial sums over the unknowns before a block end on a whole
// group of them (see PartialSums).
constexpr int kBlock = 64;
// Rows and columns are handed to the threads in ranges of whole multiples of
// this (a cache line of floats).
constexpr int kRangeAlign = 16;
// Below this many products, a block's shared part stays on the calling
// thread: handing it out would cost more than it saves.
constexpr std::size_t kMinSharedWork = 16384;
// The packed column sums hand out ranges of this many rows, the first (the
// longest rows) first.
constexpr int kPackedRows = 64;

// The inner loops come in one version per instruction set, chosen when the
// program starts; each gives the same bits (the same sums in the same order).
#if defined(__x86_64__)
#define CORVANE_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define CORVANE_VECTOR_CLONES
#endif

// Four doubles in one vector register (two in the baseline version): the
// loops below are written with them, as the compiler neither keeps a group of
// rows in registers by itself nor interleaves the sums of several columns.
using Double4 = double __attribute__((vector_size(32)));

// x = p[0..3] and back, p aligned as its elements only: copied, so that no
// compiler assumes the vector's alignment. (Vectors pass by reference: their
// passing by value differs between the instruction sets of the clones.)
void loadDoubles(Double4& x, const double* p) { std::memcpy(&x, p, sizeof x); }
void storeDoubles(double* p, const Double4& x) { std::memcpy(p, &x, sizeof x); }

// x −= c[0..3] · t, with c widened to double exactly.
void subtractScaled(Double4& x, const float* c, double t) { x -= Double4{c[0], c[1], c[2], c[3]} * t; }

// lanes += c[0..3] · x, lane by lane.
void addProducts(Double4& lanes, const float* c, const Double4& x) { lanes += Double4{c[0], c[1], c[2], c[3]} * x; }

// lanes += |c[0..3]|, lane by lane.
void addMagnitudes(Double4& lanes, const float* c) {
    lanes += Double4{std::fabs(c[0]), std::fabs(c[1]), std::fabs(c[2]), std::fabs(c[3])};
}

// The four interleaved partial sums of c · v, one in each lane, so that the
// sum runs in a vector register (an estimate needs no particular order of
// sums, but always the same one).
struct PartialSums {
    Double4 lanes{0.0, 0.0, 0.0, 0.0};
    double total() const { return (lanes[0] + lanes[1]) + (lanes[2] + lanes[3]); }
};

// Adds c_k[from..to) · v[from..to) to sums[k] for the K columns c_k, their
// sums interleaved: product i into lane (i − from) mod 4, but the last
// (to − from) mod 4 into lane 0. Adding [from, m) and then [m, to), with
// m − from a multiple of 4, gives the bits of [from, to) at once.
template <int K>
[[gnu::always_inline]] inline void accumulateColumns(const float* const* c, const double* v, int from, int to,
                                                     PartialSums* sums) {
    Double4 lanes[K];
    for (int k = 0; k < K; ++k) lanes[k] = sums[k].lanes;
    int i = from;
    for (; i + 3 < to; i += 4) {
        Double4 x;
        loadDoubles(x, v + i);
        for (int k = 0; k < K; ++k) addProducts(lanes[k], c[k] + i, x);
    }
    for (int k = 0; k < K; ++k) {
        for (int last = i; last < to; ++last) lanes[k][0] += c[k][last] * v[last];
        sums[k].lanes = lanes[k];
    }
}

CORVANE_VECTOR_CLONES void accumulate(const float* c, const double* v, int from, int to, PartialSums& sums) {
    accumulateColumns<1>(&c, v, from, to, &sums);
}

CORVANE_VECTOR_CLONES void accumulateFour(const float* const* c, const double* v, int from, int to,
                                          PartialSums* sums) {
    accumulateColumns<4>(c, v, from, to, sums);
}

// sums[k] = |c_k[0]| + ... + |c_k[count − 1]| for the K columns c_k, each in
// four interleaved partial sums (the last count mod 4 into the first).
template <int K>
[[gnu::always_inline]] inline void absoluteSumsOf(const float* const* c, int count, double* sums) {
    Double4 lanes[K];
    for (int k = 0; k < K; ++k) lanes[k] = Double4{0.0, 0.0, 0.0, 0.0};
    int i = 0;
    for (; i + 3 < count; i += 4) {
        for (int k = 0; k < K; ++k) addMagnitudes(lanes[k], c[k] + i);
    }
    for (int k = 0; k < K; ++k) {
        for (int last = i; last < count; ++last) lanes[k][0] += std::fabs(c[k][last]);
        sums[k] = (lanes[k][0] + lanes[k][1]) + (lanes[k][2] + lanes[k][3]);
    }
}

CORVANE_VECTOR_CLONES void absoluteSum(const float* c, int count, double& sum) { absoluteSumsOf<1>(&c, count, &sum); }

CORVANE_VECTOR_CLONES void absoluteSumsOfFour(const float* const* c, int count, double* sums) {
    absoluteSumsOf<4>(c, count, sums);
}

// The partial sums of c · v and c · w, reading c once for both, two of each.
struct PairedSums {
    double v0 = 0.0, v1 = 0.0, w0 = 0.0, w1 = 0.0;
    double totalV() const { return v0 + v1; }
    double totalW() const { return w0 + w1; }
};

// As accumulate, in groups of 2 (the last (to − from) mod 2 into v0, w0).
CORVANE_VECTOR_CLONES void accumulatePaired(const float* c, const double* v, const double* w, int from, int to,
                                            PairedSums& sums) {
    double v0 = sums.v0, v1 = sums.v1, w0 = sums.w0, w1 = sums.w1;
    int i = from;
    for (; i + 1 < to; i += 2) {
        v0 += c[i] * v[i];
        v1 += c[i + 1] * v[i + 1];
        w0 += c[i] * w[i];
        w1 += c[i + 1] * w[i + 1];
    }
    for (; i < to; ++i) {
        v0 += c[i] * v[i];
        w0 += c[i] * w[i];
    }
    sums = {v0, v1, w0, w1};
}

// The steps a block of solved unknowns makes on the rows outside it, in the
// order every row takes them: row i loses columns[k][i] · tv[k] (and, from w,
// columns[k][i] · tw[k]) for k = 0, 1, ..., count − 1.
struct BlockSteps {
    int count = 0;
    std::array<const float*, kBlock> columns{};
    std::array<double, kBlock> tv{}, tw{};
};

// Rows taken together through a block's steps, kept in registers meanwhile:
// kGroups groups of 4.
constexpr int kGroups = 4;
constexpr int kStepRows = 4 * kGroups;
// A group of rows visits every column of the block for one cache line or
// two, too briefly for the processor to see the streams: each visit asks for
// the column's rows this far ahead.
constexpr int kPrefetchRows = 4 * kStepRows;

// v[from..to) through the steps, kStepRows rows at a time.
CORVANE_VECTOR_CLONES void takeSteps(const BlockSteps& steps, double* v, int from, int to) {
    int i = from;
    for (; i + kStepRows <= to; i += kStepRows) {
        Double4 x[kGroups];
        for (int g = 0; g < kGroups; ++g) loadDoubles(x[g], v + i + 4 * g);
        for (int k = 0; k < steps.count; ++k) {
            const float* c = steps.columns[static_cast<std::size_t>(k)] + i;
            const double t = steps.tv[static_cast<std::size_t>(k)];
            if (i + kPrefetchRows < to) __builtin_prefetch(c + kPrefetchRows);
            for (int g = 0; g < kGroups; ++g) subtractScaled(x[g], c + 4 * g, t);
        }
        for (int g = 0; g < kGroups; ++g) storeDoubles(v + i + 4 * g, x[g]);
    }
    for (; i < to; ++i) {
        for (int k = 0; k < steps.count; ++k) {
            const auto at = static_cast<std::size_t>(k);
            v[i] -= steps.columns[at][i] * steps.tv[at];
        }
    }
}

// v[from..to) and w[from..to) through the steps, reading the columns once
// for both.
CORVANE_VECTOR_CLONES void takeStepsPaired(const BlockSteps& steps, double* v, double* w, int from, int to) {
    int i = from;
    for (; i + kStepRows <= to; i += kStepRows) {
        Double4 x[kGroups], y[kGroups];
        for (int g = 0; g < kGroups; ++g) {
            loadDoubles(x[g], v + i + 4 * g);
            loadDoubles(y[g], w + i + 4 * g);
        }
        for (int k = 0; k < steps.count; ++k) {
            const float* c = steps.columns[static_cast<std::size_t>(k)] + i;
            const double t = steps.tv[static_cast<std::size_t>(k)];
            const double u = steps.tw[static_cast<std::size_t>(k)];
            if (i + kPrefetchRows < to) __builtin_prefetch(c + kPrefetchRows);
            for (int g = 0; g < kGroups; ++g) {
                subtractScaled(x[g], c + 4 * g, t);
                subtractScaled(y[g], c + 4 * g, u);
            }
        }
        for (int g = 0; g < kGroups; ++g) {
            storeDoubles(v + i + 4 * g, x[g]);
            storeDoubles(w + i + 4 * g, y[g]);
        }
    }
    for (; i < to; ++i) {
        for (int k = 0; k < steps.count; ++k) {
            const auto at = static_cast<std::size_t>(k);
            v[i] -= steps.columns[at][i] * steps.tv[at];
            w[i] -= steps.columns[at][i] * steps.tw[at];
        }
    }
}

// v[from..to) -= c[from..to) · t.
CORVANE_VECTOR_CLONES void subtractMultiple(double* v, const float* c, double t, int from, int to) {
    for (int i = from; i < to; ++i) v[i] -= c[i] * t;
}

// v[from..to) -= c[from..to) · t and w[from..to) -= c[from..to) · u, reading
// c once for both.
CORVANE_VECTOR_CLONES void subtractMultiples(double* v, double t, double* w, double u, const float* c, int from,
                                             int to) {
    for (int i = from; i < to; ++i) {
        v[i] -= c[i] * t;
        w[i] -= c[i] * u;
    }
}

// The columns of a factor, each from its row 0 on: those of a column-major
// array, or those of a packed upper triangle (column j holds rows 0..j).
class Columns {
public:
    explicit Columns(const RealMatrix& M) : data_(M.data()), rows_(static_cast<std::size_t>(M.rows())) {}
    explicit Columns(const RealVector& packed) : data_(packed.data()), rows_(0) {}

    const float* operator()(int j) const {
        const auto at = static_cast<std::size_t>(j);
        return data_ + (rows_ != 0 ? at * rows_ : at * (at + 1) / 2);
    }

private:
    const float* data_;
    std::size_t rows_;  // 0 for a packed triangle
};

// Runs part(from', to') over ranges that cover [from, to), shared over the
// kernel threads when the `work` (products) is worth it.
template <typename Part>
void shareRange(int from, int to, std::size_t work, const Part& part) {
    if (from >= to) return;
    const int threads = kernelThreads();
    if (threads == 1 || work < kMinSharedWork) {
        part(from, to);
        return;
    }
    const AlignedSplit split(to - from, kRangeAlign, threads);
    parallelFor(split.parts, threads, [&](int i, int) { part(from + split.begin(i), from + split.end(i)); });
}

// v[from..to) -= c[from..to) · v[j] (and the same for w): column j's step of
// a substitution.
void eliminateColumn(const float* c, int j, double* v, double* w, int from, int to) {
    if (w) {
        subtractMultiples(v, v[j], w, w[j], c, from, to);
    } else {
        subtractMultiple(v, c, v[j], from, to);
    }
}

void addStep(BlockSteps& steps, const float* column, double tv, double tw) {
    const auto at = static_cast<std::size_t>(steps.count++);
    steps.columns[at] = column;
    steps.tv[at] = tv;
    steps.tw[at] = tw;
}

void takeBlockSteps(const BlockSteps& steps, double* v, double* w, int from, int to) {
    if (w) {
        takeStepsPaired(steps, v, w, from, to);
    } else {
        takeSteps(steps, v, from, to);
    }
}

// L·y = v (and w) with the unit lower L below the diagonal, from the first
// nonzero on. Every row takes the steps of the columns before it in order; a
// block's steps on the rows below it are shared by rows.
void forwardUnitLower(const Columns& L, int n, double* v, double* w, int first) {
    for (int begin = first; begin < n; begin += kBlock) {
        const int end = std::min(begin + kBlock, n);
        BlockSteps steps;
        for (int j = begin; j < end; ++j) {
            eliminateColumn(L(j), j, v, w, j + 1, end);
            addStep(steps, L(j), v[j], w ? w[j] : 0.0);
        }
        const auto work = static_cast<std::size_t>(n - end) * static_cast<std::size_t>(end - begin);
        shareRange(end, n, work, [&](int from, int to) { takeBlockSteps(steps, v, w, from, to); });
    }
}

// U·y = v (and w) with the upper U, from the last column back. Every row
// takes the steps of the columns after it, last first; a block's steps on the
// rows above it are shared by rows.
void backUpper(const Columns& U, int n, double* v, double* w) {
    for (int end = n; end > 0; end -= kBlock) {
        const int begin = std::max(end - kBlock, 0);
        BlockSteps steps;
        for (int j = end - 1; j >= begin; --j) {
            const float* c = U(j);
            v[j] /= c[j];
            if (w) w[j] /= c[j];
            eliminateColumn(c, j, v, w, begin, j);
            addStep(steps, c, v[j], w ? w[j] : 0.0);
        }
        const auto work = static_cast<std::size_t>(begin) * static_cast<std::size_t>(end - begin);
        shareRange(0, begin, work, [&](int from, int to) { takeBlockSteps(steps, v, w, from, to); });
    }
}

// Uᵀ·y = v (and w) with the upper U, forward from the first nonzero:
// y(j) = (v(j) − column j · y over rows first..j−1) / u(j,j). For a block,
// the sums over the unknowns before it are independent of one another and are
// shared by columns; each then goes on over the block's own unknowns.
void forwardTransposedUpper(const Columns& U, int n, double* v, double* w, int first) {
    std::array<PartialSums, kBlock> sums;
    std::array<PairedSums, kBlock> paired;
    for (int begin = first; begin < n; begin += kBlock) {
        const int end = std::min(begin + kBlock, n);
        const auto work = static_cast<std::size_t>(begin - first) * static_cast<std::size_t>(end - begin);
        shareRange(begin, end, work, [&](int from, int to) {
            int j = from;
            if (w) {
                for (; j < to; ++j) {
                    PairedSums& pair = paired[static_cast<std::size_t>(j - begin)];
                    pair = {};
                    accumulatePaired(U(j), v, w, first, begin, pair);
                }
            }
            for (; j + 3 < to; j += 4) {
                const float* four[] = {U(j), U(j + 1), U(j + 2), U(j + 3)};
                PartialSums* into = &sums[static_cast<std::size_t>(j - begin)];
                std::fill(into, into + 4, PartialSums{});
                accumulateFour(four, v, first, begin, into);
            }
            for (; j < to; ++j) {
                PartialSums& into = sums[static_cast<std::size_t>(j - begin)];
                into = {};
                accumulate(U(j), v, first, begin, into);
            }
        });
        for (int j = begin; j < end; ++j) {
            const float* c = U(j);
            const auto at = static_cast<std::size_t>(j - begin);
            if (w) {
                accumulatePaired(c, v, w, begin, j, paired[at]);
                v[j] = (v[j] - paired[at].totalV()) / c[j];
                w[j] = (w[j] - paired[at].totalW()) / c[j];
            } else {
                accumulate(c, v, begin, j, sums[at]);
                v[j] = (v[j] - sums[at].total()) / c[j];
            }
        }
    }
}

// Lᵀ·y = v with the unit lower L, from the last row back: y(j) = v(j) −
// column j · y over rows j+1..n−1, on one thread.
void backTransposedUnitLower(const Columns& L, int n, double* v) {
    for (int j = n - 1; j >= 0; --j) {
        PartialSums below;
        accumulate(L(j), v, j + 1, n, below);
        v[j] -= below.total();
    }
}

// The first index where v or w is not zero (n when both are zero): a solve
// with a lower triangle leaves the zeros before it as they are, so it
// starts there (the estimator's unit vectors skip most of that half).
int firstNonzero(const std::vector<double>& v, const std::vector<double>* w) {
    const int n = static_cast<int>(v.size());
    for (int i = 0; i < n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (v[at] != 0.0 || (w && (*w)[at] != 0.0)) return i;
    }
    return n;
}

// The packed column sums of rows [from, to): sums[k] is column k's part of
// the upper triangle (rows 0..k in order) and then row k's (columns k+1.. in
// order), as one pass down the columns adds them.
void packedSumsOfRows(const Columns& A, int n, int from, int to, double* sums) {
    for (int j = from; j < n; ++j) {
        const float* c = A(j);
        const int rowsAbove = std::min(j, to);
        for (int i = from; i < rowsAbove; ++i) sums[i] += std::fabs(c[i]);
        if (j < to) {
            double column = 0.0;
            for (int i = 0; i <= j; ++i) column += std::fabs(c[i]);
            sums[j] = column;
        }
    }
}

}  // namespace

double largestColumnSum(const RealMatrix& A, int n) {
    std::vector<double> sums(static_cast<std::size_t>(std::max(n, 0)));
    const Columns columns(A);
    shareRange(0, n, static_cast<std::size_t>(n) * static_cast<std::size_t>(n), [&](int from, int to) {
        int j = from;
        for (; j + 3 < to; j += 4) {
            const float* four[] = {columns(j), columns(j + 1), columns(j + 2), columns(j + 3)};
            absoluteSumsOfFour(four, n, &sums[static_cast<std::size_t>(j)]);
        }
        for (; j < to; ++j) absoluteSum(columns(j), n, sums[static_cast<std::size_t>(j)]);
    });
    double largest = 0.0;
    for (double sum : sums) largest = std::max(largest, sum);
    return largest;
}

double largestColumnSumOfPacked(const RealVector& A, int n) {
    if (n < 1) return 0.0;
    std::vector<double> sums(static_cast<std::size_t>(n), 0.0);
    const Columns columns(A);
    const int ranges = (n + kPackedRows - 1) / kPackedRows;
    const std::size_t work = static_cast<std::size_t>(n) * static_cast<std::size_t>(n) / 2;
    const int threads = work < kMinSharedWork ? 1 : kernelThreads();
    parallelFor(ranges, threads, [&](int range, int) {
        const int from = range * kPackedRows;
        packedSumsOfRows(columns, n, from, std::min(from + kPackedRows, n), sums.data());
    });
    return *std::max_element(sums.begin(), sums.end());
}

void solveWithLu(const RealMatrix& factors, std::vector<double>& v, std::vector<double>* w) {
    const int n = static_cast<int>(v.size());
    const Columns columns(factors);
    double* second = w ? w->data() : nullptr;
    forwardUnitLower(columns, n, v.data(), second, firstNonzero(v, w));
    backUpper(columns, n, v.data(), second);
}

void solveWithLuTransposed(const RealMatrix& factors, std::vector<double>& v, const std::function<void()>& beside) {
    const int n = static_cast<int>(v.size());
    const Columns columns(factors);
    forwardTransposedUpper(columns, n, v.data(), nullptr, 0);
    if (!beside) {
        backTransposedUnitLower(columns, n, v.data());
        return;
    }
    parallelFor(2, std::min(kernelThreads(), 2), [&](int task, int) {
        if (task == 0) {
            backTransposedUnitLower(columns, n, v.data());
        } else {
            beside();
        }
    });
}

void solveWithCholesky(const RealVector& S, std::vector<double>& v, std::vector<double>* w) {
    const int n = static_cast<int>(v.size());
    const Columns columns(S);
    double* second = w ? w->data() : nullptr;
    forwardTransposedUpper(columns, n, v.data(), second, firstNonzero(v, w));
    backUpper(columns, n, v.data(), second);
}

}  // namespace corvane
