#include "problem/input_file.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "problem/followed_text.h"
#include "problem/test_matrices.h"
#include "textio/list_directed_input.h"

namespace corvane {
namespace {

constexpr std::size_t kTitleLength = 100;
// Largest number of reals one array may hold (512 MiB); larger orders are
// refused before anything is allocated.

bool allocatable(long long rows, long long cols) { return rows >= 0 && cols >= 0 && rows * cols <= kMaxArrayElements; }

// Reads one group of reals; the end of the file is not an error here (the
// values not read stay 0), a bad value is.
class GroupReader {
public:
    explicit GroupReader(ListDirectedInput& input) : input_(input) {}

    // Returns false on a bad value.
    bool read(std::vector<ReadTarget>& targets) {
        return input_.read(std::span<const ReadTarget>(targets)) != ReadStatus::BadValue;
    }
    // Returns false on a bad value or at the end of the file.
    bool readAll(std::vector<ReadTarget>& targets) {
        return input_.read(std::span<const ReadTarget>(targets)) == ReadStatus::Ok;
    }

private:
    ListDirectedInput& input_;
};

// The second value of a sizes line, or 0 when the line holds no second
// integer.
int secondValueOf(std::string_view sizesLine) {
    int first = 0;
    int second = 0;
    ListDirectedInput line(sizesLine);
    return line.read({&first, &second}) == ReadStatus::Ok ? second : 0;
}

// n and, for a system, nb. For an inverse or a condition number only n is
// taken; a second value on its line tells how many right-hand sides a file
// written for a system holds after the matrix (0 when there is none).
bool readSizes(ProblemState& s, ListDirectedInput& input, int& unusedRightHandSides) {
    ReadStatus status = s.SISTEM ? input.read({&s.n, &s.nb}) : input.read({&s.n});
    if (status != ReadStatus::Ok || s.n < 1) return false;
    if (s.SISTEM && s.nb < 1) return false;
    unusedRightHandSides = s.SISTEM ? 0 : std::max(secondValueOf(input.lastLine()), 0);
    return allocatable(s.n, s.n) && (!s.SISTEM || allocatable(s.n, s.nb));
}

bool readGeneralMatrix(ProblemState& s, GroupReader& reader) {
    std::vector<ReadTarget> row(static_cast<std::size_t>(s.n));
    for (int i = 1; i <= s.n; ++i) {
        for (int j = 1; j <= s.n; ++j) row[static_cast<std::size_t>(j - 1)] = &s.A(i, j);
        if (!reader.read(row)) return false;
    }
    return true;
}

// A symmetric matrix read for Cholesky goes into the packed vector only;
// Cholesky with the general layout reads A as usual.
bool readIntoPackedTriangle(const ProblemState& s) { return s.SIMETRICA && s.IMETODA == Method::Cholesky; }

// The upper triangle, row i holding a(i,i..n): into the packed vector when the
// method is Cholesky (every row must be there), else into A and mirrored.
bool readSymmetricMatrix(ProblemState& s, GroupReader& reader) {
    const bool packed = readIntoPackedTriangle(s);
    std::vector<ReadTarget> row;
    for (int i = 1; i <= s.n; ++i) {
        row.clear();
        for (int j = i; j <= s.n; ++j) {
            if (packed) row.push_back(&(*s.AV)(LOCA(i, j)));
            else row.push_back(&s.A(i, j));
        }
        if (packed ? !reader.readAll(row) : !reader.read(row)) return false;
    }
    if (!packed) {
        for (int i = 1; i <= s.n; ++i)
            for (int j = 1; j < i; ++j) s.A(i, j) = s.A(j, i);
    }
    return true;
}

// The first entry, in the order of the file (row by row, the upper
// triangle for the symmetric layout), whose reciprocal is infinite; the
// matrix is scanned column by column, as it is stored.
std::optional<InfiniteReciprocal> firstInfiniteReciprocal(const ProblemState& s) {
    const bool packed = readIntoPackedTriangle(s);
    std::optional<InfiniteReciprocal> first;
    for (int j = 1; j <= s.n; ++j) {
        const int lastRow = s.GENERALA ? s.n : j;
        // A later column comes first only in an earlier row.
        for (int i = 1; i <= lastRow && (!first || i < first->row); ++i) {
            const float entry = packed ? (*s.AV)(LOCA(i, j)) : s.A(i, j);
            if (std::isinf(1.0f / entry)) {
                first = InfiniteReciprocal{i, j, entry};
                break;
            }
        }
    }
    return first;
}

void invertEntries(ProblemState& s) {
    if (readIntoPackedTriangle(s)) {
        RealVector& av = *s.AV;
        for (int k = 1; k <= av.size(); ++k) av(k) = 1.0f / av(k);
        return;
    }
    for (int j = 1; j <= s.n; ++j)
        for (int i = 1; i <= s.n; ++i) s.A(i, j) = 1.0f / s.A(i, j);
}

// The matrix as the methods are to see it: read, then (on request) every
// entry replaced by its reciprocal. The packed triangle that Cholesky runs
// start from is kept only after that.
bool readMatrixFromFile(ProblemState& s, GroupReader& reader) {
    if (s.GENERALA) {
        if (!readGeneralMatrix(s, reader)) return false;
    } else {
        s.AV = RealVector(s.n * (s.n + 1) / 2);
        if (!readSymmetricMatrix(s, reader)) return false;
    }
    if (s.INVERS_ELEMENTE) {
        s.INFINITE_RECIPROCAL = firstInfiniteReciprocal(s);
        invertEntries(s);
    }
    if (readIntoPackedTriangle(s)) s.AV_INPUT = s.AV;
    return true;
}

void packUpperTriangle(ProblemState& s) {
    s.AV = RealVector(s.n * (s.n + 1) / 2);
    for (int i = 1; i <= s.n; ++i)
        for (int j = i; j <= s.n; ++j) (*s.AV)(LOCA(i, j)) = s.A(i, j);
    s.AV_INPUT = s.AV;
}

bool generateMatrix(ProblemState& s, ListDirectedInput& input, GroupReader& reader) {
    if (input.read({&s.nc}) != ReadStatus::Ok) return false;
    if (s.nc > 0) {
        if (!allocatable(s.nc, 1)) return false;
        s.C = RealVector(s.nc);
        std::vector<ReadTarget> constants;
        for (int k = 1; k <= s.nc; ++k) constants.push_back(&s.C(k));
        if (!reader.read(constants)) return false;
    }
    const std::string name = s.IGENERATA >= 1 && s.IGENERATA <= kTestMatrixCount ? s.generatorName(s.IGENERATA) : padded("", kNameLength);
    if (!generatorInputSuffices(name, s.n, s.nc)) return false;
    GEN_A(s.n, s.A, s.nc, s.C, name);
    if (s.IMETODA == Method::Cholesky) packUpperTriangle(s);
    return true;
}

bool readRightHandSides(ProblemState& s, GroupReader& reader) {
    if (!s.SISTEM) {
        s.nb = s.n;
        s.B = RealMatrix(s.n, s.n);
        for (int i = 1; i <= s.n; ++i) s.B(i, i) = 1.0f;
        return true;
    }
    s.B = RealMatrix(s.n, s.nb);
    std::vector<ReadTarget> column(static_cast<std::size_t>(s.n));
    for (int k = 1; k <= s.nb; ++k) {
        for (int i = 1; i <= s.n; ++i) column[static_cast<std::size_t>(i - 1)] = &s.B(i, k);
        if (!reader.read(column)) return false;
    }
    return true;
}

// The right-hand sides of a file written for a system, read for an inverse or
// a condition number: read as a system Read would, keeping none of them, so
// that the file stands after them and the first report does not cut them
// away. Returns false when a value there cannot be read (an old report may
// start there).
bool passOverRightHandSides(int n, int count, ListDirectedInput& input) {
    RealVector unused(n);
    std::vector<ReadTarget> column;
    for (int i = 1; i <= n; ++i) column.push_back(&unused(i));
    for (int k = 1; k <= count; ++k) {
        const ReadStatus status = input.read(std::span<const ReadTarget>(column));
        if (status == ReadStatus::BadValue) return false;
        if (status == ReadStatus::EndOfFile) break;  // every later group would meet the end as well
    }
    return true;
}

DataEnd endOfData(ListDirectedInput& input) { return DataEnd{input.position(), input.endedInsideLine()}; }

// Reads the problem; returns where the data end, or nothing on a read error.
std::optional<DataEnd> readProblem(ProblemState& s, ListDirectedInput& input) {
    std::string_view title;
    if (!input.readLine(kTitleLength, title)) return std::nullopt;
    int unusedRightHandSides = 0;
    if (!readSizes(s, input, unusedRightHandSides)) return std::nullopt;
    s.A = RealMatrix(s.n, s.n);
    s.AV_INPUT.reset();
    GroupReader reader(input);
    if (s.FISIER_DATE) {
        if (!readMatrixFromFile(s, reader)) return std::nullopt;
    } else if (!generateMatrix(s, input, reader)) {
        return std::nullopt;
    }
    if (!readRightHandSides(s, reader)) return std::nullopt;
    const DataEnd afterMatrix = endOfData(input);
    if (unusedRightHandSides > 0 && !passOverRightHandSides(s.n, unusedRightHandSides, input)) return afterMatrix;
    return endOfData(input);
}

// The results file's text from its first byte, piece by piece.
class ResultsFileText : public TextSource {
public:
    explicit ResultsFileText(ResultsFile& file) : file_(file) {}
    void appendNext(std::string& text, std::size_t limit) override {
        const std::optional<std::size_t> got = file_.appendBytesAt(offset_, limit, text);
        if (!got) throw TextSourceError("the data file cannot be read");
        offset_ += *got;
    }

private:
    ResultsFile& file_;
    std::size_t offset_ = 0;
};

std::optional<DataEnd> readWith(ProblemState& state, ListDirectedInput& input, MessageService& messages) {
    state.DATE_CITITE = false;
    state.INFINITE_RECIPROCAL.reset();
    std::optional<DataEnd> end;
    try {
        end = readProblem(state, input);
    } catch (const std::bad_alloc&) {
        end.reset();
    } catch (const TextSourceError&) {
        end.reset();
    }
    if (!end) {
        messages.show(message::kReadError, message::kReadErrorTitle, MessageIcon::Error);
        return std::nullopt;
    }
    state.DATE_CITITE = true;
    return end;
}

}  // namespace

std::optional<DataEnd> readProblemText(ProblemState& state, std::string_view text, MessageService& messages) {
    ListDirectedInput input(text);
    return readWith(state, input, messages);
}

std::optional<DataEnd> readProblemFrom(ProblemState& state, TextSource& text, MessageService& messages) {
    ListDirectedInput input(text);
    return readWith(state, input, messages);
}

bool READINPUTFILE(ProblemState& state, ResultsFile& file, MessageService& messages, RunProgress* progress) {
    // Read the file the path names now, also when another program replaced
    // it under its name since it was chosen; when the path names no file any
    // more, nothing is open and the read fails as for an unreadable file.
    file.followPath();
    ResultsFileText pieces(file);
    FollowedText text(pieces, file.size(), progress);
    std::optional<DataEnd> end = readProblemFrom(state, text, messages);
    if (!end) return false;
    file.positionAfterData(end->offset, end->lineBreakFirst);
    return true;
}

}  // namespace corvane
