#include "app/error_boundary.h"

#include <exception>
#include <new>

#include "textio/record_sink.h"

namespace corvane {
namespace {

constexpr std::string_view kTitle = "Error";
constexpr std::string_view kOutOfMemory = "Not enough memory for this problem.";
constexpr std::string_view kUnknownFailure = "An unexpected failure stopped this action.";

ActionOutcome tell(MessageService& messages, std::string_view text, ActionOutcome outcome) {
    messages.show(text, kTitle, MessageIcon::Error);
    return outcome;
}

}  // namespace

ActionOutcome runGuarded(const std::function<void()>& action, MessageService& messages) {
    try {
        action();
        return ActionOutcome::Completed;
    } catch (const std::bad_alloc&) {
        return tell(messages, kOutOfMemory, ActionOutcome::OutOfMemory);
    } catch (const WriteError& error) {
        return tell(messages, error.what(), ActionOutcome::WriteFailed);
    } catch (const std::exception& error) {
        return tell(messages, error.what(), ActionOutcome::Failed);
    } catch (...) {
        return tell(messages, kUnknownFailure, ActionOutcome::Failed);
    }
}

}  // namespace corvane
