#pragma once
// Messages of a run off the dialog's thread: kept while it runs and shown on
// the dialog's thread once it has ended (every message of a Read or a SOLVE
// ends what it was doing, so nothing waits for them).

#include <string>
#include <vector>

#include "problem/messages.h"

namespace corvane {

class HeldMessages : public MessageService {
public:
    void show(std::string_view text, std::string_view title, MessageIcon icon) override {
        held_.push_back({std::string(text), std::string(title), icon});
    }

    // Shows the messages kept, in their order, and forgets them.
    void showOn(MessageService& messages) {
        std::vector<Message> held;
        held.swap(held_);
        for (const Message& m : held) messages.show(m.text, m.title, m.icon);
    }

private:
    struct Message {
        std::string text;
        std::string title;
        MessageIcon icon;
    };
    std::vector<Message> held_;
};

}  // namespace corvane
