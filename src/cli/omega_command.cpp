#include "cli/omega_command.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "app/dispatcher.h"
#include "app/iteration_history.h"
#include "textio/decimal_text.h"
#include "app/omega_explorer.h"
#include "app/option_rules.h"
#include "cli/data_file_reading.h"
#include "cli/exit_status.h"
#include "cli/interrupt_watch.h"
#include "cli/solve_options.h"

namespace corvane {
namespace {


std::string_view endText(const std::optional<IterationEnd>& end) { return end ? endName(*end) : "not-run"; }

// The state as the dialog would have it for SOR with these options, before the Read.
std::string setUp(const OmegaOptions& o, ProblemState& s, MessageService& messages) {
    INITIALIZEDATA(s);
    setProblemKind(s, ProblemKind::System);
    const std::string matrixError = applyMatrixOptions(o.matrix, o.generate, o.invertEntries, s);
    if (!matrixError.empty()) return matrixError;
    chooseMethod(s, Method::Sor, messages);
    s.EPS_TEXT = o.eps.substr(0, kParameterTextLength);
    s.NLIM_TEXT = o.nlim.substr(0, kParameterTextLength);
    if (!(o.step > 0.0)) return "--step must be positive";
    if (!(o.from > 0.0)) return "--from must be positive (SOR refuses an Omega of 0)";
    if (o.to < o.from) return "--to must not be below --from";
    return "";
}

// One line per finished factor on standard error (a terminal), for a user
// whose standard output goes to a file.
void tellProgress(const OmegaRow& row, std::size_t done, std::size_t count) {
    std::cerr << "omega " << shortestFloatText(row.omega) << ": " << row.sweeps << " sweeps, " << endText(row.end)
              << " (" << done << " of " << count << ")\n";
}

// "not the solve's (it stops at sweep 18: dx grew)" for a row run past the
// sweep at which the SOLVE's growth test stops; empty for a row that is the SOLVE's.
std::string growthMark(const OmegaRow& row) {
    if (!row.solveStop) return "";
    const char* why = row.solveStop->end == IterationEnd::Stagnation ? "dx equalled the one before" : "dx grew";
    return "not the solve's (it stops at sweep " + std::to_string(row.solveStop->sweep) + ": " + why + ")";
}

void printHeader(const OmegaOptions& o) {
    if (o.csv) std::cout << (o.pastGrowth ? "omega,sweeps,outcome,dx,solve_stops_at\n" : "omega,sweeps,outcome,dx\n");
    else if (o.pastGrowth) std::printf("%10s %8s  %-11s %-15s %s\n", "omega", "sweeps", "outcome", "dx", "solve");
    else std::printf("%10s %8s  %-11s %s\n", "omega", "sweeps", "outcome", "dx");
}

// Past the growth test, a last column tells the rows that are not the SOLVE's.
void printRow(const OmegaRow& row, const OmegaOptions& o) {
    const std::string omega = shortestFloatText(row.omega);
    const std::string dx = shortestFloatText(row.dx);
    const std::string end(endText(row.end));
    if (o.csv) {
        std::cout << omega << ',' << row.sweeps << ',' << end << ',' << dx;
        if (o.pastGrowth) std::cout << ',' << (row.solveStop ? std::to_string(row.solveStop->sweep) : "");
        std::cout << '\n';
    } else if (o.pastGrowth) {
        char line[200];
        std::snprintf(line, sizeof line, "%10s %8d  %-11s %-15s %s", omega.c_str(), row.sweeps, end.c_str(), dx.c_str(),
                      growthMark(row).c_str());
        std::string text(line);
        text.erase(text.find_last_not_of(' ') + 1);
        std::cout << text << '\n';
    } else {
        std::printf("%10s %8d  %-11s %s\n", omega.c_str(), row.sweeps, end.c_str(), dx.c_str());
    }
}

void printBest(const std::vector<OmegaRow>& rows, const std::optional<float>& best, bool csv) {
    if (csv) {
        std::cout << "best," << (best ? shortestFloatText(*best) : "") << '\n';
        return;
    }
    if (!best) {
        std::cout << "best omega: none (no omega reached the tolerance)\n";
        return;
    }
    std::cout << "best omega: " << shortestFloatText(*best);
    for (const OmegaRow& row : rows) {
        if (row.omega == *best && row.solveStop) std::cout << ", " << growthMark(row);
    }
    std::cout << '\n';
}

}  // namespace

void defineOmegaOptions(CLI::App& omega, OmegaOptions& o) {
    omega.add_option("FILE", o.dataFile, "data file (read only, never written)")->required();
    omega.add_option("--matrix", o.matrix, "general or symmetric (upper triangle in the file)")
        ->check(CLI::IsMember({"general", "symmetric"}));
    omega.add_option("--generate", o.generate, "generate A: " + testMatrixNames());
    omega.add_flag("--invert-entries", o.invertEntries, "replace every entry read from the file by its reciprocal");
    omega.add_option("--eps", o.eps, "iteration tolerance EPS (text, as for solve)")->required();
    omega.add_option("--nlim", o.nlim, "iteration limit NLIM (text, as for solve)")->required();
    omega.add_option("--from", o.from, "first relaxation factor (default 0.05)");
    omega.add_option("--to", o.to, "last relaxation factor at most (default 1.95)");
    omega.add_option("--step", o.step, "step between factors (default 0.05)");
    omega.add_flag("--csv", o.csv, "print omega,sweeps,outcome,dx rows and best,<omega> only");
    omega.add_flag("--past-growth", o.pastGrowth,
                   "run each omega to EPS or NLIM without the test that stops the sweeps when dx grows; rows that "
                   "went past it are marked as not the solve's (CSV: solve_stops_at)");
    definePlotOptions(omega, o.plot, "draw the sweeps against omega with the best marked");
    omega.footer(
        "Runs SOR on the first right-hand side for omega = FROM + k*STEP <= TO, each run exactly what\n"
        "solve --method sor --omega W reports, and names the omega that reached the tolerance in the\n"
        "fewest sweeps (the smaller one on a tie). A solve stops the sweeps when dx fails to decrease\n"
        "twice (or equals the one before), also while the iteration converges; --past-growth shows where\n"
        "SOR really converges, and names the sweep at which a solve would stop instead. Exit status:\n"
        "0 done; 1 usage error; 2 the data file cannot be read; 3 EPS or NLIM is 0; 4 the plot file\n"
        "cannot be written.");
}

int runOmega(const OmegaOptions& o, PlotRenderer* plots) {
    StandardErrorMessages messages;
    ProblemState state;
    std::string usage = setUp(o, state, messages);
    if (usage.empty()) usage = plotOptionsError(o.plot, plots);
    if (!usage.empty()) {
        std::cerr << "corvane: " << usage << "\n";
        return kUsage;
    }
    if (!readDataFileOnly(o.dataFile, state, messages)) return kReadFailed;
    warnOfInfiniteReciprocal(state);
    const std::string_view refusal = explorerPrecheck(state);
    if (!refusal.empty()) {
        messages.show(refusal, message::kErrorTitle, MessageIcon::Error);
        return kRefused;
    }
    printHeader(o);
    const std::vector<float> omegas = omegaValues({o.from, o.to, o.step});
    const bool showProgress = ::isatty(STDERR_FILENO) && !::isatty(STDOUT_FILENO);
    const InterruptWatch interrupt;
    std::size_t done = 0;
    const std::vector<OmegaRow> rows = exploreOmega(
        state, omegas,
        [&](const OmegaRow& row) {
            printRow(row, o);
            std::cout.flush();
            if (showProgress) tellProgress(row, ++done, omegas.size());
        },
        [&] { return interrupt.requested(); }, o.pastGrowth ? GrowthTest::PassedOver : GrowthTest::Stops);
    const std::optional<float> best = bestOmega(rows);
    printBest(rows, best, o.csv);
    if (interrupt.requested()) {
        // The rows so far stand, with the best among them; no plot is drawn.
        std::cerr << "corvane: stopped after " << rows.size() << " of " << omegas.size() << " factors\n";
        return kInterrupted;
    }
    if (!o.plot.path.empty() && !plots->writeOmegaPlot(o.plot.path, rows, best, *plotSize(o.plot.size))) {
        messages.show("cannot write the plot file " + o.plot.path, "Error", MessageIcon::Error);
        return kWriteFailed;
    }
    return 0;
}

}  // namespace corvane
