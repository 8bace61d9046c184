#include "cli/steps_command.h"

#include <fstream>
#include <iostream>

#include "app/error_boundary.h"
#include "app/method_steps.h"
#include "app/steps_output.h"
#include "cli/data_file_reading.h"
#include "cli/exit_status.h"

namespace corvane {
namespace {

std::string written(const MethodSteps& steps, const std::string& format, int language) {
    if (format == "latex") return stepsAsLatex(steps, language);
    if (format == "html") return stepsAsHtml(steps, language);
    return stepsAsText(steps, language);
}

bool writeOut(const std::string& path, const std::string& text) {
    if (path == "-") {
        std::cout << text;
        std::cout.flush();
        return static_cast<bool>(std::cout);
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

int stepsOfRead(const StepsOptions& o, const ProblemState& state) {
    const int language = o.language == "en" ? kEnglish : kRomanian;
    const RecordedSteps recorded = recordMethodSteps(state, language);
    if (!recorded.steps) {
        std::cerr << "corvane: " << recorded.refusal << "\n";
        return kRefused;
    }
    if (!writeOut(o.output, written(*recorded.steps, o.format, language))) {
        std::cerr << "corvane: cannot write " << o.output << "\n";
        return kWriteFailed;
    }
    return kSuccess;
}

}  // namespace

void defineStepsOptions(CLI::App& steps, StepsOptions& o) {
    SolveOptions& r = o.read;
    steps.add_option("FILE", r.dataFile, "data file (read only, never written)")->required();
    steps.add_option("--problem", r.problem, "system (default) or inverse")->check(CLI::IsMember({"system", "inverse"}));
    steps.add_option("--matrix", r.matrix, "general or symmetric (upper triangle in the file)")
        ->check(CLI::IsMember({"general", "symmetric"}));
    steps.add_option("--generate", r.generate, "generate A: " + testMatrixNames());
    steps.add_flag("--invert-entries", r.invertEntries, "replace every entry read from the file by its reciprocal");
    steps.add_option("--method", r.method, "gauss, lu, cholesky, gauss-seidel or sor")
        ->required()
        ->check(CLI::IsMember({"gauss", "lu", "cholesky", "gauss-seidel", "sor"}));
    steps.add_option("--eps", r.eps, "iteration tolerance EPS (text, converted as solve converts it)");
    steps.add_option("--nlim", r.nlim, "iteration limit NLIM (at most 1000 here)");
    steps.add_option("--omega", r.omega, "SOR relaxation factor OMEGA");
    steps.add_option("--format", o.format, "text (default), latex (a document for pdflatex) or html (one page)")
        ->check(CLI::IsMember({"text", "latex", "html"}));
    steps.add_option("-o,--output", o.output, "the file to write (default \"-\": standard output)");
    steps.add_option("--language", o.language, "ro (default) or en")->check(CLI::IsMember({"ro", "en"}));
    steps.footer(
        "Runs the method on the data as read, as solve runs it (the same numbers, bit for bit), and writes\n"
        "every step: the pivot search, exchanges, multipliers and back substitution of Gauss; each entry\n"
        "of L and U with the pivot search of LU; each entry of S of Cholesky; each sweep of Gauss-Seidel\n"
        "and SOR; each with the augmented matrix [A | B] as the method holds it after the step and a\n"
        "sentence saying what it did. For n <= 12, at most 12 right-hand sides and NLIM <= 1000.\n"
        "Exit status: 0 done (a numerical failure is the last step); 1 usage error; 2 the data file\n"
        "cannot be read; 3 the steps are not shown (too large a problem, or solve's own refusal);\n"
        "4 the output cannot be written.");
}

int runSteps(const StepsOptions& o) {
    StandardErrorMessages messages;
    ProblemState state;
    INITIALIZEDATA(state);
    const std::string usage = applySolveOptions(o.read, state, messages);
    if (!usage.empty()) {
        std::cerr << "corvane: " << usage << "\n";
        return kUsage;
    }
    if (!readDataFileOnly(o.read.dataFile, state, messages)) return kReadFailed;
    int status = kSuccess;
    const ActionOutcome outcome = runGuarded([&] { status = stepsOfRead(o, state); }, messages);
    return outcome == ActionOutcome::Completed ? status : exitStatus(outcome);
}

}  // namespace corvane
