// This build's program against another build of it (CORVANE_REFERENCE_PROGRAM,
// for example the x86-64 build when this one is for ARM64 or another C++
// library): the same report, standard output, standard error and status,
// byte for byte, on a few hundred random problems that take every problem
// kind, method and norm in both layouts, with the print and check options,
// reciprocals, repeated SOLVEs and generated matrices. Without a reference
// program the test is skipped.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace corvane {
namespace {

// What each problem asks for, taken in turn: every method of a system and an
// inverse and every norm of the condition number, in both layouts.
struct Request {
    const char* problem;
    const char* methodOrNorm;  // "--method X" or "--norm X"
    bool symmetric;
};

std::vector<Request> requests() {
    std::vector<Request> all;
    for (bool symmetric : {false, true}) {
        for (const char* problem : {"system", "inverse"}) {
            for (const char* method : {"gauss", "lu", "cholesky", "gauss-seidel", "sor"}) {
                all.push_back({problem, method, symmetric});
            }
        }
        for (const char* norm : {"inf", "1", "2", "cond"}) all.push_back({"condition", norm, symmetric});
    }
    return all;
}

// Random choices from raw 32-bit draws (the distributions of the standard
// library differ between its implementations; these do not).
class Draws {
public:
    explicit Draws(unsigned seed) : engine_(seed) {}
    int below(int count) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(count)); }
    bool chance(int percent) { return below(100) < percent; }
    int between(int low, int high) { return low + below(high - low + 1); }

private:
    std::mt19937 engine_;
};

// An entry as a data file may hold it: integers, short decimals, wide
// exponents (Fortran's D among them) and, in style 3, values beyond or below
// what single precision holds.
std::string entry(Draws& draw, int style) {
    const std::string sign = draw.chance(30) ? "-" : "";
    const std::string digit = std::to_string(draw.between(1, 9));
    switch (style) {
        case 0: return sign + std::to_string(draw.between(0, 9));
        case 1: return sign + std::to_string(draw.between(0, 9999)) + "." + std::to_string(draw.between(0, 99));
        case 2:
            return sign + digit + "." + std::to_string(draw.between(0, 999999)) + (draw.chance(20) ? "d" : "e") +
                   std::to_string(draw.between(-12, 12));
        default: return sign + digit + "e" + std::to_string(draw.chance(50) ? -draw.between(20, 44) : draw.between(20, 38));
    }
}

// A dominant diagonal entry (positive, so that a symmetric matrix is positive
// definite), with which the iterations converge.
std::string dominantEntry(Draws& draw, int n) {
    return std::to_string(draw.between(10 * n, 30 * n)) + "." + std::to_string(draw.between(0, 9));
}

struct Problem {
    std::string data;
    std::string options;
};

std::string matrixRows(Draws& draw, int n, bool symmetric) {
    const int style = draw.chance(10) ? 3 : draw.below(3);
    const bool dominant = draw.chance(60);
    const bool singular = n > 1 && draw.chance(8);
    std::vector<std::string> rows;
    for (int i = 0; i < n; ++i) {
        std::string row;
        for (int j = symmetric ? i : 0; j < n; ++j) row += (dominant && i == j ? dominantEntry(draw, n) : entry(draw, style)) + " ";
        rows.push_back(row);
    }
    if (singular && !symmetric) rows[static_cast<std::size_t>(n - 1)] = rows[0];
    std::string text;
    for (const std::string& row : rows) text += row + "\n";
    return text;
}

// The constants of a generated matrix: enough for each generator.
std::string generated(Draws& draw, int n, std::string& name) {
    const char* names[] = {"Hilbert", "Lotkin", "Companion", "Wilkinson 5", "Wilkinson 20", "Cauchy", "Constant Band"};
    name = names[draw.below(7)];
    const int count = name == "Cauchy" ? n + 5 : name == "Companion" ? n : name == "Constant Band" ? draw.between(1, 4) : 1;
    std::string text = std::to_string(count) + "\n";
    for (int k = 0; k < count; ++k) text += std::to_string(draw.between(1, 40)) + "." + std::to_string(draw.between(0, 9)) + " ";
    return text + "\n";
}

Problem randomProblem(const Request& request, unsigned seed) {
    Draws draw(seed);
    const int size = draw.below(100);
    const int n = size < 75 ? draw.between(1, 8) : size < 95 ? draw.between(9, 40) : draw.between(60, 140);
    const bool system = std::string(request.problem) == "system";
    const int nb = system ? draw.between(1, 3) : 0;
    Problem p;
    p.options = std::string(" --problem ") + request.problem + " --matrix " + (request.symmetric ? "symmetric" : "general");
    p.options += std::string(request.problem) == "condition" ? " --norm " : " --method ";
    p.options += request.methodOrNorm;
    p.data = "Problema " + std::to_string(seed) + "\n" + std::to_string(n) + " " + std::to_string(nb) + "\n";
    std::string generator;
    if (draw.chance(15) && n >= 5) {
        p.data += generated(draw, n, generator);
        p.options += " --generate '" + generator + "'";
    } else {
        p.data += matrixRows(draw, n, request.symmetric);
        if (draw.chance(10)) p.options += " --invert-entries";
    }
    for (int k = 0; k < nb; ++k) {
        for (int i = 0; i < n; ++i) p.data += entry(draw, draw.below(3)) + " ";
        p.data += "\n";
    }
    if (draw.chance(50)) p.options += " --print-matrix";
    if (draw.chance(50)) p.options += " --print-determinant";
    if (draw.chance(50)) p.options += " --print-iterations";
    const char* checks[] = {"", " --check max", " --check each"};
    p.options += checks[draw.below(3)];
    const char* eps[] = {"1e-3", "1e-5", "1e-7", "-1"};
    const char* omega[] = {"0.5", "1", "1.25", "1.5", "1.9"};
    p.options += std::string(" --eps ") + eps[draw.below(4)] + " --nlim " + std::to_string(draw.between(1, 200)) +
                 " --omega " + omega[draw.below(5)];
    if (draw.chance(10)) p.options += " --solves 2";
    return p;
}

std::string described(const testing::CliResult& run) {
    return "status " + std::to_string(run.status) + "\n--- standard output\n" + run.out + "\n--- standard error\n" + run.err;
}

// The problems of one part of the run (the parts go to separate tests, which
// ctest runs side by side).
constexpr int kProblemsPerPart = 75;

class ReferenceProgram : public ::testing::TestWithParam<int> {};

TEST_P(ReferenceProgram, GivesTheSameBytesOnRandomProblems) {
#ifndef CORVANE_REFERENCE_PROGRAM
    GTEST_SKIP() << "no reference program (configure with -DCORVANE_REFERENCE_PROGRAM=PATH)";
#else
    const std::vector<Request> all = requests();
    const std::string directory = testing::scratchDirectory("reference-program-" + std::to_string(GetParam()));
    const std::string data = directory + "/data.txt", report = directory + "/report.txt";
    int compared = 0;
    for (int k = GetParam() * kProblemsPerPart; k < (GetParam() + 1) * kProblemsPerPart; ++k) {
        const Problem problem = randomProblem(all[static_cast<std::size_t>(k) % all.size()], 1000u + static_cast<unsigned>(k));
        testing::writeFile(data, problem.data);
        const std::string arguments = "solve '" + data + "'" + problem.options + " --report-to '" + report + "'";
        const testing::CliResult expected = testing::runProgram(CORVANE_REFERENCE_PROGRAM, arguments);
        const std::string expectedReport = testing::readFile(report);
        const testing::CliResult actual = testing::runCorvane(arguments);
        const std::string where = "problem " + std::to_string(k) + ": corvane " + arguments + "\n" + problem.data;
        ASSERT_EQ(described(actual), described(expected)) << where;
        ASSERT_EQ(testing::readFile(report), expectedReport) << where;
        compared += expectedReport.empty() ? 0 : 1;
    }
    EXPECT_GT(compared, kProblemsPerPart / 2) << "most problems must give a report";
#endif
}

INSTANTIATE_TEST_SUITE_P(Parts, ReferenceProgram, ::testing::Range(0, 4));

}  // namespace
}  // namespace corvane
