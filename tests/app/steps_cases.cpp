#include "app/steps_cases.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "cli/solve_options.h"
#include "problem/read_only_data_file.h"
#include "support/cli_runner.h"

namespace corvane::testing {
namespace {

std::string exampleText(const std::string& name) { return readFile(std::string(CORVANE_SOURCE_DIR) + "/examples/" + name); }

std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.8g", static_cast<double>(value));
    return text;
}

// A data file: title, sizes, the rows (all of them, or the upper triangle),
// then the right-hand sides (none for an inverse).
std::string dataFile(const std::vector<std::vector<float>>& A, const std::vector<std::vector<float>>& B, bool upper,
                     bool inverse) {
    const std::size_t n = A.size();
    std::string text = "random\n" + std::to_string(n) + (inverse ? "" : " " + std::to_string(B.size())) + "\n";
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = upper ? i : 0; j < n; ++j) text += number(A[i][j]) + " ";
        text += "\n";
    }
    if (inverse) return text;
    for (const std::vector<float>& b : B) {
        for (float v : b) text += number(v) + " ";
        text += "\n";
    }
    return text;
}

std::vector<StepsCase> withEveryMethod(const std::string& name, const std::string& data, const std::string& problem) {
    std::vector<StepsCase> cases;
    for (const char* method : {"gauss", "lu", "gauss-seidel", "sor"}) {
        cases.push_back({name + "/" + method, data, method, "general", problem, "1e-5", "60", "1.2"});
    }
    return cases;
}

}  // namespace

ProblemState readStepsCase(const StepsCase& c) {
    const std::string path = scratchDirectory("steps-case") + "/data.txt";
    writeFile(path, c.data);
    SolveOptions o;
    o.dataFile = path;
    o.problem = c.problem;
    o.matrix = c.matrix;
    o.method = c.method;
    o.eps = c.eps;
    o.nlim = c.nlim;
    o.omega = c.omega;
    ProblemState state;
    INITIALIZEDATA(state);
    SilentMessages quiet;
    EXPECT_EQ(applySolveOptions(o, state, quiet), "") << c.name;
    EXPECT_TRUE(readDataFileOnly(path, state, quiet)) << c.name;
    return state;
}

std::vector<StepsCase> workedStepsCases() {
    std::vector<StepsCase> cases;
    for (const char* name : {"system3.txt", "two-right-hand-sides.txt", "inverse3.txt"}) {
        const std::string problem = std::string(name) == "inverse3.txt" ? "inverse" : "system";
        for (StepsCase& c : withEveryMethod(name, exampleText(name), problem)) cases.push_back(c);
    }
    cases.push_back({"spd-system4.txt/cholesky", exampleText("spd-system4.txt"), "cholesky", "symmetric"});
    const std::string spd = exampleText("spd-system4.txt");
    for (StepsCase& c : withEveryMethod("spd-system4.txt", spd, "system")) {
        c.matrix = "symmetric";
        cases.push_back(c);
    }
    // A zero pivot position, an exchange, a row with 0 below a pivot.
    const std::string exchanges = "exchanges\n3 1\n0 2 1\n4 1 0\n0 3 5\n3 5 8\n";
    for (StepsCase& c : withEveryMethod("exchanges", exchanges, "system")) cases.push_back(c);
    // Singular: the last pivot fails; Gauss-Seidel cannot order the rows.
    const std::string singular = "singular\n2 1\n1 2\n2 4\n3 6\n";
    for (StepsCase& c : withEveryMethod("singular", singular, "system")) cases.push_back(c);
    // A first column below Gauss's threshold; a last diagonal entry no row can replace.
    for (StepsCase& c : withEveryMethod("tiny-column", "tiny column\n2 1\n1e-7 1\n0 1\n1 1\n", "system")) cases.push_back(c);
    for (StepsCase& c : withEveryMethod("zero-last", "zero last\n2 1\n1 1\n1 0\n1 1\n", "system")) cases.push_back(c);
    cases.push_back({"not-positive/cholesky", "indefinite\n2 1\n1 2\n1\n1 1\n", "cholesky", "symmetric"});
    cases.push_back({"one/gauss", "one\n1 1\n2\n4\n", "gauss"});
    cases.push_back({"one/cholesky", "one\n1 1\n4\n2\n", "cholesky", "symmetric"});
    return cases;
}

std::vector<StepsCase> randomStepsCases(unsigned seed, int count) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> entry(-10.0f, 10.0f);
    std::vector<StepsCase> cases;
    for (int c = 0; c < count; ++c) {
        const int n = 1 + static_cast<int>(random() % 6);
        const int nb = 1 + static_cast<int>(random() % 3);
        const bool inverse = random() % 4 == 0;
        const bool symmetric = c % 2 == 1;
        std::vector<std::vector<float>> A(static_cast<std::size_t>(n), std::vector<float>(static_cast<std::size_t>(n)));
        std::vector<std::vector<float>> B(static_cast<std::size_t>(nb), std::vector<float>(static_cast<std::size_t>(n)));
        for (auto& row : A)
            for (float& v : row) v = random() % 5 == 0 ? 0.0f : entry(random);
        if (symmetric) {  // M^T M + n I: positive definite
            std::vector<std::vector<float>> S(A.size(), std::vector<float>(A.size()));
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) {
                    float s = i == j ? static_cast<float>(n) : 0.0f;
                    for (int k = 0; k < n; ++k) s += A[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)] * A[static_cast<std::size_t>(k)][static_cast<std::size_t>(j)];
                    S[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = s;
                }
            A = S;
        }
        for (auto& b : B)
            for (float& v : b) v = entry(random);
        const std::string name = "random-" + std::to_string(c);
        const std::string problem = inverse ? "inverse" : "system";
        const std::string data = dataFile(A, B, symmetric, inverse);
        if (symmetric) cases.push_back({name + "/cholesky", data, "cholesky", "symmetric", problem});
        for (StepsCase& one : withEveryMethod(name, data, problem)) {
            one.matrix = symmetric ? "symmetric" : "general";
            cases.push_back(one);
        }
    }
    return cases;
}

}  // namespace corvane::testing
