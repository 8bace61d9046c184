#pragma once
// Ctrl-C while a command works: the first one asks the work to stop at its
// next step boundary (the command then ends with kInterrupted); a second one
// ends the program at once, as usual.
//
// Under node (WebAssembly) no signal reaches the program: the launcher takes
// Ctrl-C on node's main thread while the program runs in a worker, and the
// program asks it through the module's interruptRequested().

#include <csignal>

namespace corvane {

#ifdef __EMSCRIPTEN__
// True once the launcher has been asked to interrupt the run.
bool interruptRequestedByHost();

class InterruptWatch {
public:
    InterruptWatch() = default;
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;
    bool requested() const { return interruptRequestedByHost(); }
};
#else

class InterruptWatch {
public:
    InterruptWatch() {
        flag() = 0;
        previous_ = std::signal(SIGINT, [](int) {
            flag() = 1;
            std::signal(SIGINT, SIG_DFL);
        });
    }
    ~InterruptWatch() { std::signal(SIGINT, previous_); }
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;
    bool requested() const { return flag() != 0; }

private:
    static volatile std::sig_atomic_t& flag() {
        static volatile std::sig_atomic_t requested = 0;
        return requested;
    }
    void (*previous_)(int) = SIG_DFL;
};
#endif

}  // namespace corvane
