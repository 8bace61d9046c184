#pragma once
// A data file's text read with its progress told: after each piece the Read
// reaches a step boundary (megabytes read of the file's size), where a stop
// the user asked for ends it (RunInterrupted) before the next piece.

#include <cstddef>

#include "problem/run_progress.h"
#include "textio/list_directed_input.h"

namespace corvane {

class FollowedText : public TextSource {
public:
    FollowedText(TextSource& text, std::size_t fileBytes, RunProgress* progress)
        : text_(text), totalMegabytes_(megabytes(fileBytes + kMegabyte - 1)), progress_(progress) {}

    void appendNext(std::string& text, std::size_t limit) override {
        const std::size_t before = text.size();
        text_.appendNext(text, limit);
        read_ += text.size() - before;
        stepBoundary(progress_, RunPhase::Reading, megabytes(read_), totalMegabytes_);
    }

private:
    static constexpr std::size_t kMegabyte = 1000000;
    static int megabytes(std::size_t bytes) { return static_cast<int>(bytes / kMegabyte); }

    TextSource& text_;
    int totalMegabytes_;
    RunProgress* progress_;
    std::size_t read_ = 0;
};

}  // namespace corvane
