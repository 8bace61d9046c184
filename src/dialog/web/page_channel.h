#pragma once
// The road between the dialog's controller, which runs in the page's worker,
// and the page that draws its windows: messages to the page, questions that
// wait for the page's answer, and the stop the page's Cancel or Stop asks for.

#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace corvane {

using Json = nlohmann::json;

struct PageAnswer {
    Json value;         // what the page answered
    std::string bytes;  // a file's content, when the answer carries one
};

class PageChannel {
public:
    virtual ~PageChannel() = default;

    // Tells the page something; the page does not answer.
    virtual void post(const Json& message) = 0;
    // Asks the page (a window the user has to close, a choice) and returns
    // its answer; the worker waits for it, as a modal window makes the
    // desktop's dialog wait. `bytes` go with the question (a file to edit).
    virtual PageAnswer ask(const Json& question, std::string_view bytes = {}) = 0;

    // Whether the page asked the run in progress to stop; cleared when a run
    // begins.
    virtual bool stopRequested() = 0;
    virtual void clearStop() = 0;

    // Milliseconds on a steady clock.
    virtual double now() = 0;
    // Sends the page what changed in the working folder.
    virtual void syncFiles() = 0;
    // Runs `task` on a later turn of the worker's event loop, after the
    // page's messages that came in meanwhile.
    virtual void soon(std::function<void()> task) = 0;
};

}  // namespace corvane
