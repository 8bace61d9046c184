#pragma once
// The progress of a SOLVE on standard error, and Ctrl-C as its stop: on a
// terminal one line redrawn in place (a bar, the phase, how far), shown once
// the run has lasted the delay; elsewhere (--progress into a file or a pipe)
// one line for each new phase and at most one a second besides. A subject
// (the method a comparison runs) may lead the line.

#include <chrono>
#include <cstdio>
#include <string>

#include "cli/interrupt_watch.h"
#include "problem/run_progress.h"

namespace corvane {

class TerminalProgress : public RunProgress {
public:
    using Clock = std::chrono::steady_clock;

    // `show`: draw at all (else only Ctrl-C is watched); `terminal`: redraw
    // one line in place; `delay`: nothing is drawn before the run has lasted it.
    TerminalProgress(std::FILE* out, bool show, bool terminal, Clock::duration delay, const InterruptWatch& interrupt);

    // A new run starts: the delay counts from now.
    void start();
    // The run has ended: the line drawn in place is wiped.
    void finish();
    // What runs, put before the phase ("lu: "); a new subject's first
    // boundary is drawn at once, as a new phase is.
    void setSubject(std::string subject);

    void reached(RunPhase phase, int step, int total) override;
    bool stopRequested() const override { return interrupt_.requested(); }

private:
    void draw(const ProgressSnapshot& where);

    std::FILE* out_;
    bool show_;
    bool terminal_;
    Clock::duration delay_;
    const InterruptWatch& interrupt_;
    Clock::time_point started_;
    Clock::time_point drawn_;
    bool anyDrawn_ = false;
    RunPhase lastPhase_ = RunPhase::Printing;
    std::size_t lineLength_ = 0;
    std::string subject_;
};

// The progress display of a command: shown when standard error is a
// terminal unless `never`, once the run has lasted half a second; with
// `always`, shown at once also into a file or a pipe.
TerminalProgress progressDisplay(bool always, bool never, const InterruptWatch& interrupt);

}  // namespace corvane
