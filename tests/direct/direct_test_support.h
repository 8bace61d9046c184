#pragma once
// Small builders shared by the tests of the direct methods.

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "problem/matrix.h"
#include "problem/problem_state.h"

namespace corvane::testing {

using Rows = std::vector<std::vector<float>>;

inline RealMatrix matrixFromRows(const Rows& rows) {
    const int n = static_cast<int>(rows.size());
    const int m = n > 0 ? static_cast<int>(rows[0].size()) : 0;
    RealMatrix A(n, m);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= m; ++j) A(i, j) = rows[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
    return A;
}

// Right-hand sides given one per entry, stored one per column.
inline RealMatrix columnsFrom(const Rows& columns) {
    const int nb = static_cast<int>(columns.size());
    const int n = nb > 0 ? static_cast<int>(columns[0].size()) : 0;
    RealMatrix B(n, nb);
    for (int k = 1; k <= nb; ++k)
        for (int i = 1; i <= n; ++i) B(i, k) = columns[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(i - 1)];
    return B;
}

inline RealMatrix identity(int n) {
    RealMatrix I(n, n);
    for (int i = 1; i <= n; ++i) I(i, i) = 1.0f;
    return I;
}

// The packed triangle of a matrix given by the rows of its upper triangle:
// rows[i-1] holds a(i, i..n).
inline RealVector packedFromUpperRows(const Rows& rows) {
    const int n = static_cast<int>(rows.size());
    RealVector AV(n * (n + 1) / 2);
    for (int i = 1; i <= n; ++i)
        for (int j = i; j <= n; ++j) AV(LOCA(i, j)) = rows[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - i)];
    return AV;
}

// An expected report kept under tests/data with plain line ends; records of
// the results file end with CR LF.
inline std::string expectedReport(const std::string& relativePath) {
    std::ifstream file(std::string(CORVANE_TEST_DATA) + "/" + relativePath, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    std::string text;
    for (char c : content.str()) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

// Joins records, each ended with CR LF.
inline std::string records(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

}  // namespace corvane::testing
