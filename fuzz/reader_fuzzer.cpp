// Fuzzes the data-file reader and the SOLVE runs that follow it.
//
// Input: three bytes of problem options (decoded as the dialog could set
// them), then the bytes of the data file. The file is a real file descriptor
// (a memory file), read and written through the results file as the program
// does. Checked for every input: a failed read shows the read-error message
// and leaves the file untouched; a successful read builds arrays of the sizes
// read; after the runs the file holds exactly the data up to where the reader
// stopped, followed by the reports.

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/dispatcher.h"
#include "problem/input_file.h"
#include "textio/list_directed_input.h"
#include "textio/results_file.h"
#include "reliability/copying_sink.h"
#include "reliability/option_bits.h"
#include "support/recording_messages.h"

namespace corvane {
namespace {

// Orders and counts above these are valid but make each run take up to
// gigabytes and seconds; the unit tests cover the large and refused sizes.
constexpr int kMaxFuzzedOrder = 64;
constexpr int kMaxFuzzedConstants = 4096;
// Larger problems are read but not solved, to keep every run fast.
constexpr int kMaxSolvedOrder = 40;
constexpr int kSolvesPerRead = 2;

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "reader fuzzer: %s\n", what);
    std::abort();
}

// A memory file reachable by a path, rewritten for every input.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("corvane-fuzz-data", 0)) {
        require(fd_ >= 0, "memfd_create failed");
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    void reset(const std::string& text) {
        require(::ftruncate(fd_, 0) == 0, "ftruncate failed");
        require(::pwrite(fd_, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()), "pwrite failed");
    }
    std::string contents() const {
        std::string text;
        char buffer[4096];
        off_t offset = 0;
        for (ssize_t got; (got = ::pread(fd_, buffer, sizeof buffer, offset)) > 0; offset += got) {
            text.append(buffer, static_cast<std::size_t>(got));
        }
        return text;
    }
    const std::string& path() const { return path_; }

private:
    int fd_;
    std::string path_;
};

bool declaresLargeArrays(const ProblemState& s, std::string_view text) {
    ListDirectedInput input(text);
    std::string_view title;
    if (!input.readLine(100, title)) return false;
    int n = 0, nb = 0, nc = 0;
    const ReadStatus sizes = s.SISTEM ? input.read({&n, &nb}) : input.read({&n});
    if (sizes != ReadStatus::Ok) return false;
    if (s.GENERARE) input.read({&nc});
    return n > kMaxFuzzedOrder || nb > kMaxFuzzedOrder || nc > kMaxFuzzedConstants;
}

// The text in pieces of a few bytes, so that pieces end anywhere: inside
// numbers, repeat counts and line ends.
class SmallPieces : public TextSource {
public:
    SmallPieces(std::string_view text, std::size_t pieceSize) : text_(text), pieceSize_(pieceSize) {}
    void appendNext(std::string& text, std::size_t limit) override {
        const std::size_t count = std::min({pieceSize_, limit, text_.size() - offset_});
        text.append(text_.substr(offset_, count));
        offset_ += count;
    }

private:
    std::string_view text_;
    std::size_t pieceSize_;
    std::size_t offset_ = 0;
};

// Reading in small pieces gives what reading the whole text gives.
void requireSameReadInPieces(const ProblemState& whole, const std::optional<DataEnd>& end, std::uint32_t options,
                             std::string_view text, std::size_t pieceSize) {
    ProblemState pieces;
    INITIALIZEDATA(pieces);
    testing::applyOptionBits(pieces, options);
    testing::RecordingMessages messages;
    SmallPieces source(text, pieceSize);
    const std::optional<DataEnd> piecesEnd = readProblemFrom(pieces, source, messages);
    require(piecesEnd.has_value() == end.has_value(), "reading in pieces and reading the whole text disagree");
    if (!end) return;
    require(piecesEnd->offset == end->offset && piecesEnd->lineBreakFirst == end->lineBreakFirst,
            "reading in pieces ends elsewhere");
    require(pieces.n == whole.n && pieces.nb == whole.nb && pieces.A == whole.A && pieces.B == whole.B &&
                pieces.AV == whole.AV,
            "reading in pieces reads other values");
}

void requireShapes(const ProblemState& s) {
    require(s.n >= 1 && s.nb >= 1, "a successful read with an empty size");
    require(s.A.rows() == s.n && s.A.cols() == s.n, "A does not have the order read");
    require(s.B.rows() == s.n && s.B.cols() == s.nb, "B does not have the sizes read");
    if (s.AV) require(s.AV->size() == s.n * (s.n + 1) / 2, "the packed triangle does not have the order read");
}

}  // namespace
}  // namespace corvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    if (size < 3) return -1;
    const std::uint32_t options = data[0] | data[1] << 8 | data[2] << 16;
    const std::string text(reinterpret_cast<const char*>(data) + 3, size - 3);

    ProblemState state;
    INITIALIZEDATA(state);
    testing::applyOptionBits(state, options);
    if (declaresLargeArrays(state, text)) return -1;

    // The same read from the text alone tells where the data end.
    ProblemState twin;
    INITIALIZEDATA(twin);
    testing::applyOptionBits(twin, options);
    testing::RecordingMessages twinMessages;
    const std::optional<DataEnd> end = readProblemText(twin, text, twinMessages);
    requireSameReadInPieces(twin, end, options, text, 1 + data[0] % 7);

    static MemoryFile file;
    file.reset(text);
    ResultsFile results;
    require(results.open(file.path()), "cannot open the memory file");
    testing::RecordingMessages messages;
    const bool read = READINPUTFILE(state, results, messages);
    require(read == end.has_value(), "reading the file and reading its text disagree");
    require(state.DATE_CITITE == read, "DATE_CITITE does not tell the outcome of the read");
    if (!read) {
        require(messages.shown.size() == 1, "a failed read shows one message");
        require(messages.shown[0].text == message::kReadError && messages.shown[0].title == "Error",
                "a failed read shows the read-error message");
        require(file.contents() == text, "a failed read changed the file");
        return 0;
    }
    require(messages.shown.empty(), "a successful read showed a message");
    requireShapes(state);
    if (state.n > kMaxSolvedOrder) return 0;

    testing::CopyingSink reportCopy(results);
    StringSink consoleSink;
    RecordWriter report(reportCopy);
    RecordWriter console(consoleSink);
    RunContext context{state, report, console, messages};
    for (int k = 0; k < kSolvesPerRead; ++k) {
        const SolveOutcome outcome = CORVANEAPPLY(context);
        require(outcome != SolveOutcome::WriteFailed, "a write to the memory file failed");
        if (outcome == SolveOutcome::Refused) break;
    }
    const std::string& reports = reportCopy.copied();
    const std::string expected =
        reports.empty() ? text : text.substr(0, end->offset) + (end->lineBreakFirst ? "\r\n" : "") + reports;
    require(file.contents() == expected, "the file does not hold the data followed by the reports");
    return 0;
}
