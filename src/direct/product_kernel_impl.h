// D = D + F·X organised for speed with the plain loop's roundings; the body
// of one instruction-set variant, included by kernels_<isa>.cpp after
// simd_tiles.h.
//
// Every element D(i,c) takes its products F(i,j) * X(j,c) one after another
// in increasing j, inside register tiles: rows i of a tile side by side, the
// columns c broadcast. The steps j go in chunks; a chunk's values are packed
// for the tiles first (columns of X in groups of kTileColumns, rows of F in
// groups of a tile's rows), and a tile adds the chunk's terms to what the
// earlier chunks left in D, so each sum stays in order.

namespace {
namespace product {

constexpr int kStepChunk = 256;  // steps packed at once

void multiplyAdd(int n, int columns, const ProductFactor& f, const float* x, long ldx, float* d) {
    constexpr int tileRows = kTileRowsOf<float>;
    const int columnTiles = (columns + kTileColumns - 1) / kTileColumns;
    std::vector<float> broadcasts;  // x(j0 + k, c) for every column c, by tiles of columns
    std::vector<float> vectors;     // f(i, j0 + k) for the rows i of one tile
    for (int j0 = 0; j0 < n; j0 += kStepChunk) {
        const int steps = std::min(kStepChunk, n - j0);
        broadcasts.assign(static_cast<std::size_t>(columnTiles) * steps * kTileColumns, 0.0f);
        for (int c = 0; c < columns; ++c) {
            const float* xc = x + c * ldx + j0;
            float* out = &broadcasts[static_cast<std::size_t>(c / kTileColumns) * steps * kTileColumns + c % kTileColumns];
            for (int k = 0; k < steps; ++k) out[static_cast<std::size_t>(k) * kTileColumns] = xc[k];
        }
        vectors.resize(static_cast<std::size_t>(steps) * tileRows);
        for (int i0 = 0; i0 < n; i0 += tileRows) {
            const int rows = std::min(tileRows, n - i0);
            std::fill(vectors.begin(), vectors.end(), 0.0f);
            f.copyBlock(i0, rows, j0, steps, vectors.data(), tileRows);
            for (int t = 0; t < columnTiles; ++t) {
                const int c0 = t * kTileColumns;
                accumulateAnyTile(steps, vectors.data(), &broadcasts[static_cast<std::size_t>(t) * steps * kTileColumns],
                                  d + static_cast<long>(c0) * n + i0, n, rows, std::min(kTileColumns, columns - c0));
            }
        }
    }
}

}  // namespace product
}  // namespace

void multiplyAdd(int n, int columns, const ProductFactor& F, const float* X, long ldx, float* D) {
    product::multiplyAdd(n, columns, F, X, ldx, D);
}
