#include "import/data_file_import.h"

#include <cmath>
#include <vector>

#include "problem/input_file.h"
#include "textio/decimal_text.h"

namespace corvane {
namespace {

constexpr int kValuesPerLine = 8;
constexpr std::size_t kTitleLength = 100;  // the Read keeps this much of the title line

// n × cols values in single precision, column-major.
struct SingleMatrix {
    int rows = 0;
    int cols = 0;
    std::vector<float> values;
    float at(int i, int j) const { return values[static_cast<std::size_t>(j) * rows + i]; }
};

SingleMatrix rounded(const MarketMatrix& m, ImportSource source) {
    SingleMatrix single{m.rows, m.cols, std::vector<float>(m.values.size())};
    for (std::size_t k = 0; k < m.values.size(); ++k) {
        single.values[k] = static_cast<float>(m.values[k]);
        if (!std::isfinite(single.values[k])) {
            throw ImportError(source, ImportFault::EntryBeyondSingle,
                              {std::to_string(k % m.rows + 1), std::to_string(k / m.rows + 1)});
        }
    }
    return single;
}

// Values, kValuesPerLine to a line, starting on a new line.
void appendValues(std::string& out, const std::vector<float>& values) {
    for (std::size_t k = 0; k < values.size(); ++k) {
        out += shortestFloatText(values[k]);
        out += (k + 1) % kValuesPerLine == 0 || k + 1 == values.size() ? '\n' : ' ';
    }
}

bool symmetric(const SingleMatrix& a) {
    for (int j = 0; j < a.cols; ++j)
        for (int i = 0; i < j; ++i)
            if (a.at(i, j) != a.at(j, i)) return false;
    return true;
}

SingleMatrix onesRightHandSide(const SingleMatrix& a) {
    SingleMatrix b{a.rows, 1, std::vector<float>(static_cast<std::size_t>(a.rows))};
    for (int i = 0; i < a.rows; ++i) {
        double sum = 0.0;
        for (int j = 0; j < a.cols; ++j) sum += a.at(i, j);
        b.values[static_cast<std::size_t>(i)] = static_cast<float>(sum);
        if (!std::isfinite(b.values[static_cast<std::size_t>(i)])) {
            throw ImportError(ImportSource::Matrix, ImportFault::RowSumBeyondSingle, {std::to_string(i + 1)});
        }
    }
    return b;
}

MarketMatrix readOrExplain(std::string_view text, const MarketReadOptions& options, ImportSource source) {
    try {
        return readMarketMatrix(text, options);
    } catch (const MarketError& error) {
        throw ImportError(source, error);
    }
}

std::optional<SingleMatrix> rightHandSides(const ImportRequest& request, const SingleMatrix& a) {
    if (request.rhs == RightHandSides::None) return std::nullopt;
    if (request.rhs == RightHandSides::Ones) return onesRightHandSide(a);
    const MarketMatrix b = readOrExplain(request.rhsText, {std::nullopt, kMaxArrayElements, false}, ImportSource::RightHandSides);
    if (b.rows != a.rows) {
        throw ImportError(ImportSource::RightHandSides, ImportFault::RightHandSideRows,
                          {std::to_string(b.rows), std::to_string(a.rows)});
    }
    return rounded(b, ImportSource::RightHandSides);
}

std::string titleLine(const std::string& title) {
    std::string line = title.substr(0, title.find_first_of("\r\n"));
    if (line.size() > kTitleLength) line.resize(kTitleLength);
    return line + "\n";
}

}  // namespace

std::string importedDataFile(const ImportRequest& request) {
    const SingleMatrix a =
        rounded(readOrExplain(request.matrixText, {request.headerless, kMaxArrayElements}, ImportSource::Matrix), ImportSource::Matrix);
    if (request.layout == DataLayout::Symmetric && !symmetric(a)) {
        throw ImportError(ImportSource::Matrix, ImportFault::NotSymmetric, {});
    }
    const std::optional<SingleMatrix> b = rightHandSides(request, a);
    const int n = a.rows;
    std::string out = titleLine(request.title);
    out += std::to_string(n) + (b ? " " + std::to_string(b->cols) : std::string()) + "\n";
    std::vector<float> row;
    for (int i = 0; i < n; ++i) {
        row.clear();
        for (int j = request.layout == DataLayout::Symmetric ? i : 0; j < n; ++j) row.push_back(a.at(i, j));
        appendValues(out, row);
    }
    if (b) {
        for (int k = 0; k < b->cols; ++k) {
            appendValues(out, std::vector<float>(b->values.begin() + static_cast<std::ptrdiff_t>(k) * n,
                                                 b->values.begin() + static_cast<std::ptrdiff_t>(k + 1) * n));
        }
    }
    return out;
}

}  // namespace corvane
