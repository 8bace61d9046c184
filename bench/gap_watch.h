#pragma once
// A progress that notes the wall-clock time of every step boundary of a run:
// a stop asked for between two boundaries takes effect at the next one, so
// the longest gap between them (the start and the end of the run included)
// is the longest wait for a Cancel or a Ctrl-C.

#include <chrono>
#include <string>

#include "app/progress_text.h"
#include "problem/problem_state.h"
#include "problem/run_progress.h"

namespace corvane::bench {

class GapWatch : public RunProgress {
public:
    using Clock = std::chrono::steady_clock;
    void start() { last_ = Clock::now(); }
    void reached(RunPhase phase, int step, int total) override { note({phase, step, total, true}); }
    bool stopRequested() const override { return false; }
    void note(const ProgressSnapshot& where = {}) {
        const Clock::time_point now = Clock::now();
        if (now - last_ > longest_) {
            longest_ = now - last_;
            longestAfter_ = lastWhere_;
        }
        last_ = now;
        lastWhere_ = where;
        ++boundaries_;
    }
    std::string longestAfter() const { return "after: " + progressText(longestAfter_, kEnglish); }
    double longestMilliseconds() const { return std::chrono::duration<double, std::milli>(longest_).count(); }
    int boundaries() const { return boundaries_; }

private:
    Clock::time_point last_;
    Clock::duration longest_{};
    ProgressSnapshot lastWhere_;
    ProgressSnapshot longestAfter_;
    int boundaries_ = 0;
};

}  // namespace corvane::bench
