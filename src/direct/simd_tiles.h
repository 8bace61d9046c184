// Vector types and register-tiled loops shared by the kernels of one
// instruction-set variant. Included by kernels_<isa>.cpp inside a namespace of
// its own, after these are defined:
//   kLanes         floats per vector register
//   kTileVectors   vectors per column of a register tile of floats
//   kTileColumns   columns of a register tile of floats
//   kDoubleTileVectors, kDoubleTileColumns   the same for a tile of doubles
// The standard headers come from kernel_variants.h, read before any
// instruction-set region.

namespace {

using Vec = float __attribute__((vector_size(kLanes * sizeof(float))));
using Lanes = std::int32_t __attribute__((vector_size(kLanes * sizeof(float))));
using VecD = double __attribute__((vector_size(kLanes * sizeof(float))));
using VecDHalf = float __attribute__((vector_size(kLanes / 2 * sizeof(float))));  // one float per lane of VecD

constexpr int kDoubleLanes = kLanes / 2;
constexpr int kTileRows = kLanes * kTileVectors;              // rows of a float tile
constexpr int kDoubleTileRows = kDoubleLanes * kDoubleTileVectors;  // rows of a double tile

inline Vec load(const float* p) {
    Vec v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void store(float* p, Vec v) { std::memcpy(p, &v, sizeof v); }
inline VecD load(const double* p) {
    VecD v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void store(double* p, VecD v) { std::memcpy(p, &v, sizeof v); }
inline Lanes loadLanes(const std::int32_t* p) {
    Lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Lane i of the result is lane pick[i] of v. Clang (used for the fuzz
// targets) has no shuffle by a run-time mask, so there the lanes are copied.
inline Vec shuffleLanes(Vec v, Lanes pick) {
#if defined(__clang__)
    Vec result;
    for (int i = 0; i < kLanes; ++i) result[i] = v[pick[i]];
    return result;
#else
    return __builtin_shuffle(v, pick);
#endif
}

// kDoubleLanes floats from p widened into doubles. GCC splits the generic
// conversion of 8 floats into two halves and joins them, so the AVX-512
// variant (which defines CORVANE_AVX512_CONVERSIONS) converts with one
// instruction.
inline VecD widenVector(const float* p) {
#if defined(CORVANE_AVX512_CONVERSIONS)
    return _mm512_maskz_cvtps_pd(0xff, _mm256_loadu_ps(p));
#else
    VecDHalf half;
    std::memcpy(&half, p, sizeof half);
    return __builtin_convertvector(half, VecD);
#endif
}

// count floats widened into doubles.
inline void widen(const float* from, double* to, int count) {
    int i = 0;
    for (; i + kDoubleLanes <= count; i += kDoubleLanes) store(to + i, widenVector(from + i));
    for (; i < count; ++i) to[i] = from[i];
}

// Each lane rounded to single precision (and widened back); with AVX-512 in
// one instruction each way, as in widenVector.
inline VecD roundToSingle(VecD v) {
#if defined(CORVANE_AVX512_CONVERSIONS)
    return _mm512_maskz_cvtps_pd(0xff, _mm512_maskz_cvtpd_ps(0xff, v));
#else
    return __builtin_convertvector(__builtin_convertvector(v, VecDHalf), VecD);
#endif
}

// s(i) = s(i) + m(i) * u for i < count, each element rounded as written.
inline void addProducts(double* s, const double* m, double u, int count) {
    int i = 0;
    for (; i + kDoubleLanes <= count; i += kDoubleLanes) store(s + i, load(s + i) + load(m + i) * u);
    for (; i < count; ++i) s[i] = s[i] + m[i] * u;
}

// s(i) = s(i) + m(i) * u for i < count with single-precision m, widened.
inline void addWidenedProducts(double* s, const float* m, double u, int count) {
    int i = 0;
    for (; i + kDoubleLanes <= count; i += kDoubleLanes) store(s + i, load(s + i) + widenVector(m + i) * u);
    for (; i < count; ++i) s[i] = s[i] + static_cast<double>(m[i]) * u;
}

// s(i) = s(i) + m(i, l) * u(l) for l = 0..steps-1 in order and i < count,
// with single-precision m (column l at m + l * ld), widened: a block of rows
// keeps its sums in registers over all the steps.
template <int Vectors>
inline int addWidenedColumnProductBlocks(double* s, const float* m, long ld, const double* u, int steps, int count) {
    constexpr int rows = Vectors * kDoubleLanes;
    int i = 0;
    for (; i + rows <= count; i += rows) {
        VecD acc[Vectors];
        for (int v = 0; v < Vectors; ++v) acc[v] = load(s + i + v * kDoubleLanes);
        for (int l = 0; l < steps; ++l) {
            const float* ml = m + l * ld + i;
            const double ul = u[l];
#pragma GCC unroll 8
            for (int v = 0; v < Vectors; ++v) acc[v] = acc[v] + widenVector(ml + v * kDoubleLanes) * ul;
        }
        for (int v = 0; v < Vectors; ++v) store(s + i + v * kDoubleLanes, acc[v]);
    }
    return i;
}

inline void addWidenedColumnProducts(double* s, const float* m, long ld, const double* u, int steps, int count) {
    int i = addWidenedColumnProductBlocks<8>(s, m, ld, u, steps, count);
    i += addWidenedColumnProductBlocks<1>(s + i, m + i, ld, u, steps, count - i);
    for (; i < count; ++i) {
        double sum = s[i];
        for (int l = 0; l < steps; ++l) sum = sum + static_cast<double>(m[l * ld + i]) * u[l];
        s[i] = sum;
    }
}

// addWidenedColumnProducts for Columns sums side by side (sum c at
// s + c * lds, its u(l) at u[c * ldu + l]): each widened m is read once for
// all the columns.
template <int Columns>
inline void addWidenedColumnProductsToColumns(double* s, long lds, const float* m, long ld, const double* u, long ldu,
                                              int steps, int count) {
    int i = 0;
    for (; i + kDoubleLanes <= count; i += kDoubleLanes) {
        VecD acc[Columns];
        for (int c = 0; c < Columns; ++c) acc[c] = load(s + c * lds + i);
        for (int l = 0; l < steps; ++l) {
            const VecD widened = widenVector(m + l * ld + i);
#pragma GCC unroll 16
            for (int c = 0; c < Columns; ++c) acc[c] = acc[c] + widened * u[c * ldu + l];
        }
        for (int c = 0; c < Columns; ++c) store(s + c * lds + i, acc[c]);
    }
    for (int c = 0; c < Columns; ++c) addWidenedColumnProducts(s + c * lds + i, m + i, ld, u + c * ldu, steps, count - i);
}

// Applies row exchanges to `count` columns at c (leading dimension ld): rows
// k and rows[k] for k = first..last, in order. Four columns go side by side so
// that their cache misses overlap.
inline void exchangeRowsInColumns(float* c, long ld, int count, const int* rows, int first, int last) {
    int j = 0;
    for (; j + 4 <= count; j += 4) {
        float* c0 = c + j * ld;
        float* c1 = c0 + ld;
        float* c2 = c1 + ld;
        float* c3 = c2 + ld;
        for (int k = first; k <= last; ++k) {
            const int l = rows[k];
            if (l == k) continue;
            std::swap(c0[k], c0[l]);
            std::swap(c1[k], c1[l]);
            std::swap(c2[k], c2[l]);
            std::swap(c3[k], c3[l]);
        }
    }
    for (; j < count; ++j) {
        float* cj = c + j * ld;
        for (int k = first; k <= last; ++k) {
            if (rows[k] != k) std::swap(cj[k], cj[rows[k]]);
        }
    }
}

inline void prefetchColumnPart(const float* p, int count) {
    for (int i = 0; i < count; i += 64 / static_cast<int>(sizeof(float))) __builtin_prefetch(p + i);
}

template <typename T>
struct Simd;
template <>
struct Simd<float> {
    using V = Vec;
    static constexpr int lanes = kLanes;
    static constexpr int tileVectors = kTileVectors;
    static constexpr int tileColumns = kTileColumns;
};
template <>
struct Simd<double> {
    using V = VecD;
    static constexpr int lanes = kDoubleLanes;
    static constexpr int tileVectors = kDoubleTileVectors;
    static constexpr int tileColumns = kDoubleTileColumns;
};
template <typename T>
constexpr int kTileRowsOf = Simd<T>::lanes * Simd<T>::tileVectors;

// Sums of products, each element's terms added one after another in step
// order: C (kTileRowsOf<T> x Simd<T>::tileColumns, leading dimension ldc, column by
// column) += vectors[k] * broadcasts[k] for k = 0..steps-1, with
// kTileRowsOf<T> values per step in `vectors` and Simd<T>::tileColumns in
// `broadcasts`; every product and every sum rounded to T. (In double
// precision, products of two single-precision values are exact, so only the
// order of the additions matters, and it is kept.)
template <typename T>
inline void accumulateTile(int steps, const T* vectors, const T* broadcasts, T* c, long ldc) {
    using V = typename Simd<T>::V;
    constexpr int lanes = Simd<T>::lanes;
    constexpr int rows = kTileRowsOf<T>;
    constexpr int vectorCount = Simd<T>::tileVectors;
    constexpr int columns = Simd<T>::tileColumns;
    V acc[vectorCount][columns];
#pragma GCC unroll 32
    for (int j = 0; j < columns; ++j) {
#pragma GCC unroll 8
        for (int v = 0; v < vectorCount; ++v) acc[v][j] = load(c + j * ldc + v * lanes);
    }
    for (int k = 0; k < steps; ++k) {
        V m[vectorCount];
#pragma GCC unroll 8
        for (int v = 0; v < vectorCount; ++v) m[v] = load(vectors + k * rows + v * lanes);
        const T* u = broadcasts + k * columns;
#pragma GCC unroll 32
        for (int j = 0; j < columns; ++j) {
            const T uj = u[j];
#pragma GCC unroll 8
            for (int v = 0; v < vectorCount; ++v) acc[v][j] = acc[v][j] + m[v] * uj;
        }
    }
#pragma GCC unroll 32
    for (int j = 0; j < columns; ++j) {
#pragma GCC unroll 8
        for (int v = 0; v < vectorCount; ++v) store(c + j * ldc + v * lanes, acc[v][j]);
    }
}

// accumulateTile for any tile of at most kTileRowsOf<T> x Simd<T>::tileColumns, the
// partial ones through a full-size copy.
template <typename T>
inline void accumulateAnyTile(int steps, const T* vectors, const T* broadcasts, T* c, long ldc, int rows, int cols) {
    constexpr int full = kTileRowsOf<T>;
    constexpr int columns = Simd<T>::tileColumns;
    if (rows == full && cols == columns) {
        accumulateTile(steps, vectors, broadcasts, c, ldc);
        return;
    }
    T tile[full * columns] = {};
    for (int j = 0; j < cols; ++j) std::memcpy(tile + j * full, c + j * ldc, rows * sizeof(T));
    accumulateTile(steps, vectors, broadcasts, tile, full);
    for (int j = 0; j < cols; ++j) std::memcpy(c + j * ldc, tile + j * full, rows * sizeof(T));
}

}  // namespace
