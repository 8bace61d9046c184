#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/solve_options.h"
#include "app/dispatcher.h"
#include "problem/input_file.h"
#include "textio/results_file.h"
#include "textio/standard_output_sink.h"

namespace corvane {
namespace {

enum ExitStatus { kSuccess = 0, kUsage = 1, kReadFailed = 2, kRefused = 3, kWriteFailed = 4 };

constexpr const char* kSolveHelp =
    "Reads the problem from the data FILE and solves it, as the dialog does after Read and SOLVE.\n"
    "The report is written after the data in FILE (replacing earlier reports), or to --report-to.\n"
    "Messages are printed on standard error as TITLE: TEXT; lines the methods copy to standard output\n"
    "go there.\n"
    "Exit status: 0 read and every SOLVE ran (numerical failures are in the report); 1 usage error;\n"
    "2 the data file cannot be opened or read; 3 a SOLVE was refused; 4 the report could not be written.";

class StandardErrorMessages : public MessageService {
public:
    void show(std::string_view text, std::string_view title, MessageIcon) override {
        std::cerr << title << ": " << text << std::endl;
    }
};

void defineSolveOptions(CLI::App& solve, SolveOptions& o) {
    solve.add_option("FILE", o.dataFile, "data file (the results file)")->required();
    solve.add_option("--problem", o.problem, "system, inverse or condition (number)")
        ->check(CLI::IsMember({"system", "inverse", "condition"}));
    solve.add_option("--matrix", o.matrix, "general or symmetric (upper triangle in the file)")
        ->check(CLI::IsMember({"general", "symmetric"}));
    solve.add_option("--generate", o.generate,
                     "generate A: Hilbert, Lotkin, Companion, \"Wilkinson 5\", \"Wilkinson 20\", Cauchy, \"Constant Band\"");
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
    solve.add_option("--report-to", o.reportTo, "write the report to this file (created or emptied) and leave FILE unchanged");
    solve.add_option("--solves", o.solves, "press SOLVE this many times after the one Read")->check(CLI::NonNegativeNumber);
    solve.footer(kSolveHelp);
}

bool samePath(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::exists(b, error) && std::filesystem::equivalent(a, b, error);
}

// A data file's text from an input stream, piece by piece.
class StreamText : public TextSource {
public:
    explicit StreamText(std::istream& in) : in_(in) {}
    void appendNext(std::string& text, std::size_t limit) override {
        const std::size_t start = text.size();
        text.resize(start + limit);
        in_.read(text.data() + start, static_cast<std::streamsize>(limit));
        text.resize(start + static_cast<std::size_t>(in_.gcount()));
        if (in_.bad()) throw TextSourceError("the data file cannot be read");
    }

private:
    std::istream& in_;
};

// Opens the results file and reads the problem into `state`. Returns an exit status.
int readProblem(const SolveOptions& o, ProblemState& state, ResultsFile& results, MessageService& messages) {
    const std::filesystem::path data(o.dataFile);
    std::error_code error;
    if (!std::filesystem::is_regular_file(data, error)) {
        messages.show("cannot open the data file " + o.dataFile, "Error", MessageIcon::Error);
        return kReadFailed;
    }
    if (o.reportTo.empty()) {
        if (!results.open(o.dataFile)) {
            messages.show("cannot open the data file " + o.dataFile, "Error", MessageIcon::Error);
            return kReadFailed;
        }
        return READINPUTFILE(state, results, messages) ? kSuccess : kReadFailed;
    }
    std::ifstream in(o.dataFile, std::ios::binary);
    if (!in) {
        messages.show("cannot read the data file " + o.dataFile, "Error", MessageIcon::Error);
        return kReadFailed;
    }
    StreamText text(in);
    if (!readProblemFrom(state, text, messages)) return kReadFailed;
    if (!results.open(o.reportTo)) {
        messages.show("cannot open the report file " + o.reportTo, "Error", MessageIcon::Error);
        return kWriteFailed;
    }
    results.positionAfterData(0, false);
    try {
        results.cut();
    } catch (const WriteError& failure) {
        messages.show(failure.what(), "Error", MessageIcon::Error);
        return kWriteFailed;
    }
    return kSuccess;
}

int runSolve(const SolveOptions& o) {
    StandardErrorMessages messages;
    ProblemState state;
    INITIALIZEDATA(state);
    if (!o.reportTo.empty() && samePath(o.dataFile, o.reportTo)) {
        std::cerr << "corvane: --report-to must name another file than the data file\n";
        return kUsage;
    }
    std::string usage = applySolveOptions(o, state, messages);
    if (!usage.empty()) {
        std::cerr << "corvane: " << usage << "\n";
        return kUsage;
    }
    if (!workerAvailable(state)) {
        std::cerr << "corvane: " << (state.CONDITIE ? "the condition number" : "the method " + o.method)
                  << " is not available in this version\n";
        return kUsage;
    }
    ResultsFile results;
    int status = readProblem(o, state, results, messages);
    if (status != kSuccess) return status;

    StandardOutputSink standardOutput;
    RecordWriter report(results);
    RecordWriter console(standardOutput);
    RunContext context{state, report, console, messages};
    for (int k = 0; k < o.solves; ++k) {
        SolveOutcome outcome = CORVANEAPPLY(context);
        if (outcome == SolveOutcome::Refused) return kRefused;
        if (outcome == SolveOutcome::WriteFailed) return kWriteFailed;
    }
    return kSuccess;
}

}  // namespace

int runCommandLine(int argc, char** argv) {
    CLI::App app{"corvane: linear systems, inverses and condition numbers, with the working of each method"};
    app.require_subcommand(1, 1);
    SolveOptions options;
    CLI::App* solve = app.add_subcommand("solve", "solve one problem from a data file");
    defineSolveOptions(*solve, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        int status = app.exit(error);
        return status == 0 ? kSuccess : kUsage;
    }
    return runSolve(options);
}

}  // namespace corvane
