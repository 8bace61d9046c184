#pragma once
// The exit statuses every subcommand shares, and the status of an action
// that ended in the error boundary.

#include "app/error_boundary.h"

namespace corvane {

enum ExitStatus {
    kSuccess = 0,
    kUsage = 1,
    kReadFailed = 2,
    kRefused = 3,
    kWriteFailed = 4,
    kInternalError = 5,
    kOutOfMemory = 6,
    kInterrupted = 130,  // as a shell reports a program ended by Ctrl-C
};

// The status of an action run in the error boundary that did not complete
// (kSuccess when it did).
int exitStatus(ActionOutcome outcome);

}  // namespace corvane
