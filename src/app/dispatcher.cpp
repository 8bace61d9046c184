#include "app/dispatcher.h"

#include <string>

#include "textio/list_directed_input.h"
#include "report/run_header.h"

namespace corvane {
namespace {

constexpr std::size_t kParameterTextLength = 10;

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

SolveOutcome dispatch(RunContext& context) {
    ProblemState& state = context.state;
    READ_EPSNLIMOMEGA(state);
    const MethodEntry* method = state.CONDITIE ? nullptr : chosenMethod(state);
    if (method != nullptr && method->precheck != nullptr) {
        std::string_view refusal = method->precheck(state);
        if (!refusal.empty()) return refuse(context, refusal);
    }
    if (state.IMETODA <= 3) PRINT_CODURI(state, context.report);
    if (state.CONDITIE) {
        if (workerTable().condition != nullptr) workerTable().condition(context);
        context.report.flush();
        return SolveOutcome::Ran;
    }
    if (method == nullptr) return SolveOutcome::Ran;
    if (method->name == "Gauss-Seidel" && (state.EPS == 0 || state.NLIM == 0)) {
        return refuse(context, message::kEnterEpsNlim);
    }
    if (method->name == "SOR" && (state.EPS == 0 || state.NLIM == 0 || state.OMEGA == 0)) {
        return refuse(context, message::kEnterEpsNlimOmega);
    }
    if (state.IMETODA > 3) PRINT_CODURI(state, context.report);
    if (method->run != nullptr) method->run(context);
    context.report.flush();
    return SolveOutcome::Ran;
}

}  // namespace

const MethodEntry* chosenMethod(const ProblemState& state) {
    if (state.IMETODA < 1 || state.IMETODA > static_cast<int>(state.METODA.size())) return nullptr;
    std::string_view name = trimmed(state.methodName(state.IMETODA));
    const WorkerTable& table = workerTable();
    for (int k = 0; k < table.methodCount; ++k) {
        if (table.methods[k].name == name) return &table.methods[k];
    }
    return nullptr;
}

bool workerAvailable(const ProblemState& state) {
    if (state.CONDITIE) return workerTable().condition != nullptr;
    const MethodEntry* method = chosenMethod(state);
    return method == nullptr || method->run != nullptr;
}

void READ_EPSNLIMOMEGA(ProblemState& state) {
    if (state.IMETODA < 4) return;
    state.EPS = parameterValue<float>(state.EPS_TEXT);
    state.NLIM = parameterValue<int>(state.NLIM_TEXT);
    if (state.IMETODA == 5) {
        state.OMEGA = parameterValue<float>(state.OMEGA_TEXT);
        state.OMEGA1 = 1.0f - state.OMEGA;
    }
}

SolveOutcome CORVANEAPPLY(RunContext& context) {
    try {
        const SolveOutcome outcome = dispatch(context);
        context.report.flush();  // every way out: the run's records are on disk, or the failure is told
        return outcome;
    } catch (const WriteError& error) {
        context.messages.show(error.what(), "Error", MessageIcon::Error);
        return SolveOutcome::WriteFailed;
    }
}

}  // namespace corvane
