// XᵀX organised for speed with the plain loop's roundings; the body of one
// instruction-set variant, included by kernels_<isa>.cpp after simd_tiles.h.
//
// Every element M(j,i) takes its products X(k,j) * X(k,i) one after another
// in increasing k, inside register tiles: rows j of a tile side by side, the
// columns i broadcast. The steps go in chunks; a chunk's values of X are
// packed for the tiles first (columns i in groups of kTileColumns, rows j in
// groups of a tile's rows), and a tile adds the chunk's terms to what the
// earlier chunks left in M, so each sum stays in order.

namespace {
namespace product {

constexpr int kStepChunk = 256;  // steps packed at once

void transposeTimesSelf(int n, const float* x, float* m) {
    constexpr int tileRows = kTileRowsOf<float>;
    std::fill(m, m + static_cast<long>(n) * n, 0.0f);
    const int columnTiles = (n + kTileColumns - 1) / kTileColumns;
    std::vector<float> broadcasts;  // x(k0 + k, i) for every column i, by tiles of columns
    std::vector<float> vectors;     // x(k0 + k, j) for the rows j of one tile
    for (int k0 = 0; k0 < n; k0 += kStepChunk) {
        const int steps = std::min(kStepChunk, n - k0);
        broadcasts.assign(static_cast<std::size_t>(columnTiles) * steps * kTileColumns, 0.0f);
        for (int i = 0; i < n; ++i) {
            const float* xi = x + static_cast<long>(i) * n + k0;
            float* out = &broadcasts[static_cast<std::size_t>(i / kTileColumns) * steps * kTileColumns + i % kTileColumns];
            for (int k = 0; k < steps; ++k) out[static_cast<std::size_t>(k) * kTileColumns] = xi[k];
        }
        for (int j0 = 0; j0 < n; j0 += tileRows) {
            const int rows = std::min(tileRows, n - j0);
            vectors.assign(static_cast<std::size_t>(steps) * tileRows, 0.0f);
            for (int r = 0; r < rows; ++r) {
                const float* xj = x + static_cast<long>(j0 + r) * n + k0;
                for (int k = 0; k < steps; ++k) vectors[static_cast<std::size_t>(k) * tileRows + r] = xj[k];
            }
            for (int t = 0; t < columnTiles; ++t) {
                const int i0 = t * kTileColumns;
                accumulateAnyTile(steps, vectors.data(), &broadcasts[static_cast<std::size_t>(t) * steps * kTileColumns],
                                  m + static_cast<long>(i0) * n + j0, n, rows, std::min(kTileColumns, n - i0));
            }
        }
    }
}

}  // namespace product
}  // namespace

void transposeTimesSelf(int n, const float* X, float* M) { product::transposeTimesSelf(n, X, M); }
