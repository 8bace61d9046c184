// A run stopped at a step boundary: the report keeps exactly what the whole
// run had written up to that boundary, then " * Rulare intrerupta."; the data
// in front of the report stay as they were, and the next SOLVE runs.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/dispatcher.h"
#include "cli/solve_options.h"
#include "problem/input_file.h"
#include "reliability/printing_options.h"
#include "support/cli_runner.h"
#include "support/recording_messages.h"
#include "textio/results_file.h"

namespace corvane {
namespace {

constexpr const char* kInterruptionLine = " * Rulare intrerupta.\r\n";

// The band (4, 1, 1) of order 12: symmetric positive definite and strongly
// diagonally dominant, so every method and norm runs to its end.
const std::string kBandSystem =
    "Banda 12\n12 2\n3\n4 1 1\n1 2 3 4 5 6 7 8 9 10 11 12\n6 6 6 6 6 6 6 6 6 6 6 6\n";
const std::string kBandMatrix = "Banda 12\n12\n3\n4 1 1\n";

// Records where the run stands at each boundary and asks it to stop at
// boundary `stopAt` (counted from 0; -1: never).
class BoundaryRecorder : public RunProgress {
public:
    BoundaryRecorder(int stopAt, std::function<std::size_t()> written) : stopAt_(stopAt), written_(std::move(written)) {}
    void reached(RunPhase phase, int step, int total) override {
        lengths.push_back(written_());
        phases.insert(phase);
        EXPECT_LE(step, total) << "phase " << static_cast<int>(phase);
    }
    bool stopRequested() const override { return static_cast<int>(lengths.size()) - 1 == stopAt_; }

    std::vector<std::size_t> lengths;  // bytes of report written at each boundary
    std::set<RunPhase> phases;

private:
    int stopAt_;
    std::function<std::size_t()> written_;
};

struct MethodRun {
    const char* name;
    std::string data;
    SolveOptions options;
    std::set<RunPhase> phases;  // every phase the run passes through
};

SolveOptions optionsFor(std::string problem, std::string matrix, std::string method, std::string norm = "") {
    SolveOptions o = testing::printingEverything(std::move(problem), std::move(matrix), std::move(method),
                                                 std::move(norm), "1e-6", "60");
    o.generate = "Constant Band";
    return o;
}

std::vector<MethodRun> methodRuns() {
    using P = RunPhase;
    return {
        {"Gauss", kBandSystem, optionsFor("system", "general", "gauss"),
         {P::Printing, P::Elimination, P::RightHandSides, P::Substitution, P::Solutions, P::Check}},
        {"Gauss, inverse", kBandMatrix, optionsFor("inverse", "general", "gauss"),
         {P::Printing, P::Elimination, P::RightHandSides, P::Substitution, P::Solutions, P::Check}},
        {"LU", kBandSystem, optionsFor("system", "general", "lu"),
         {P::Printing, P::Factorisation, P::Substitution, P::Solutions, P::Check}},
        {"LU, inverse", kBandMatrix, optionsFor("inverse", "general", "lu"),
         {P::Printing, P::Factorisation, P::Substitution, P::Solutions, P::Check}},
        {"Cholesky", kBandSystem, optionsFor("system", "symmetric", "cholesky"),
         {P::Printing, P::Factorisation, P::Substitution, P::Solutions, P::Check}},
        {"Gauss-Seidel", kBandSystem, optionsFor("system", "general", "gauss-seidel"), {P::Printing, P::Sweeps, P::Check}},
        {"SOR", kBandSystem, optionsFor("system", "general", "sor"), {P::Printing, P::Sweeps, P::Check}},
        {"condition, infinity norm", kBandMatrix, optionsFor("condition", "general", "", "inf"),
         {P::Printing, P::Elimination, P::RightHandSides, P::Substitution}},
        {"condition, 1-norm", kBandMatrix, optionsFor("condition", "general", "", "1"),
         {P::Printing, P::Elimination, P::RightHandSides, P::Substitution}},
        {"condition, 2-norm", kBandMatrix, optionsFor("condition", "general", "", "2"),
         {P::Printing, P::Elimination, P::RightHandSides, P::Substitution, P::Product, P::PowerIteration}},
        {"condition, spectral estimate", kBandMatrix, optionsFor("condition", "general", "", "cond"),
         {P::Printing, P::Elimination, P::RightHandSides, P::Substitution, P::PowerIteration}},
    };
}

// Passes the records on to the results file and counts their bytes (CR LF
// included), which the file may still hold back.
class CountingSink : public RecordSink {
public:
    explicit CountingSink(RecordSink& to) : to_(to) {}
    void writeRecord(std::string_view record) override {
        bytes += record.size() + 2;
        to_.writeRecord(record);
    }
    void flush() override { to_.flush(); }
    std::size_t bytes = 0;

private:
    RecordSink& to_;
};

// The data file written anew, read as the dialog's Read does, and one SOLVE
// whose report goes after the data; returns its outcome.
SolveOutcome solveInFile(const MethodRun& run, const std::string& path, RunProgress& progress, ResultsFile& file,
                         ProblemState& state, CountingSink& counted) {
    testing::RecordingMessages messages;
    INITIALIZEDATA(state);
    EXPECT_EQ(applySolveOptions(run.options, state, messages), "") << run.name;
    testing::writeFile(path, run.data);
    EXPECT_TRUE(file.open(path));
    EXPECT_TRUE(READINPUTFILE(state, file, messages)) << run.name;
    RecordWriter report(counted);
    DiscardingSink discard;
    RecordWriter console(discard);
    RunContext context{state, report, console, messages};
    context.progress = &progress;
    return CORVANEAPPLY(context);
}

TEST(InterruptedRun, EveryMethodKeepsThePrefixOfItsReportAndEndsWithTheInterruptionLine) {
    const std::string path = testing::scratchDirectory("interrupted-run") + "/data.txt";
    std::mt19937 random(20240611);
    for (const MethodRun& run : methodRuns()) {
        ResultsFile file;
        CountingSink counted(file);
        ProblemState state;
        BoundaryRecorder whole(-1, [&] { return run.data.size() + counted.bytes; });
        ASSERT_EQ(solveInFile(run, path, whole, file, state, counted), SolveOutcome::Ran) << run.name;
        const std::string complete = testing::readFile(path);
        EXPECT_EQ(whole.phases, run.phases) << run.name;
        const int boundaries = static_cast<int>(whole.lengths.size());
        ASSERT_GT(boundaries, 2) << run.name;

        std::vector<int> stops{0, boundaries - 1};
        for (int k = 0; k < 6; ++k) stops.push_back(std::uniform_int_distribution<int>(0, boundaries - 1)(random));
        for (int stop : stops) {
            const std::string where = std::string(run.name) + ", stopped at boundary " + std::to_string(stop) + " of " +
                                      std::to_string(boundaries);
            ResultsFile stoppedFile;
            CountingSink stoppedCount(stoppedFile);
            ProblemState stoppedState;
            BoundaryRecorder stopping(stop, [] { return std::size_t{0}; });
            ASSERT_EQ(solveInFile(run, path, stopping, stoppedFile, stoppedState, stoppedCount), SolveOutcome::Interrupted)
                << where;
            EXPECT_EQ(static_cast<int>(stopping.lengths.size()), stop + 1) << where << ": the run went on";
            const std::string expected = complete.substr(0, whole.lengths[static_cast<std::size_t>(stop)]) + kInterruptionLine;
            EXPECT_TRUE(testing::readFile(path) == expected) << where << "\n" << testing::readFile(path);
            EXPECT_EQ(testing::readFile(path).rfind(run.data, 0), 0u) << where << ": the data changed";

            // The state the stopped run left takes the next SOLVE.
            testing::RecordingMessages messages;
            RecordWriter report(stoppedFile);
            DiscardingSink discard;
            RecordWriter console(discard);
            RunContext again{stoppedState, report, console, messages};
            EXPECT_EQ(CORVANEAPPLY(again), SolveOutcome::Ran) << where;
            const std::string after = testing::readFile(path);
            EXPECT_EQ(after.rfind(expected, 0), 0u) << where << ": the next report replaced the stopped one";
            EXPECT_GT(after.size(), expected.size()) << where;
        }
    }
}

}  // namespace
}  // namespace corvane
