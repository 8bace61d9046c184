#include "cli/exit_status.h"

namespace corvane {

int exitStatus(ActionOutcome outcome) {
    switch (outcome) {
        case ActionOutcome::Completed: return kSuccess;
        case ActionOutcome::WriteFailed: return kWriteFailed;
        case ActionOutcome::OutOfMemory: return kOutOfMemory;
        case ActionOutcome::Failed: return kInternalError;
    }
    return kInternalError;
}

}  // namespace corvane
