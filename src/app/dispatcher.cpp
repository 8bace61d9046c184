#include "app/dispatcher.h"

#include <string>

#include "report/run_header.h"
#include "textio/list_directed_input.h"

namespace corvane {
namespace {


template <typename T>
T parameterValue(const std::string& text) {
    T value{};
    if (!parseListDirectedValue(std::string_view(text).substr(0, kParameterTextLength), value)) return T{};
    return value;
}

SolveOutcome refuse(RunContext& context, std::string_view text) {
    context.messages.show(text, message::kErrorTitle, MessageIcon::Error);
    return SolveOutcome::Refused;
}

// Runs the chosen worker once its precheck passed. The run header comes
// first; for the iterative methods it follows the
// conversion of their parameters and their check.
SolveOutcome dispatch(RunContext& context) {
    ProblemState& state = context.state;
    READ_EPSNLIMOMEGA(state);
    const MethodEntry* method = state.CONDITIE ? nullptr : chosenMethod(state);
    if (method != nullptr && method->precheck != nullptr) {
        std::string_view refusal = method->precheck(state);
        if (!refusal.empty()) return refuse(context, refusal);
    }
    if (!isIterative(state.IMETODA)) PRINT_CODURI(state, context.report);
    if (state.CONDITIE) {
        workerTable().condition(context);
        return SolveOutcome::Ran;
    }
    if (method == nullptr) return SolveOutcome::Ran;
    if (isIterative(state.IMETODA)) PRINT_CODURI(state, context.report);
    method->run(context);
    return SolveOutcome::Ran;
}

// A run stopped at a step boundary: the records written so far stay, the
// interruption line closes them.
SolveOutcome runUntilStopped(RunContext& context) {
    try {
        return dispatch(context);
    } catch (const RunInterrupted&) {
        context.report.writeList({kRunInterruptedText});
        return SolveOutcome::Interrupted;
    }
}

}  // namespace

const MethodEntry* chosenMethod(const ProblemState& state) {
    const WorkerTable& table = workerTable();
    for (int k = 0; k < table.methodCount; ++k) {
        if (table.methods[k].method == state.IMETODA) return &table.methods[k];
    }
    return nullptr;
}

void READ_EPSNLIMOMEGA(ProblemState& state) {
    if (!isIterative(state.IMETODA)) return;
    state.EPS = parameterValue<float>(state.EPS_TEXT);
    state.NLIM = parameterValue<int>(state.NLIM_TEXT);
    if (state.IMETODA == Method::Sor) {
        state.OMEGA = parameterValue<float>(state.OMEGA_TEXT);
        state.OMEGA1 = 1.0f - state.OMEGA;
    }
}

SolveOutcome CORVANEAPPLY(RunContext& context) {
    try {
        const SolveOutcome outcome = runUntilStopped(context);
        context.report.flush();  // every way out: the run's records are on disk, or the failure is told
        return outcome;
    } catch (const WriteError& error) {
        context.messages.show(error.what(), "Error", MessageIcon::Error);
        return SolveOutcome::WriteFailed;
    }
}

}  // namespace corvane
