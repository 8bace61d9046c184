#include "cli/compare_command.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <vector>

#include "app/error_boundary.h"
#include "app/method_comparison.h"
#include "cli/data_file_reading.h"
#include "cli/exit_status.h"

namespace corvane {
namespace {

std::string scientific(const std::optional<double>& value, const char* format = "%.6E") {
    if (!value) return "";
    char text[40];
    std::snprintf(text, sizeof text, format, *value);
    return text;
}

std::string rhsText(const ComparisonRow& row) { return row.rhs > 0 ? std::to_string(row.rhs) : ""; }

// Scientific: a small problem's SOLVE takes microseconds.
std::string secondsText(double seconds, const char* format = "%.6E") { return scientific(seconds, format); }

void printCsvRow(const ComparisonRow& row) {
    std::cout << methodName(row.method) << ',' << rhsText(row) << ',' << outcomeName(row.outcome) << ','
              << secondsText(row.seconds) << ',' << scientific(row.residual) << ','
              << (row.error ? scientific(row.error->largest) : "") << ','
              << (row.error ? scientific(row.error->relative) : "") << ','
              << (row.sweeps ? std::to_string(*row.sweeps) : "") << '\n';
}

// One line of the table, without the blanks of empty columns at its end.
void printTableLine(const std::string& method, const std::string& rhs, const std::string& outcome,
                    const std::string& seconds, const std::string& residual, const std::string& error,
                    const std::string& relative, const std::string& sweeps) {
    char line[200];
    std::snprintf(line, sizeof line, "%-13s %3s  %-21s %9s %9s %9s %9s %6s", method.c_str(), rhs.c_str(),
                  outcome.c_str(), seconds.c_str(), residual.c_str(), error.c_str(), relative.c_str(), sweeps.c_str());
    std::string text(line);
    text.erase(text.find_last_not_of(' ') + 1);
    std::cout << text << '\n';
}

void printTableRow(const ComparisonRow& row) {
    const char* brief = "%.1E";
    printTableLine(std::string(methodName(row.method)), rhsText(row), std::string(outcomeName(row.outcome)),
                   secondsText(row.seconds, "%.2E"), scientific(row.residual, brief),
                   row.error ? scientific(row.error->largest, brief) : "",
                   row.error ? scientific(row.error->relative, brief) : "",
                   row.sweeps ? std::to_string(*row.sweeps) : "");
}

void printHeader(bool csv) {
    if (csv) std::cout << "method,rhs,outcome,seconds,residual,error,relative_error,sweeps\n";
    else printTableLine("method", "rhs", "outcome", "seconds", "residual", "error", "relative", "sweeps");
}

// Gauss-Seidel and SOR are the user's to ask for: the refusal of Gauss-Seidel
// is told once an iteration parameter is given, SOR's once --omega is. A
// comparison without them is simply one of the direct methods.
bool refusalTold(Method method, const SolveOptions& o) {
    if (method == Method::Sor) return !o.omega.empty();
    if (method == Method::GaussSeidel) return !o.eps.empty() || !o.nlim.empty() || !o.omega.empty();
    return true;
}

void printConditionOne(const std::optional<double>& estimate, bool csv) {
    if (csv) std::cout << "cond1," << scientific(estimate) << '\n';
    else if (estimate) std::cout << "cond1(A) ~ " << scientific(estimate, "%.1E") << '\n';
}

int compareRead(const CompareOptions& o, const ProblemState& state, MessageService& messages) {
    std::optional<ExactAnswer> exact;
    if (!findExactAnswer(o.read.exact, state, exact, messages)) return kReadFailed;
    printHeader(o.csv);
    std::cout.flush();
    const Comparison comparison = compareMethods(state, exact, [&](const std::vector<ComparisonRow>& rows) {
        for (const ComparisonRow& row : rows) o.csv ? printCsvRow(row) : printTableRow(row);
        std::cout.flush();
    });
    for (const RefusedMethod& refused : comparison.refused) {
        if (!refusalTold(refused.method, o.read)) continue;
        std::cerr << "corvane: " << methodName(refused.method) << " not run: " << refused.reason << "\n";
    }
    printConditionOne(comparison.conditionOne, o.csv);
    return kSuccess;
}

}  // namespace

void defineCompareOptions(CLI::App& compare, CompareOptions& o) {
    SolveOptions& r = o.read;
    compare.add_option("FILE", r.dataFile, "data file (read only, never written)")->required();
    compare.add_option("--problem", r.problem, "system (default) or inverse")->check(CLI::IsMember({"system", "inverse"}));
    compare.add_option("--matrix", r.matrix, "general or symmetric (upper triangle in the file)")
        ->check(CLI::IsMember({"general", "symmetric"}));
    compare.add_option("--generate", r.generate, "generate A: " + testMatrixNames());
    compare.add_flag("--invert-entries", r.invertEntries, "replace every entry read from the file by its reciprocal");
    compare.add_option("--eps", r.eps, "iteration tolerance EPS: with --nlim, Gauss-Seidel runs too (as solve runs it)");
    compare.add_option("--nlim", r.nlim, "iteration limit NLIM");
    compare.add_option("--omega", r.omega, "SOR relaxation factor OMEGA: with --eps and --nlim, SOR runs too");
    compare.add_option("--exact", r.exact,
                       "systems: \"ones\" (each b was made as A*(1,...,1)) or a file with the exact solutions");
    compare.add_flag("--csv", o.csv, "print method,rhs,outcome,seconds,residual,error,relative_error,sweeps rows");
    compare.footer(
        "Runs Gauss and LU, Cholesky when A is symmetric, Gauss-Seidel with --eps and --nlim, SOR with\n"
        "--omega too, each on a fresh copy of the read data and each x exactly what its solve reports.\n"
        "An iterative method runs exactly when its solve would (EPS and NLIM not 0, and OMEGA for SOR);\n"
        "one refused is told on standard error with solve's reason.\n"
        "Residual: max |A*x - b| in double from the data as read (|A*X - I| for an inverse, one row per\n"
        "method); error: max |x - x_exact| and its relative value when the exact answer is known\n"
        "(--exact, or the inverse of a generated Hilbert matrix up to order 12). Seconds: one SOLVE; for a\n"
        "small problem the shortest of several (up to 100, about 0.02 s in all). Exit status: 0 done;\n"
        "1 usage error; 2 the data file or the exact solutions cannot be read.");
}

int readComparedProblem(const SolveOptions& options, ProblemState& state) {
    StandardErrorMessages messages;
    SilentMessages quiet;  // Cholesky's layout switch is not news here
    INITIALIZEDATA(state);
    SolveOptions read = options;
    read.method = "gauss";
    const std::string usage = applySolveOptions(read, state, quiet);
    if (!usage.empty()) {
        std::cerr << "corvane: " << usage << "\n";
        return kUsage;
    }
    if (!readDataFileOnly(read.dataFile, state, messages)) return kReadFailed;
    warnOfInfiniteReciprocal(state);
    return kSuccess;
}

int runCompare(const CompareOptions& o) {
    StandardErrorMessages messages;
    ProblemState state;
    if (const int status = readComparedProblem(o.read, state); status != kSuccess) return status;
    int status = kSuccess;
    const ActionOutcome outcome = runGuarded([&] { status = compareRead(o, state, messages); }, messages);
    return outcome == ActionOutcome::Completed ? status : exitStatus(outcome);
}

}  // namespace corvane
