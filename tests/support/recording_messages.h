#pragma once
// A message service for tests: remembers every message instead of showing it.

#include <string>
#include <vector>

#include "problem/messages.h"

namespace corvane::testing {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
};

class RecordingMessages : public MessageService {
public:
    void show(std::string_view text, std::string_view title, MessageIcon icon) override {
        shown.push_back({std::string(text), std::string(title), icon});
    }
    std::vector<ShownMessage> shown;
};

}  // namespace corvane::testing
