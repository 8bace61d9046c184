#include "cli/omega_command.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "app/dispatcher.h"
#include "app/iteration_history.h"
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

void printRow(const OmegaRow& row, bool csv) {
    const std::string omega = shortestFloatText(row.omega);
    const std::string dx = shortestFloatText(row.dx);
    if (csv) {
        std::cout << omega << ',' << row.sweeps << ',' << endText(row.end) << ',' << dx << '\n';
    } else {
        std::printf("%10s %8d  %-11s %s\n", omega.c_str(), row.sweeps, std::string(endText(row.end)).c_str(), dx.c_str());
    }
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
    definePlotOptions(omega, o.plot, "draw the sweeps against omega with the best marked");
    omega.footer(
        "Runs SOR on the first right-hand side for omega = FROM + k*STEP <= TO, each run exactly what\n"
        "solve --method sor --omega W reports, and names the omega that reached the tolerance in the\n"
        "fewest sweeps (the smaller one on a tie). Exit status: 0 done; 1 usage error; 2 the data file\n"
        "cannot be read; 3 EPS or NLIM is 0; 4 the plot file cannot be written.");
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
    if (o.csv) std::cout << "omega,sweeps,outcome,dx\n";
    else std::printf("%10s %8s  %-11s %s\n", "omega", "sweeps", "outcome", "dx");
    const std::vector<float> omegas = omegaValues({o.from, o.to, o.step});
    const bool showProgress = ::isatty(STDERR_FILENO) && !::isatty(STDOUT_FILENO);
    const InterruptWatch interrupt;
    std::size_t done = 0;
    const std::vector<OmegaRow> rows = exploreOmega(
        state, omegas,
        [&](const OmegaRow& row) {
            printRow(row, o.csv);
            std::cout.flush();
            if (showProgress) tellProgress(row, ++done, omegas.size());
        },
        [&] { return interrupt.requested(); });
    const std::optional<float> best = bestOmega(rows);
    if (o.csv) {
        std::cout << "best," << (best ? shortestFloatText(*best) : "") << '\n';
    } else if (best) {
        std::cout << "best omega: " << shortestFloatText(*best) << '\n';
    } else {
        std::cout << "best omega: none (no omega reached the tolerance)\n";
    }
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
