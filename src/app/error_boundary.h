#pragma once
// The boundary around one user action (a Read, a SOLVE, a control of the
// dialog): no exception leaves it. Whatever the action throws is shown as a
// message titled "Error" and told to the caller as an outcome, which the
// dialog ignores (it goes on) and the command line maps to its exit status.

#include <functional>

#include "problem/messages.h"

namespace corvane {

enum class ActionOutcome {
    Completed,    // the action returned
    WriteFailed,  // a report write failed (WriteError)
    OutOfMemory,  // memory ran out (std::bad_alloc)
    Failed,       // any other exception: a fault of the program
};

ActionOutcome runGuarded(const std::function<void()>& action, MessageService& messages);

}  // namespace corvane
