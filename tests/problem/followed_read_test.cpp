// A Read followed by a progress: it tells the megabytes read of the file's
// size as it goes, and a stop asked for ends it at the next piece with the
// data unread, no message and the file as it was; the next Read reads it.
// Both the results file's Read and the read-only one.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "problem/input_file.h"
#include "problem/read_only_data_file.h"
#include "support/recording_messages.h"
#include "support/cli_runner.h"

namespace corvane {
namespace {

// Keeps every boundary; asks to stop at boundary `stopAt` (counted from 0; -1: never).
class ReadRecorder : public RunProgress {
public:
    explicit ReadRecorder(int stopAt = -1) : stopAt_(stopAt) {}
    void reached(RunPhase phase, int step, int total) override {
        EXPECT_EQ(phase, RunPhase::Reading);
        steps.push_back(step);
        totals.push_back(total);
    }
    bool stopRequested() const override { return static_cast<int>(steps.size()) - 1 == stopAt_; }
    std::vector<int> steps;
    std::vector<int> totals;

private:
    int stopAt_;
};

// A system of order 500 with one right-hand side, about 3 MB of text.
std::string largeSystem() {
    constexpr int n = 500;
    std::string text = "Mare\n" + std::to_string(n) + " 1\n";
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) text += (i == j ? "1000.12345 " : "0.123456789 ");
        text += "\n";
    }
    for (int i = 1; i <= n; ++i) text += "1.5\n";
    return text;
}

using Read = std::function<bool(const std::string& path, ProblemState&, MessageService&, RunProgress*)>;

struct Case {
    const char* name;
    Read read;
};

const Case kCases[] = {
    {"results file",
     [](const std::string& path, ProblemState& s, MessageService& m, RunProgress* p) {
         ResultsFile file;
         EXPECT_TRUE(file.open(path));
         return READINPUTFILE(s, file, m, p);
     }},
    {"read-only", [](const std::string& path, ProblemState& s, MessageService& m,
                     RunProgress* p) { return readDataFileOnly(path, s, m, p); }},
};

TEST(FollowedRead, TellsTheMegabytesReadAndStopsWithTheDataUnread) {
    const std::string path = testing::scratchDirectory("followed-read") + "/large.txt";
    const std::string text = largeSystem();
    testing::writeFile(path, text);
    const int megabytes = static_cast<int>((text.size() + 999999) / 1000000);
    for (const Case& c : kCases) {
        ProblemState state;
        INITIALIZEDATA(state);
        testing::RecordingMessages messages;
        ReadRecorder whole;
        ASSERT_TRUE(c.read(path, state, messages, &whole)) << c.name;
        ASSERT_GT(whole.steps.size(), 2u) << c.name;
        EXPECT_EQ(whole.steps.front(), 0) << c.name;
        EXPECT_EQ(whole.steps.back(), megabytes - 1) << c.name << ": the last whole megabyte of " << text.size() << " bytes";
        EXPECT_TRUE(std::is_sorted(whole.steps.begin(), whole.steps.end())) << c.name;
        EXPECT_EQ(whole.totals, std::vector<int>(whole.steps.size(), megabytes)) << c.name;

        for (int stop : {0, static_cast<int>(whole.steps.size()) / 2}) {
            ProblemState stopped;
            INITIALIZEDATA(stopped);
            testing::RecordingMessages quiet;
            ReadRecorder stopping(stop);
            EXPECT_THROW(c.read(path, stopped, quiet, &stopping), RunInterrupted) << c.name << ", stop " << stop;
            EXPECT_EQ(static_cast<int>(stopping.steps.size()), stop + 1) << c.name << ": read on after the stop";
            EXPECT_FALSE(stopped.DATE_CITITE) << c.name;
            EXPECT_TRUE(quiet.shown.empty()) << c.name << ": a stop is no read error";
            EXPECT_EQ(testing::readFile(path), text) << c.name;
            EXPECT_TRUE(c.read(path, stopped, quiet, nullptr)) << c.name << ": the next Read";
            EXPECT_EQ(stopped.A, state.A) << c.name;
        }
    }
}

}  // namespace
}  // namespace corvane
