// `corvane compare`: every applicable method's x is exactly the x of its own
// solve, the residuals are those of a double-precision recomputation, the
// CSV has its fixed shape, and the data file is left as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/known_exact_answer.h"
#include "app/method_comparison.h"
#include "cli/compare_command.h"
#include "support/cli_runner.h"
#include "textio/record_sink.h"
#include "textio/record_writer.h"

namespace corvane {
namespace {

std::string example(const std::string& name) { return std::string(CORVANE_SOURCE_DIR) + "/examples/" + name; }

std::string withoutBlanks(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\r'; });
    return text;
}

// The values of X as a report prints them (g15.7), one per line.
std::string printedValues(const RealMatrix& X) {
    StringSink sink;
    RecordWriter out(sink);
    for (int k = 1; k <= X.cols(); ++k)
        for (int i = 1; i <= X.rows(); ++i) out.write("(g15.7)", {X(i, k)});
    out.flush();
    return withoutBlanks(sink.text());
}

// The values of the " x(i) = ..." records of a report, in order.
std::string reportValues(const std::string& report) {
    std::string values;
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(" x(", 0) == 0) values += withoutBlanks(line.substr(line.find('=') + 1)) + "\n";
    }
    return values;
}

std::vector<std::string> splitCsv(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ',')) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.push_back("");
    return fields;
}

// The solutions of one method, exactly as its SOLVE reports them.
struct MethodSolutions {
    Method method;
    RealMatrix X;
};

ComparisonHooks keepingSolutions(std::vector<MethodSolutions>& solutions) {
    ComparisonHooks hooks;
    hooks.solutionsReady = [&solutions](Method method, const RealMatrix& X) { solutions.push_back({method, X}); };
    return hooks;
}

std::vector<MethodSolutions> everyMethodsSolutions(const ProblemState& read) {
    std::vector<MethodSolutions> solutions;
    compareMethods(read, std::nullopt, keepingSolutions(solutions));
    return solutions;
}

struct Case {
    std::string file;
    std::string options;   // the problem as solve and compare both take it
    std::string cholesky;  // how solve reads the problem for Cholesky (file and options)
    std::vector<Method> methods;
};

TEST(CompareCommand, EachMethodsXIsTheXOfItsOwnSolve) {
    const std::string directory = testing::scratchDirectory("compare-x");
    // inverse3.txt's symmetric matrix in the upper-triangle layout, as solve reads it for Cholesky.
    testing::writeFile(directory + "/inverse3-upper.txt", "upper\n3\n2 -1 0\n2 -1\n2\n");
    const std::vector<Case> cases = {
        {example("system3.txt"), "--eps 1e-6 --nlim 50 --omega 1.1", "",
         {Method::Gauss, Method::Lu, Method::GaussSeidel, Method::Sor}},
        {example("spd-system4.txt"), "--matrix symmetric --eps 1e-6 --nlim 50",
         "'" + example("spd-system4.txt") + "' --matrix symmetric",
         {Method::Gauss, Method::Lu, Method::Cholesky, Method::GaussSeidel}},
        {example("hilbert5.txt"), "--generate Hilbert", "'" + example("hilbert5.txt") + "' --generate Hilbert --matrix symmetric",
         {Method::Gauss, Method::Lu, Method::Cholesky}},
        // A negative EPS is no refusal: the sweeps go on to the iteration limit, as in solve.
        {example("system3.txt"), "--eps -1 --nlim 20 --omega 1.1", "",
         {Method::Gauss, Method::Lu, Method::GaussSeidel, Method::Sor}},
        {example("inverse3.txt"), "--problem inverse",
         "'" + directory + "/inverse3-upper.txt' --problem inverse --matrix symmetric",
         {Method::Gauss, Method::Lu, Method::Cholesky}},
    };
    for (const Case& c : cases) {
        SolveOptions options;
        options.dataFile = c.file;
        std::istringstream words(c.options);
        for (std::string word, value; words >> word;) {
            if (word == "--generate" || word == "--matrix" || word == "--eps" || word == "--nlim" || word == "--omega" ||
                word == "--problem") {
                words >> value;
                if (word == "--generate") options.generate = value;
                if (word == "--matrix") options.matrix = value;
                if (word == "--eps") options.eps = value;
                if (word == "--nlim") options.nlim = value;
                if (word == "--omega") options.omega = value;
                if (word == "--problem") options.problem = value;
            }
        }
        ProblemState read;
        ASSERT_EQ(readComparedProblem(options, read), 0) << c.file;
        const std::vector<MethodSolutions> solutions = everyMethodsSolutions(read);
        ASSERT_EQ(solutions.size(), c.methods.size()) << c.file;
        for (std::size_t m = 0; m < c.methods.size(); ++m) {
            const MethodSolutions& solved = solutions[m];
            ASSERT_EQ(solved.method, c.methods[m]) << c.file;
            const std::string method(methodName(solved.method));
            const std::string report = directory + "/" + method + ".txt";
            const std::string problem = solved.method == Method::Cholesky ? c.cholesky : "'" + c.file + "' " + c.options;
            const testing::CliResult run =
                testing::runCorvane("solve " + problem + " --method " + method + " --quiet --report-to '" + report + "'");
            ASSERT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(printedValues(solved.X), reportValues(testing::readFile(report))) << c.file << " " << method;
        }
    }
}

// The residual column against max |A·x - b| recomputed here in long double
// from the matrix as read, for every row of every method.
TEST(CompareCommand, ResidualsAreThoseOfTheDataAsRead) {
    SolveOptions options;
    options.dataFile = example("system3.txt");
    options.eps = "1e-6";
    options.nlim = "5";
    ProblemState read;
    ASSERT_EQ(readComparedProblem(options, read), 0);
    std::vector<MethodSolutions> solutions;
    const Comparison comparison = compareMethods(read, std::nullopt, keepingSolutions(solutions));
    ASSERT_EQ(comparison.rows.size(), solutions.size());
    for (std::size_t m = 0; m < comparison.rows.size(); ++m) {
        ASSERT_EQ(comparison.rows[m].method, solutions[m].method);
        const RealMatrix& X = solutions[m].X;
        long double largest = 0.0L;
        for (int i = 1; i <= read.n; ++i) {
            long double sum = 0.0L;
            for (int j = 1; j <= read.n; ++j) sum += static_cast<long double>(read.A(i, j)) * X(j, 1);
            largest = std::max(largest, std::fabs(sum - read.B(i, 1)));
        }
        ASSERT_TRUE(comparison.rows[m].residual);
        EXPECT_NEAR(*comparison.rows[m].residual, static_cast<double>(largest), 1e-12 * (1.0 + static_cast<double>(largest)));
    }
}

TEST(CompareCommand, CsvShapeAndTheMethodsThatApply) {
    const std::string directory = testing::scratchDirectory("compare-csv");
    const std::string file = directory + "/system3.txt";
    const std::string original = testing::readFile(example("system3.txt"));
    testing::writeFile(file, original);
    const std::string noGaussSeidel = "gauss-seidel not run";
    const struct {
        std::string options;
        std::vector<std::string> methods;
        std::string note;  // on standard error: an iterative method asked for that did not run
                           // (none for SOR without --omega, nor for either without any parameter)
    } cases[] = {
        {"", {"gauss", "lu"}, ""},
        {"--eps 1e-6 --nlim 100", {"gauss", "lu", "gauss-seidel"}, ""},
        {"--eps 1e-6 --nlim 100 --omega 1.2", {"gauss", "lu", "gauss-seidel", "sor"}, ""},
        {"--omega 1.2", {"gauss", "lu"}, noGaussSeidel},
        {"--eps 1e-6", {"gauss", "lu"}, noGaussSeidel},
        {"--eps abc --nlim 100", {"gauss", "lu"}, noGaussSeidel},
        {"--eps 1e-6 --nlim 100 --omega 0", {"gauss", "lu", "gauss-seidel"}, "sor not run"},
    };
    for (const auto& c : cases) {
        const testing::CliResult run = testing::runCorvane("compare '" + file + "' --csv " + c.options);
        ASSERT_EQ(run.status, 0) << run.err;
        if (c.note.empty()) EXPECT_EQ(run.err, "") << c.options;
        else EXPECT_NE(run.err.find(c.note), std::string::npos) << c.options << ": " << run.err;
        std::istringstream lines(run.out);
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line, "method,rhs,outcome,seconds,residual,error,relative_error,sweeps");
        for (const std::string& method : c.methods) {
            std::getline(lines, line);
            const std::vector<std::string> fields = splitCsv(line);
            ASSERT_EQ(fields.size(), 8u) << line;
            EXPECT_EQ(fields[0], method);
            EXPECT_EQ(fields[1], "1");
            EXPECT_EQ(fields[2], method.find("gauss-") == 0 || method == "sor" ? "tolerance" : "solved") << line;
            EXPECT_GE(std::stod(fields[3]), 0.0);
            EXPECT_LE(std::stod(fields[4]), 1e-5);
            EXPECT_EQ(fields[5], "") << "no exact answer given";
            EXPECT_EQ(fields[7].empty(), method == "gauss" || method == "lu") << line;
        }
        std::getline(lines, line);
        EXPECT_EQ(line.rfind("cond1,", 0), 0u) << line;
        EXPECT_GT(std::stod(line.substr(6)), 1.0);
        EXPECT_FALSE(std::getline(lines, line)) << "nothing after the estimate: " << line;
    }
    EXPECT_EQ(testing::readFile(file), original) << "compare never writes the data file";
}

// Gauss-Seidel and SOR run in the comparison exactly when their own solve
// runs, and one that solve refuses is told with solve's reason.
TEST(CompareCommand, IterativeMethodsRunExactlyWhenTheirSolveDoes) {
    const std::string directory = testing::scratchDirectory("compare-refusals");
    const std::string file = "'" + example("system3.txt") + "' ";
    const std::string cases[] = {
        "--eps -1 --nlim 20 --omega 1.1",      // to the iteration limit
        "--eps 1e-6 --nlim -3 --omega -0.5",   // no sweep at all; a negative OMEGA
        "--eps 0 --nlim 20 --omega 1.1",
        "--eps 1e-6 --nlim 0 --omega 1.1",
        "--eps 1e-6 --nlim 20 --omega 0",
        "--eps abc --nlim 20 --omega 1.1",     // a text that is no number counts as 0
        "--omega 1.2",
    };
    for (const std::string& options : cases) {
        const testing::CliResult compare = testing::runCorvane("compare " + file + "--csv " + options);
        ASSERT_EQ(compare.status, 0) << options << ": " << compare.err;
        for (const std::string method : {"gauss-seidel", "sor"}) {
            const testing::CliResult solve = testing::runCorvane("solve " + file + "--method " + method + " " + options +
                                                                 " --quiet --report-to '" + directory + "/report.txt'");
            const bool ran = compare.out.find("\n" + method + ",1,") != std::string::npos;
            EXPECT_EQ(ran, solve.status == 0) << options << " " << method << ": " << solve.err;
            if (solve.status == 0) {
                EXPECT_EQ(compare.err.find(method + " not run"), std::string::npos) << options << ": " << compare.err;
                continue;
            }
            const std::string refusal = "Eroare: ";  // solve's message: its title, then the reason
            ASSERT_EQ(solve.err.rfind(refusal, 0), 0u) << options << " " << method << ": " << solve.err;
            const std::string reason = solve.err.substr(refusal.size());
            EXPECT_NE(compare.err.find("corvane: " + method + " not run: " + reason), std::string::npos)
                << options << ": " << compare.err;
        }
    }
}

// The readable table: a header, one line per method in the order they ran,
// columns that line up under their headings, no blanks at the ends of lines,
// then the estimate.
TEST(CompareCommand, ReadableTable) {
    const testing::CliResult run =
        testing::runCorvane("compare '" + example("hilbert5.txt") + "' --generate Hilbert --exact ones");
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 5u) << run.out;
    EXPECT_EQ(lines[0].rfind("method", 0), 0u) << lines[0];
    const std::string methods[] = {"gauss", "lu", "cholesky"};
    for (std::size_t k = 0; k < 3; ++k) {
        const std::string& line = lines[k + 1];
        EXPECT_EQ(line.rfind(methods[k] + " ", 0), 0u) << line;
        EXPECT_NE(line.find(" solved "), std::string::npos) << line;
        // The relative error is the last column filled: it ends where its heading does.
        EXPECT_EQ(line.size(), lines[0].find("relative") + std::string("relative").size()) << line;
    }
    for (const std::string& line : lines) EXPECT_NE(line.back(), ' ') << line;
    EXPECT_EQ(lines[4].rfind("cond1(A) ~ 9.4E+05", 0), 0u) << lines[4];
}

TEST(CompareCommand, FailuresAndTheExactAnswer) {
    const std::string directory = testing::scratchDirectory("compare-outcomes");
    // A symmetric matrix that is not positive definite, and a singular one.
    testing::writeFile(directory + "/indefinite.txt", "indefinite\n2 1\n1 2\n2 1\n3 3\n");
    testing::writeFile(directory + "/singular.txt", "singular\n2 1\n1 2\n2 4\n3 6\n");
    const testing::CliResult indefinite = testing::runCorvane("compare '" + directory + "/indefinite.txt' --csv");
    EXPECT_NE(indefinite.out.find("\ncholesky,1,not-positive-definite,"), std::string::npos) << indefinite.out;
    EXPECT_NE(indefinite.out.find("\ngauss,1,solved,"), std::string::npos) << indefinite.out;
    const testing::CliResult singular = testing::runCorvane("compare '" + directory + "/singular.txt' --csv");
    EXPECT_NE(singular.out.find("\ngauss,1,small-pivot,"), std::string::npos) << singular.out;
    EXPECT_NE(singular.out.find("\nlu,1,small-pivot,"), std::string::npos) << singular.out;

    // Hilbert 5 with b the row sums: x should be ones; each direct method's
    // error is the one solve --exact ones prints.
    const testing::CliResult hilbert =
        testing::runCorvane("compare '" + example("hilbert5.txt") + "' --generate Hilbert --exact ones --csv");
    EXPECT_NE(hilbert.out.find("\ngauss,1,solved,"), std::string::npos) << hilbert.out;
    EXPECT_NE(hilbert.out.find(",1.439595E-02,1.439595E-02,\n"), std::string::npos) << hilbert.out;
    EXPECT_NE(hilbert.out.find("\ncond1,9.43"), std::string::npos) << hilbert.out;

    const testing::CliResult usage = testing::runCorvane("compare '" + example("system3.txt") + "' --problem inverse --exact ones");
    EXPECT_EQ(usage.status, 1);
    EXPECT_NE(usage.err.find("--exact applies to --problem system"), std::string::npos) << usage.err;
}

// A comparison read from a data file of our own, as compare reads it.
ProblemState comparedProblem(const std::string& file, const std::string& text, const SolveOptions& asked) {
    testing::writeFile(file, text);
    SolveOptions options = asked;
    options.dataFile = file;
    ProblemState read;
    EXPECT_EQ(readComparedProblem(options, read), 0) << file;
    return read;
}

// The band matrix of order n with 4 on the diagonal and 1 beside it, to invert.
std::string bandInverseText(int n) { return "Banda " + std::to_string(n) + "\n" + std::to_string(n) + "\n2\n4 1\n"; }

// Follows a comparison's step boundaries with the method that runs, and asks
// for a stop at the `boundary`-th (from 0) of `phase` within `method`.
class StopAtBoundary : public RunProgress {
public:
    StopAtBoundary(Method method, RunPhase phase, int boundary) : method_(method), phase_(phase), boundary_(boundary) {}
    void reached(RunPhase phase, int, int) override {
        if (stop_) ++afterStop;
        if (running == method_ && phase == phase_ && seen_++ == boundary_) stop_ = true;
    }
    bool stopRequested() const override { return stop_; }

    Method running = Method::None;
    int afterStop = 0;  // boundaries reached once the stop was asked for

private:
    Method method_;
    RunPhase phase_;
    int boundary_;
    int seen_ = 0;
    bool stop_ = false;
};

// A stop asked for at any step boundary ends the comparison there, in a
// SOLVE and in the measures after it (the double-precision residuals inside
// their product, the errors against the exact answer): no boundary is
// reached after it, no later method starts, and the rows are those of the
// methods that had ended.
TEST(CompareStop, AStopAtAStepBoundaryEndsTheComparisonThere) {
    const std::string directory = testing::scratchDirectory("compare-stop");
    SolveOptions inverse;
    inverse.problem = "inverse";
    inverse.generate = "Constant Band";
    SolveOptions hilbert = inverse;
    hilbert.generate = "Hilbert";
    SolveOptions iterative;
    iterative.eps = "1e-6";
    iterative.nlim = "50";
    const ProblemState band = comparedProblem(directory + "/band.txt", bandInverseText(300), inverse);
    const ProblemState hilbert5 = comparedProblem(directory + "/hilbert.txt", "Hilbert 5\n5\n0\n", hilbert);
    const ProblemState system3 = comparedProblem(directory + "/system3.txt", testing::readFile(example("system3.txt")), iterative);
    const struct {
        const char* name;
        const ProblemState& read;
        Method method;
        RunPhase phase;
        int boundary;
        std::vector<Method> ended;
    } cases[] = {
        {"residuals, first boundary", band, Method::Gauss, RunPhase::Residuals, 0, {}},
        {"residuals, inside the product", band, Method::Gauss, RunPhase::Residuals, 1, {}},
        {"residuals of the second method", band, Method::Lu, RunPhase::Residuals, 4, {Method::Gauss}},
        {"a factorisation", band, Method::Cholesky, RunPhase::Factorisation, 1, {Method::Gauss, Method::Lu}},
        {"errors against the exact inverse", hilbert5, Method::Lu, RunPhase::Errors, 3, {Method::Gauss}},
        {"sweeps", system3, Method::GaussSeidel, RunPhase::Sweeps, 2, {Method::Gauss, Method::Lu}},
    };
    for (const auto& c : cases) {
        StopAtBoundary progress(c.method, c.phase, c.boundary);
        std::vector<Method> started, ended;
        ComparisonHooks hooks;
        hooks.methodStarted = [&](Method method) {
            progress.running = method;
            started.push_back(method);
        };
        hooks.rowsReady = [&](const std::vector<ComparisonRow>& rows) { ended.push_back(rows.front().method); };
        const std::optional<ExactAnswer> exact = knownExactInverse(c.read);
        const Comparison comparison = compareMethods(c.read, exact, hooks, &progress);
        EXPECT_TRUE(progress.stopRequested()) << c.name << ": the boundary was met";
        EXPECT_TRUE(comparison.cancelled) << c.name;
        EXPECT_EQ(progress.afterStop, 0) << c.name;
        EXPECT_EQ(started.back(), c.method) << c.name << ": no method starts after the stop";
        EXPECT_EQ(ended, c.ended) << c.name;
        ASSERT_EQ(comparison.rows.size(), c.ended.size()) << c.name;
        for (std::size_t k = 0; k < c.ended.size(); ++k) EXPECT_EQ(comparison.rows[k].method, c.ended[k]) << c.name;
    }
}

// From the command line: each method's row is out as the method ends, while
// the next one runs; the progress names the method and its phase; Ctrl-C
// then stops the comparison, with the rows printed standing and status 130.
TEST(CompareCommand, PrintsEachRowAsItsMethodEndsAndStopsOnCtrlC) {
    const std::string directory = testing::scratchDirectory("compare-ctrl-c");
    testing::writeFile(directory + "/band.txt", bandInverseText(1200));
    const testing::CliResult run = testing::interruptAfterLines(
        directory, "compare band.txt --generate 'Constant Band' --problem inverse --csv --progress", 2);
    EXPECT_EQ(run.status, 130);
    const std::string& out = run.out;
    EXPECT_EQ(out.rfind("method,rhs,outcome,seconds,residual,error,relative_error,sweeps\ngauss,,solved,", 0), 0u) << out;
    EXPECT_EQ(out.find("\ncholesky,"), std::string::npos) << "stopped before the last method: " << out;
    EXPECT_EQ(out.find("cond1"), std::string::npos) << out;
    EXPECT_TRUE(!out.empty() && out.back() == '\n') << "whole lines only";
    const std::string& err = run.err;
    EXPECT_NE(err.find("] 0% gauss: Gaussian elimination: step 0 of 1200\n"), std::string::npos) << err;
    EXPECT_NE(err.find("] 0% gauss: Residuals in double precision: column 0 of 1200\n"), std::string::npos) << err;
    EXPECT_NE(err.find("corvane: interrupted\n"), std::string::npos) << err;
}

// Cholesky runs exactly when the matrix read is symmetric, whichever entry
// breaks the symmetry (near the diagonal, far from it, in the last column).
TEST(CompareCommand, CholeskyRunsExactlyWhenTheMatrixIsSymmetric) {
    const std::string directory = testing::scratchDirectory("compare-symmetry");
    constexpr int n = 150;
    const struct {
        int row, column;  // the entry changed; 0: none
        bool cholesky;
    } cases[] = {{0, 0, true}, {2, 1, false}, {3, 100, false}, {140, 70, false}, {149, 150, false}};
    for (const auto& c : cases) {
        std::string text = "band\n" + std::to_string(n) + " 1\n";
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) {
                const int value = i == j ? 4 : (i - j == 1 || j - i == 1) ? 1 : 0;
                text += std::to_string(i == c.row && j == c.column ? value + 2 : value) + " ";
            }
            text += "\n";
        }
        for (int i = 1; i <= n; ++i) text += "1 ";
        const ProblemState read = comparedProblem(directory + "/band.txt", text + "\n", SolveOptions{});
        const Comparison comparison = compareMethods(read, std::nullopt);
        const bool cholesky = std::any_of(comparison.rows.begin(), comparison.rows.end(),
                                          [](const ComparisonRow& row) { return row.method == Method::Cholesky; });
        EXPECT_EQ(cholesky, c.cholesky) << c.row << "," << c.column;
    }
}

// Each method's turn tells its phases, the SOLVE's first, then the residuals
// in double (and, with the exact answer known, the errors), every column.
TEST(CompareStop, EachMethodTellsItsPhasesUpToItsMeasures) {
    const std::string directory = testing::scratchDirectory("compare-phases");
    SolveOptions hilbert;
    hilbert.problem = "inverse";
    hilbert.generate = "Hilbert";
    const ProblemState read = comparedProblem(directory + "/hilbert.txt", "Hilbert 5\n5\n0\n", hilbert);
    struct Heard : RunProgress {
        void reached(RunPhase phase, int step, int total) override {
            phases[running].push_back(phase);
            if (phase == RunPhase::Residuals || phase == RunPhase::Errors) last[{running, phase}] = {step, total};
        }
        bool stopRequested() const override { return false; }
        Method running = Method::None;
        std::map<Method, std::vector<RunPhase>> phases;
        std::map<std::pair<Method, RunPhase>, std::pair<int, int>> last;
    } heard;
    ComparisonHooks hooks;
    hooks.methodStarted = [&](Method method) { heard.running = method; };
    const Comparison comparison = compareMethods(read, knownExactInverse(read), hooks, &heard);
    EXPECT_FALSE(comparison.cancelled);
    for (Method method : {Method::Gauss, Method::Lu, Method::Cholesky}) {
        const std::vector<RunPhase>& phases = heard.phases[method];
        ASSERT_FALSE(phases.empty()) << methodName(method);
        EXPECT_NE(phases.front(), RunPhase::Residuals) << methodName(method) << ": the SOLVE comes first";
        EXPECT_EQ(phases.back(), RunPhase::Errors) << methodName(method);
        EXPECT_NE(std::find(phases.begin(), phases.end(), RunPhase::Residuals), phases.end()) << methodName(method);
        EXPECT_EQ(heard.last[std::make_pair(method, RunPhase::Residuals)], std::make_pair(0, 5)) << methodName(method);
        EXPECT_EQ(heard.last[std::make_pair(method, RunPhase::Errors)], std::make_pair(4, 5)) << methodName(method);
    }
}

}  // namespace
}  // namespace corvane
