#pragma once
// Everything one solve works with: the problem state, the report going to the
// results file, the copies of lines going to standard output, the message
// service, and optionally listeners to the iterative methods' sweeps, the
// direct methods' factors, the solutions of every method and the working of
// a method step by step, and the progress that the methods tell at their
// step boundaries (and that may stop the run there).

#include "problem/factor_listener.h"
#include "problem/iteration_listener.h"
#include "problem/messages.h"
#include "problem/solution_listener.h"
#include "problem/step_listener.h"
#include "problem/problem_state.h"
#include "problem/run_progress.h"
#include "textio/record_writer.h"

namespace corvane {

struct RunContext {
    ProblemState& state;
    RecordWriter& report;
    RecordWriter& console;
    MessageService& messages;
    IterationListener* iterations = nullptr;
    FactorListener* factors = nullptr;
    SolutionListener* solutions = nullptr;
    RunProgress* progress = nullptr;
    StepListener* steps = nullptr;  // the methods run their plain loops and tell each step
    // Gauss-Seidel and SOR: the sweeps go on where dx does not decrease, and
    // only EPS, NLIM or an iterate that is not finite end them (the
    // relaxation explorer's look past the growth test). Such a run is not
    // the SOLVE's; its report is not kept.
    bool pastGrowth = false;
};

}  // namespace corvane
