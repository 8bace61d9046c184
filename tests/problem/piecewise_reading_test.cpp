// A data file read piece by piece gives what the whole text gives, wherever
// the pieces end: inside numbers, repeat counts, line ends and long lines.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "problem/input_file.h"
#include "support/recording_messages.h"

namespace corvane {
namespace {

// Hands out the text `pieceSize` bytes at a time; fails after `failAfter` bytes.
class PieceSource : public TextSource {
public:
    PieceSource(std::string text, std::size_t pieceSize, std::size_t failAfter = std::string::npos)
        : text_(std::move(text)), pieceSize_(pieceSize), failAfter_(failAfter) {}
    void appendNext(std::string& text, std::size_t limit) override {
        if (offset_ >= failAfter_) throw TextSourceError("unreadable");
        const std::size_t count = std::min({pieceSize_, limit, text_.size() - offset_});
        text.append(text_, offset_, count);
        offset_ += count;
    }

private:
    std::string text_;
    std::size_t pieceSize_;
    std::size_t failAfter_;
    std::size_t offset_ = 0;
};

struct Reading {
    ProblemState state;
    std::optional<DataEnd> end;
    testing::RecordingMessages messages;
};

using Options = std::function<void(ProblemState&)>;

std::unique_ptr<Reading> startReading(const Options& options) {
    auto r = std::make_unique<Reading>();
    INITIALIZEDATA(r->state);
    if (options) options(r->state);
    return r;
}

void expectSameReading(const Reading& whole, const Reading& pieces) {
    ASSERT_EQ(whole.end.has_value(), pieces.end.has_value());
    if (whole.end) {
        EXPECT_EQ(whole.end->offset, pieces.end->offset);
        EXPECT_EQ(whole.end->lineBreakFirst, pieces.end->lineBreakFirst);
    }
    EXPECT_EQ(whole.state.DATE_CITITE, pieces.state.DATE_CITITE);
    EXPECT_EQ(whole.state.n, pieces.state.n);
    EXPECT_EQ(whole.state.nb, pieces.state.nb);
    EXPECT_EQ(whole.state.A, pieces.state.A);
    EXPECT_EQ(whole.state.B, pieces.state.B);
    EXPECT_EQ(whole.state.AV.has_value(), pieces.state.AV.has_value());
    if (whole.state.AV && pieces.state.AV) {
        EXPECT_EQ(*whole.state.AV, *pieces.state.AV);
    }
    EXPECT_EQ(whole.messages.shown.size(), pieces.messages.shown.size());
}

TEST(PiecewiseReading, AnyPieceSizeReadsAsTheWholeText) {
    struct Case {
        const char* name;
        std::string text;
        Options options;
    };
    const Options cholesky = [](ProblemState& s) { s.GENERALA = false; s.SIMETRICA = true; s.IMETODA = Method::Cholesky; };
    const Options inverse = [](ProblemState& s) { s.SISTEM = false; s.INVERSARE = true; };
    const Case cases[] = {
        {"system with CR LF and a report after it", "Title\r\n3 1\r\n1.5 -2.25e1 3\r\n4 5 6\r\n7 8 9.125\r\n1 2 3\r\nold report\r\n", {}},
        {"repeat counts, nulls and a slash", "t\n3 2\n3*1.5\n1,,2\n2*\n1 2 /\n4 5 6 extra values\n", {}},
        {"last line without line end", "t\n2 1\n1 2\n3 4\n5 6", {}},
        {"end of file inside the matrix", "t\n3 1\n1 2 3\n4 5", {}},
        {"right-hand sides end before blank lines", "t\n2 2\n1 2\n3 4\n5 6\n\n  \n\n", {}},
        {"values spread over lines", "t\n\n2\n1\n\n1\n2\n3\n4\n5 6\n", {}},
        {"long line of extra values", "t\n2 1\n1 2 " + std::string(5000, '9') + " 8 7\n3 4\n5 6\n", {}},
        {"upper triangle for Cholesky", "t\n3 1\n4 2 2\n5 3\n3\n8 10 8\n", cholesky},
        {"inverse from a system file", "t\n2\n1 2\n3 4\nrest\n", inverse},
        {"bad value", "t\n2 1\n1 2\n3 x\n5 6\n", {}},
        {"empty text", "", {}},
    };
    for (const Case& c : cases) {
        auto whole = startReading(c.options);
        whole->end = readProblemText(whole->state, c.text, whole->messages);
        for (std::size_t pieceSize : {1, 2, 3, 7, 64, 1 << 20}) {
            SCOPED_TRACE(std::string(c.name) + ", pieces of " + std::to_string(pieceSize));
            auto pieces = startReading(c.options);
            PieceSource source(c.text, pieceSize);
            pieces->end = readProblemFrom(pieces->state, source, pieces->messages);
            expectSameReading(*whole, *pieces);
        }
    }
}

TEST(PiecewiseReading, ASourceThatFailsIsAReadError) {
    const std::string text = "t\n2 1\n1 2\n3 4\n5 6\n";
    for (std::size_t failAfter : {std::size_t{0}, std::size_t{5}, text.size() - 3}) {
        SCOPED_TRACE(failAfter);
        auto r = startReading({});
        PieceSource source(text, 4, failAfter);
        r->end = readProblemFrom(r->state, source, r->messages);
        EXPECT_FALSE(r->end);
        EXPECT_FALSE(r->state.DATE_CITITE);
        ASSERT_EQ(r->messages.shown.size(), 1u);
        EXPECT_EQ(r->messages.shown[0].title, "Error");
    }
}

}  // namespace
}  // namespace corvane
