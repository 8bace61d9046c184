#include "cli/command_line.h"

#include <fcntl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "cli/compare_command.h"
#include "cli/data_file_reading.h"
#include "cli/exit_status.h"
#include "cli/import_command.h"
#include "cli/interrupt_watch.h"
#include "cli/omega_command.h"
#include "cli/report_destination.h"
#include "cli/terminal_progress.h"
#include "cli/thread_count.h"
#include "app/dispatcher.h"
#include "app/conditioning_warning.h"
#include "app/error_boundary.h"
#include "app/true_error.h"
#include "app/iteration_history.h"
#include "app/version.h"
#include "kernels/kernel_threads.h"
#include "problem/input_file.h"
#include "textio/results_file.h"
#include "textio/standard_output_sink.h"
#include "textio/stream_report.h"

namespace corvane {
namespace {

constexpr const char* kSolveHelp =
    "Reads the problem from the data FILE and solves it, as the dialog does after Read and SOLVE.\n"
    "The report is written after the data in FILE (replacing earlier reports), or to --report-to\n"
    "(\"-\": standard output).\n"
    "Messages are printed on standard error as TITLE: TEXT; lines the methods copy to standard output\n"
    "go there (to standard error when the report goes to standard output).\n"
    "Exit status: 0 read and every SOLVE ran (numerical failures are in the report); 1 usage error;\n"
    "2 the data file cannot be opened or read; 3 a SOLVE was refused; 4 the report could not be written;\n"
    "5 internal error (the program failed unexpectedly); 6 not enough memory for the problem;\n"
    "130 stopped by Ctrl-C (the report ends with the line \" * Rulare intrerupta.\").\n"
    "On a terminal, a SOLVE that lasts more than half a second shows its progress on standard error.";


void defineSolveOptions(CLI::App& solve, SolveOptions& o) {
    solve.add_option("FILE", o.dataFile, "data file (the results file)")->required();
    solve.add_option("--problem", o.problem, "system, inverse or condition (number)")
        ->check(CLI::IsMember({"system", "inverse", "condition"}));
    solve.add_option("--matrix", o.matrix, "general or symmetric (upper triangle in the file)")
        ->check(CLI::IsMember({"general", "symmetric"}));
    solve.add_option("--generate", o.generate, "generate A: " + testMatrixNames());
    solve.add_flag("--invert-entries", o.invertEntries, "replace every entry read from the file by its reciprocal");
    solve.add_option("--method", o.method, "gauss, lu, cholesky, gauss-seidel or sor")
        ->check(CLI::IsMember({"gauss", "lu", "cholesky", "gauss-seidel", "sor"}));
    solve.add_option("--norm", o.norm, "condition number norm: inf, 1, 2 or cond (spectral estimate)")
        ->check(CLI::IsMember({"inf", "1", "2", "cond"}));
    solve.add_option("--eps", o.eps, "iteration tolerance EPS (text, converted at SOLVE)");
    solve.add_option("--nlim", o.nlim, "iteration limit NLIM (text, converted at SOLVE)");
    solve.add_option("--omega", o.omega, "SOR relaxation factor OMEGA (text, converted at SOLVE)");
    solve.add_flag("--print-matrix", o.printMatrix, "print the system matrix");
    solve.add_flag("--print-determinant", o.printDeterminant, "print L and U (or S) and the determinant");
    solve.add_flag("--print-iterations", o.printIterations, "print every iteration");
    solve.add_option("--check", o.check, "solution check: max (largest difference) or each (every equation)")
        ->check(CLI::IsMember({"max", "each"}));
    solve.add_option("--report-to", o.reportTo,
                     "write the report to this file (created or emptied), or to standard output (\"-\"), a pipe or a "
                     "device, and leave FILE unchanged");
    solve.add_option("--history", o.history,
                     "Gauss-Seidel and SOR: write the sweeps of the last SOLVE to this file as CSV "
                     "(rhs,sweep,dx,outcome)");
    solve.add_option("--exact", o.exact,
                     "systems: \"ones\" (each b was made as A*(1,...,1)) or a file with the exact solutions (n values "
                     "per right-hand side, each starting on a new line); the error of x goes to standard error");
    solve.add_flag("--quiet", o.quiet,
                   "no warning when the matrix is ill-conditioned (Gauss, LU, Cholesky: cond1(A) estimated "
                   "from the factors)");
    definePlotOptions(solve, o.plot, "Gauss-Seidel and SOR: draw the last SOLVE's dx per sweep");
    CLI::Option* progress =
        solve.add_flag("--progress", o.progress, "show the progress of each SOLVE on standard error, also when it is no terminal");
    solve.add_flag("--no-progress", o.noProgress, "never show the progress")->excludes(progress);
    solve.add_option("--solves", o.solves, "press SOLVE this many times after the one Read")->check(CLI::NonNegativeNumber);
    solve.footer(kSolveHelp);
}

bool samePath(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::exists(b, error) && std::filesystem::equivalent(a, b, error);
}


// Where the report goes once the problem has been read: the results file
// (the data file itself, or a regular file named by --report-to), or a stream.
struct Report {
    ResultsFile file;
    std::unique_ptr<StreamReport> stream;
    RecordSink& sink() { return stream ? static_cast<RecordSink&>(*stream) : file; }
};

// Opens the --report-to target; the report starts at its first byte. Returns an exit status.
int openReportTo(const std::string& path, Report& report, MessageService& messages) {
    const ReportDestination destination = reportDestination(path);
    if (destination == ReportDestination::StandardOutput) {
        report.stream = std::make_unique<StreamReport>(STDOUT_FILENO, false);
        return kSuccess;
    }
    if (destination == ReportDestination::Stream) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd >= 0) {
            report.stream = std::make_unique<StreamReport>(fd, true);
            return kSuccess;
        }
    } else if (report.file.open(path)) {
        report.file.positionAfterData(0, false);
        report.file.cut();  // empties it now, even when no record follows; a failure throws WriteError (status 4)
        return kSuccess;
    }
    messages.show("cannot open the report file " + path, "Error", MessageIcon::Error);
    return kWriteFailed;
}

// Reads the problem into `state` and opens where the report goes. Returns an exit status.
int readProblem(const SolveOptions& o, ProblemState& state, Report& report, MessageService& messages,
                RunProgress& progress) {
    const std::filesystem::path data(o.dataFile);
    std::error_code error;
    if (!std::filesystem::is_regular_file(data, error)) {
        messages.show("cannot open the data file " + o.dataFile, "Error", MessageIcon::Error);
        return kReadFailed;
    }
    if (o.reportTo.empty()) {
        if (!report.file.open(o.dataFile)) {
            messages.show("cannot open the data file " + o.dataFile, "Error", MessageIcon::Error);
            return kReadFailed;
        }
        return READINPUTFILE(state, report.file, messages, &progress) ? kSuccess : kReadFailed;
    }
    if (!readDataFileOnly(o.dataFile, state, messages, &progress)) return kReadFailed;
    return openReportTo(o.reportTo, report, messages);
}

// Writes `text` to a new or emptied file; false when that fails.
bool writeTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

// The warning line on standard error when cond1(A) leaves few correct digits.
void warnOfConditioning(double conditionOne) {
    if (const std::optional<ConditioningWarning> warning = conditioningWarning(conditionOne)) {
        std::cerr << warningLine(*warning) << std::endl;
    }
}

// How far the SOLVE's answer is from the exact one, on standard error: one
// line per right-hand side, or one line for an inverse.
void tellTrueErrors(const ProblemState& state, const RealMatrix& X, const ExactAnswer& exact) {
    if (state.INVERSARE) {
        std::cerr << inverseErrorLine(wholeError(X, exact)) << "\n";
        return;
    }
    const std::vector<TrueError> errors = trueErrors(X, exact);
    for (std::size_t k = 0; k < errors.size(); ++k) std::cerr << trueErrorLine(static_cast<int>(k) + 1, errors[k]) << "\n";
}


// The files of --history and --plot, from the last SOLVE. Returns an exit status.
int writeSweepFiles(const SolveOptions& o, const IterationHistory& history, float eps, PlotRenderer* plots,
                    MessageService& messages) {
    if (!o.history.empty() && !writeTextFile(o.history, historyCsv(history))) {
        messages.show("cannot write the history file " + o.history, "Error", MessageIcon::Error);
        return kWriteFailed;
    }
    if (!o.plot.path.empty() && !plots->writeHistoryPlot(o.plot.path, history, eps, *plotSize(o.plot.size))) {
        messages.show("cannot write the plot file " + o.plot.path, "Error", MessageIcon::Error);
        return kWriteFailed;
    }
    return kSuccess;
}

// Shown when standard error is a terminal, unless told otherwise; once the
// run has lasted half a second, or at once when asked for.
TerminalProgress progressDisplay(const SolveOptions& o, const InterruptWatch& interrupt) {
    const bool terminal = ::isatty(STDERR_FILENO) != 0;
    const bool show = o.progress || (terminal && !o.noProgress);
    const auto delay = o.progress ? std::chrono::milliseconds(0) : std::chrono::milliseconds(500);
    return TerminalProgress(stderr, show, terminal, delay, interrupt);
}

// The Read, then SOLVE as many times as asked. Returns an exit status.
int readAndSolve(const SolveOptions& o, ProblemState& state, RecordSink& console, MessageService& messages,
                 PlotRenderer* plots) {
    const InterruptWatch interrupt;
    TerminalProgress progress = progressDisplay(o, interrupt);
    Report report;
    int status = kSuccess;
    progress.start();
    try {
        status = readProblem(o, state, report, messages, progress);
    } catch (const RunInterrupted&) {
        status = kInterrupted;
    }
    progress.finish();
    if (status == kInterrupted) std::cerr << "corvane: interrupted\n";
    if (status != kSuccess) return status;
    warnOfInfiniteReciprocal(state);
    RecordWriter reportWriter(report.sink());
    RecordWriter consoleWriter(console);
    RunContext context{state, reportWriter, consoleWriter, messages};
    std::optional<ExactAnswer> exact;
    if (!findExactAnswer(o.exact, state, exact, messages)) return kReadFailed;
    IterationHistory history;
    context.progress = &progress;
    for (int k = 0; k < o.solves; ++k) {
        if (interrupt.requested()) return kInterrupted;  // Ctrl-C before this SOLVE began: nothing written
        progress.start();
        history = IterationHistory();  // the file shows the last SOLVE
        context.iterations = &history;
        ConditionEstimate condition;
        context.factors = &condition;
        SolutionCopy solutions;  // an n x nb copy: kept only when there is an exact answer to compare with
        context.solutions = exact ? &solutions : nullptr;
        SolveOutcome outcome = CORVANEAPPLY(context);
        progress.finish();
        if (outcome == SolveOutcome::Interrupted) {
            std::cerr << "corvane: interrupted\n";
            return kInterrupted;
        }
        if (outcome == SolveOutcome::Refused) return kRefused;
        if (outcome == SolveOutcome::WriteFailed) return kWriteFailed;
        if (condition.value() && !o.quiet) warnOfConditioning(*condition.value());
        if (exact && solutions.solutions()) tellTrueErrors(state, *solutions.solutions(), *exact);
    }
    return writeSweepFiles(o, history, state.EPS, plots, messages);
}

bool reportOnStandardOutput(const SolveOptions& o) {
    return !o.reportTo.empty() && reportDestination(o.reportTo) == ReportDestination::StandardOutput;
}

}  // namespace

int runSolve(const SolveOptions& o, RecordSink& console, MessageService& messages, PlotRenderer* plots) {
    ProblemState state;
    INITIALIZEDATA(state);
    if (!o.reportTo.empty() && samePath(o.dataFile, o.reportTo)) {
        std::cerr << "corvane: --report-to must name another file than the data file\n";
        return kUsage;
    }
    std::string usage = applySolveOptions(o, state, messages);
    if (usage.empty()) usage = plotOptionsError(o.plot, plots);
    if (!usage.empty()) {
        std::cerr << "corvane: " << usage << "\n";
        return kUsage;
    }
    int status = kSuccess;
    const ActionOutcome outcome = runGuarded([&] { status = readAndSolve(o, state, console, messages, plots); }, messages);
    return outcome == ActionOutcome::Completed ? status : exitStatus(outcome);
}

int runCommandLine(int argc, char** argv, PlotRenderer* plots) {
    CLI::App app{"corvane: linear systems, inverses and condition numbers, with the working of each method"};
    app.require_subcommand(1, 1);
    app.set_version_flag("--version", std::string("corvane ") + kVersion);
    SolveOptions options;
    CLI::App* solve = app.add_subcommand("solve", "solve one problem from a data file");
    defineSolveOptions(*solve, options);
    OmegaOptions omegaOptions;
    CLI::App* omega = app.add_subcommand("omega", "explore SOR's relaxation factor on a data file");
    defineOmegaOptions(*omega, omegaOptions);
    CompareOptions compareOptions;
    CLI::App* compare = app.add_subcommand("compare", "run every applicable method on a data file, side by side");
    defineCompareOptions(*compare, compareOptions);
    ImportOptions importOptions;
    CLI::App* import = app.add_subcommand("import", "make a data file from a Matrix Market matrix");
    defineImportOptions(*import, importOptions);
    int threads = 0;  // not given
    for (CLI::App* command : {solve, omega, compare}) {
        command->add_option("--threads", threads, threadsOptionHelp())->check(CLI::Range(1, kMaxKernelThreads));
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        int status = app.exit(error);
        return status == 0 ? kSuccess : kUsage;
    }
    if (const std::string error = applyThreadCount(threads, std::getenv(kThreadsVariable)); !error.empty()) {
        std::cerr << "corvane: " << error << "\n";
        return kUsage;
    }
    if (omega->parsed()) return runOmega(omegaOptions, plots);
    if (compare->parsed()) return runCompare(compareOptions);
    if (import->parsed()) return runImport(importOptions);
    StandardErrorMessages messages;
    StandardOutputSink console(reportOnStandardOutput(options) ? stderr : stdout);
    return runSolve(options, console, messages, plots);
}

}  // namespace corvane
