#pragma once
// Message boxes: a text, a title and an icon, one OK button. The dialog shows
// them in a window, the command line prints them on standard error.

#include <string>
#include <string_view>

namespace corvane {

enum class MessageIcon { Error, Information, None };

class MessageService {
public:
    virtual ~MessageService() = default;
    // Returns when the user has closed the message.
    virtual void show(std::string_view text, std::string_view title, MessageIcon icon) = 0;
};

// Shows nothing: for runs made on the user's behalf whose messages would
// only repeat what the user already saw.
class SilentMessages : public MessageService {
public:
    void show(std::string_view, std::string_view, MessageIcon) override {}
};

// Keeps the text of the last message shown: a run made on the user's
// behalf tells its refusal with it.
class LastMessage : public MessageService {
public:
    void show(std::string_view text, std::string_view, MessageIcon) override { text_ = text; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Texts and titles of the messages; they do not follow the interface language.
namespace message {
inline constexpr std::string_view kReadError = "Eroare de citire in fisierul de date";
inline constexpr std::string_view kReadErrorTitle = "Error";
inline constexpr std::string_view kEnterEpsNlim = "Introdu EPS si/sau NLIM";
inline constexpr std::string_view kEnterEpsNlimOmega = "Introdu EPS si/sau NLIM si/sau OMEGA";
inline constexpr std::string_view kErrorTitle = "Eroare";
}  // namespace message

}  // namespace corvane
