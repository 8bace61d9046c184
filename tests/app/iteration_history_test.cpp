// The sweeps handed to a listener are the report's: every history line's
// difference, each right-hand side's end, and the CSV made from them.

#include "app/iteration_history.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "app/dispatcher.h"
#include "app/option_rules.h"
#include "problem/input_file.h"
#include "support/run_fixture.h"
#include "textio/decimal_text.h"
#include "textio/number_format.h"

namespace corvane {
namespace {

constexpr const char* kSystem3 = "Sistem 3 x 3\n3 2\n 4 -2 1\n 3 6 -4\n 2 1 8\n 3 3 28\n 1 1 1\n";
// Gauss-Seidel's iterate flips between two points: the differences repeat.
constexpr const char* kOscillating = "oscillating\n2 1\n1 1\n-1 1\n1 0\n";

struct HistoryCase {
    const char* name;
    const char* data;
    Method method;
    const char* omega;
    const char* nlim;
    std::vector<IterationEnd> ends;  // per right-hand side
};

// The difference column (the last g15.7 field) of every history line, per
// right-hand side, as the report prints it.
std::vector<std::vector<std::string>> reportedDifferences(const std::string& report) {
    std::vector<std::vector<std::string>> sides;
    std::istringstream lines(report);
    bool inHistory = false;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(" Iter\t", 0) == 0) {
            sides.emplace_back();
            inHistory = true;
            continue;
        }
        if (!inHistory || line.rfind(" *", 0) == 0 || line.rfind("  0 ", 0) == 0) continue;  // records, X0
        if (line.size() < 20) {
            inHistory = false;  // the history ended
            continue;
        }
        sides.back().push_back(line.substr(line.size() - 15));
    }
    return sides;
}

TEST(IterationHistory, HoldsTheReportsDifferencesAndEnds) {
    const HistoryCase cases[] = {
        {"Gauss-Seidel, two right-hand sides", kSystem3, Method::GaussSeidel, "0.", "50",
         {IterationEnd::Tolerance, IterationEnd::Tolerance}},
        {"SOR 1.1", kSystem3, Method::Sor, "1.1", "50", {IterationEnd::Tolerance, IterationEnd::Tolerance}},
        {"SOR diverges", kSystem3, Method::Sor, "1.8", "50", {IterationEnd::Divergence, IterationEnd::Divergence}},
        {"SOR reaches the limit", kSystem3, Method::Sor, "0.05", "20", {IterationEnd::Limit, IterationEnd::Limit}},
        {"Gauss-Seidel stagnates", kOscillating, Method::GaussSeidel, "0.", "50", {IterationEnd::Stagnation}},
    };
    for (const HistoryCase& c : cases) {
        testing::RunFixture f;
        chooseMethod(f.state, c.method, f.messages);
        f.state.EPS_TEXT = "1e-5";
        f.state.NLIM_TEXT = c.nlim;
        f.state.OMEGA_TEXT = c.omega;
        f.state.TIPAR_ITERATII = true;
        ASSERT_TRUE(readProblemText(f.state, c.data, f.messages)) << c.name;
        IterationHistory history;
        f.context.iterations = &history;
        ASSERT_EQ(CORVANEAPPLY(f.context), SolveOutcome::Ran) << c.name;

        const std::vector<std::vector<std::string>> reported = reportedDifferences(f.reportText());
        const std::vector<RightHandSideHistory>& sides = history.rightHandSides();
        ASSERT_EQ(sides.size(), c.ends.size()) << c.name;
        ASSERT_EQ(reported.size(), sides.size()) << c.name;
        for (std::size_t k = 0; k < sides.size(); ++k) {
            EXPECT_EQ(sides[k].end, c.ends[k]) << c.name << " rhs " << k + 1;
            ASSERT_EQ(sides[k].dx.size(), reported[k].size()) << c.name << " rhs " << k + 1;
            for (std::size_t s = 0; s < sides[k].dx.size(); ++s) {
                EXPECT_EQ(generalField(sides[k].dx[s], 15, 7, 0), reported[k][s]) << c.name << " sweep " << s + 1;
            }
        }
    }
}

TEST(IterationHistory, CsvHasOneRowPerSweepAndTheOutcomeOnTheLast) {
    IterationHistory history;
    history.sweepDone(1, 1, 3.6248438f);
    history.sweepDone(1, 2, 0.1f);
    history.rightHandSideDone(1, IterationEnd::Tolerance, 2, 0.1f);
    history.sweepDone(2, 1, std::numeric_limits<float>::infinity());
    history.rightHandSideDone(2, IterationEnd::Divergence, 1, std::numeric_limits<float>::infinity());
    history.sweepDone(3, 1, std::numeric_limits<float>::quiet_NaN());
    history.rightHandSideDone(3, IterationEnd::Divergence, 1, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(historyCsv(history),
              "rhs,sweep,dx,outcome\n"
              "1,1,3.6248438,\n"
              "1,2,0.1,tolerance\n"
              "2,1,inf,divergence\n"
              "3,1,nan,divergence\n");
}

// The shortest text of a float reads back as the same float.
TEST(IterationHistory, DifferencesRoundTrip) {
    for (float value : {3.6248438f, 1.0e-38f, 8.34465e-06f, 0.1f, 3.4028235e38f, 1.4e-45f}) {
        EXPECT_EQ(std::strtof(shortestFloatText(value).c_str(), nullptr), value) << shortestFloatText(value);
    }
}

}  // namespace
}  // namespace corvane
