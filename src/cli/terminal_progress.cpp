#include "cli/terminal_progress.h"

#include <unistd.h>

#include "app/progress_text.h"

namespace corvane {
namespace {

constexpr int kEnglish = 2;
constexpr int kBarWidth = 24;
constexpr auto kTerminalInterval = std::chrono::milliseconds(100);
constexpr auto kLineInterval = std::chrono::seconds(1);

std::string bar(double fraction) {
    const int full = static_cast<int>(fraction * kBarWidth + 0.5);
    return "[" + std::string(static_cast<std::size_t>(full), '#') + std::string(static_cast<std::size_t>(kBarWidth - full), '.') +
           "] " + std::to_string(static_cast<int>(fraction * 100.0)) + "% ";
}

}  // namespace

TerminalProgress::TerminalProgress(std::FILE* out, bool show, bool terminal, Clock::duration delay,
                                   const InterruptWatch& interrupt)
    : out_(out), show_(show), terminal_(terminal), delay_(delay), interrupt_(interrupt) {
    start();
}

void TerminalProgress::start() {
    started_ = Clock::now();
    anyDrawn_ = false;
}

void TerminalProgress::reached(RunPhase phase, int step, int total) {
    if (!show_) return;
    const Clock::time_point now = Clock::now();
    if (now - started_ < delay_) return;
    const bool newPhase = !anyDrawn_ || phase != lastPhase_;
    if (!newPhase && now - drawn_ < (terminal_ ? kTerminalInterval : kLineInterval)) return;
    drawn_ = now;
    lastPhase_ = phase;
    anyDrawn_ = true;
    draw({phase, step, total, true});
}

void TerminalProgress::draw(const ProgressSnapshot& where) {
    const std::optional<double> fraction = progressFraction(where);
    const std::string line = (fraction ? bar(*fraction) : std::string()) + subject_ + progressText(where, kEnglish);
    if (!terminal_) {
        std::fprintf(out_, "corvane: %s\n", line.c_str());
        return;
    }
    // Blanks over what is left of a longer line drawn before.
    const std::size_t pad = lineLength_ > line.size() ? lineLength_ - line.size() : 0;
    std::fprintf(out_, "\r%s%s", line.c_str(), std::string(pad, ' ').c_str());
    std::fflush(out_);
    lineLength_ = line.size();
}

void TerminalProgress::finish() {
    if (terminal_ && lineLength_ > 0) {
        std::fprintf(out_, "\r%s\r", std::string(lineLength_, ' ').c_str());
        std::fflush(out_);
    }
    lineLength_ = 0;
    anyDrawn_ = false;
}

void TerminalProgress::setSubject(std::string subject) {
    subject_ = std::move(subject);
    anyDrawn_ = false;
}

TerminalProgress progressDisplay(bool always, bool never, const InterruptWatch& interrupt) {
    const bool terminal = ::isatty(STDERR_FILENO) != 0;
    const bool show = always || (terminal && !never);
    const auto delay = always ? std::chrono::milliseconds(0) : std::chrono::milliseconds(500);
    return TerminalProgress(stderr, show, terminal, delay, interrupt);
}

}  // namespace corvane
