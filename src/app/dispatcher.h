#pragma once
// What the SOLVE button runs: convert the iteration parameters, write the run
// header and hand the problem to the condition-number report or a method.

#include <string_view>

#include "problem/run_context.h"

namespace corvane {

// A worker writes its report through the context; it takes everything else
// from the problem state.
using Worker = void (*)(RunContext&);

// A check made before anything is written; returns the text of the refusal
// message (title "Eroare"), or an empty view when the run may go ahead.
using Precheck = std::string_view (*)(const ProblemState&);

struct MethodEntry {
    Method method;
    Worker run;
    Precheck precheck;  // nullptr when there is nothing to check
};

struct WorkerTable {
    Worker condition;  // the condition-number report
    const MethodEntry* methods;
    int methodCount;
};

const WorkerTable& workerTable();

// The method entry that SOLVE would run for IMETODA, or nullptr (no method).
const MethodEntry* chosenMethod(const ProblemState& state);

// Converts EPS and NLIM (Gauss-Seidel, SOR) and OMEGA, OMEGA1 (SOR) from their
// texts. A text that is not a number counts as 0.
void READ_EPSNLIMOMEGA(ProblemState& state);

enum class SolveOutcome {
    Ran,          // a report was written
    Refused,      // a message told the user why; nothing was written
    WriteFailed,  // the results file refused a write; the user was told
    Interrupted,  // stopped on the user's request; the report ends with the interruption line
};

// The report's last record after a run stopped on the user's request,
// written list-directed like the methods' other "* ..." message records.
inline constexpr std::string_view kRunInterruptedText = "* Rulare intrerupta.";

SolveOutcome CORVANEAPPLY(RunContext& context);

}  // namespace corvane
