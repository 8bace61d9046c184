// The steps a method tells are its own numbers: the last step holds, bit for
// bit, what the method leaves (L and U, S, x) and what its report prints;
// each step follows from the one before by the operation it names, replayed
// here in single precision (double where LU sums); a run followed step by
// step writes the same report as one that is not; and a problem too large to
// follow is refused with its reason.

#include "app/method_steps.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <set>
#include <sstream>
#include <utility>

#include "app/dispatcher.h"
#include "app/steps_cases.h"
#include "support/run_fixture.h"
#include "textio/number_format.h"

namespace corvane {
namespace {

using testing::StepsCase;

std::uint32_t bits(float v) { return std::bit_cast<std::uint32_t>(v); }

void expectSameBits(const RealMatrix& expected, const RealMatrix& actual, const std::string& where) {
    ASSERT_EQ(expected.rows(), actual.rows()) << where;
    ASSERT_EQ(expected.cols(), actual.cols()) << where;
    for (int j = 1; j <= expected.cols(); ++j)
        for (int i = 1; i <= expected.rows(); ++i)
            EXPECT_EQ(bits(expected(i, j)), bits(actual(i, j))) << where << " at (" << i << "," << j << ")";
}

// What a method leaves, from a SOLVE followed by nobody.
class Leftovers : public FactorListener, public SolutionListener {
public:
    void luFactorsReady(int, const RealMatrix&, const RealMatrix&) override {}
    void choleskyFactorReady(int, const RealVector&, const RealVector& factor) override { S = factor; }
    void solutionsReady(const RealMatrix& solutions) override { X = solutions; }
    std::optional<RealVector> S;
    std::optional<RealMatrix> X;
};

struct PlainRun {
    ProblemState state;
    std::string report;
    Leftovers left;
};

PlainRun solveWithoutSteps(const ProblemState& read) {
    testing::RunFixture f;
    f.state = read;
    f.state.TIPAR_MATRICE = f.state.TIPAR_DETERMINANT = f.state.TIPAR_ITERATII = true;
    PlainRun run;
    f.context.factors = &run.left;
    f.context.solutions = &run.left;
    CORVANEAPPLY(f.context);
    run.state = f.state;
    run.report = f.reportText();
    return run;
}

MethodSteps stepsOf(const ProblemState& read) {
    const RecordedSteps recorded = recordMethodSteps(read, kEnglish);
    EXPECT_TRUE(recorded.steps.has_value()) << recorded.refusal;
    return recorded.steps.value_or(MethodSteps{});
}

// The " x(i) = value" records of a report, each value as g15.7 writes it.
std::vector<std::string> reportedValues(const std::string& report) {
    std::vector<std::string> values;
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(" x(", 0) != 0) continue;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        values.push_back(line.substr(line.size() - 15));
    }
    return values;
}

std::vector<StepsCase> everyCase() {
    std::vector<StepsCase> cases = testing::workedStepsCases();
    for (StepsCase& c : testing::randomStepsCases(2024, 40)) cases.push_back(c);
    return cases;
}

TEST(MethodStepsTest, TheLastStepHoldsWhatTheMethodLeavesAndTheReportPrints) {
    for (const StepsCase& c : everyCase()) {
        SCOPED_TRACE(c.name);
        const ProblemState read = testing::readStepsCase(c);
        const PlainRun plain = solveWithoutSteps(read);
        const MethodSteps run = stepsOf(read);
        ASSERT_GE(run.steps.size(), 1u);
        const Step& last = run.steps.back();
        const Method method = read.IMETODA;
        if (method == Method::Cholesky) {
            if (plain.left.S) {
                for (int j = 1; j <= read.n; ++j)
                    for (int i = 1; i <= j; ++i) EXPECT_EQ(bits((*plain.left.S)(LOCA(i, j))), bits(last.A(i, j)));
            }
        } else {
            expectSameBits(plain.state.A, last.A, "A");
        }
        const bool solved = plain.left.X.has_value();
        if (isIterative(method)) {
            if (solved) expectSameBits(*plain.left.X, last.X, "x");
            expectSameBits(plain.state.B, last.B, "B");
        } else if (solved) {
            expectSameBits(plain.state.B, last.B, "x");
        } else if (method == Method::Gauss) {
            expectSameBits(plain.state.B, last.B, "B");
        }
        if (!solved) continue;
        const RealMatrix& x = isIterative(method) ? last.X : last.B;
        std::vector<std::string> shown;
        for (int k = 1; k <= x.cols(); ++k)
            for (int i = 1; i <= x.rows(); ++i) shown.push_back(generalField(x(i, k), 15, 7, 0));
        EXPECT_EQ(reportedValues(plain.report), shown);
    }
}

// A run followed step by step takes the plain loops: its report, console
// lines and state are those of the run that takes the kernels.
TEST(MethodStepsTest, FollowingTheStepsLeavesTheReportAsItIs) {
    for (const StepsCase& c : everyCase()) {
        SCOPED_TRACE(c.name);
        const ProblemState read = testing::readStepsCase(c);
        const PlainRun plain = solveWithoutSteps(read);
        testing::RunFixture f;
        f.state = read;
        f.state.TIPAR_MATRICE = f.state.TIPAR_DETERMINANT = f.state.TIPAR_ITERATII = true;
        StepRecorder recorder(f.state);
        f.context.steps = &recorder;
        CORVANEAPPLY(f.context);
        EXPECT_EQ(f.reportText(), plain.report);
        expectSameBits(plain.state.B, f.state.B, "B");
        EXPECT_GE(recorder.steps().steps.size(), 2u);
    }
}

// ---- Replaying each step from the one before ----

struct Arrays {
    RealMatrix A, B, X;
    std::vector<int> order;
};

void exchange(RealMatrix& M, int a, int b) {
    for (int j = 1; j <= M.cols(); ++j) std::swap(M(a, j), M(b, j));
}

int firstLargest(const RealMatrix& A, int n, int k) {
    int row = k;
    for (int i = k + 1; i <= n; ++i)
        if (std::fabs(A(i, k)) > std::fabs(A(row, k))) row = i;
    return row;
}

double luSum(const RealMatrix& A, int r, int c, int count) {
    double sum = 0.0;
    for (int l = 1; l <= count; ++l) sum += static_cast<double>(A(r, l)) * static_cast<double>(A(l, c));
    return sum;
}

void replayElimination(const Step& s, int n, Arrays& a) {
    EXPECT_EQ(firstLargest(a.A, n, s.k), s.row);
    if (s.row != s.k) {
        exchange(a.A, s.k, s.row);
        exchange(a.B, s.k, s.row);
    }
    for (int i = s.k + 1; i <= n; ++i) {
        if (a.A(i, s.k) == 0.0f) continue;
        const float m = a.A(i, s.k) / a.A(s.k, s.k);
        for (int j = s.k + 1; j <= n; ++j) a.A(i, j) = a.A(i, j) - m * a.A(s.k, j);
        for (int j = 1; j <= a.B.cols(); ++j) a.B(i, j) = a.B(i, j) - m * a.B(s.k, j);
        a.A(i, s.k) = m;
    }
}

void replayLuSearch(const Step& s, int n, Arrays& a) {
    float best = 0.0f;
    int bestRow = s.k;
    for (int i = s.k; i <= n; ++i) {
        const float candidate = s.k == 1 ? a.A(i, 1) : static_cast<float>(static_cast<double>(a.A(i, s.k)) - luSum(a.A, i, s.k, s.k - 1));
        EXPECT_EQ(bits(candidate), bits(s.values[static_cast<std::size_t>(i - s.k)])) << "candidate of row " << i;
        if (std::fabs(candidate) > std::fabs(best)) {
            best = candidate;
            bestRow = i;
        }
    }
    EXPECT_EQ(bestRow, s.row);
    if (bestRow == s.k) return;
    exchange(a.A, s.k, bestRow);
    exchange(a.B, s.k, bestRow);
    std::swap(a.order[static_cast<std::size_t>(s.k - 1)], a.order[static_cast<std::size_t>(bestRow - 1)]);
}

float luSolved(const RealMatrix& A, const RealMatrix& B, int n, int i, int r, bool forward) {
    double sum = 0.0;
    for (int j = forward ? 1 : i + 1; j <= (forward ? i - 1 : n); ++j)
        sum += static_cast<double>(A(i, j)) * static_cast<double>(B(j, r));
    if (forward) return static_cast<float>(static_cast<double>(B(i, r)) - sum);
    if (i == n) return B(n, r) / A(n, n);
    return static_cast<float>((static_cast<double>(B(i, r)) - sum) / static_cast<double>(A(i, i)));
}

void replayCholesky(const Step& s, int n, Arrays& a) {
    RealMatrix& S = a.A;
    const int j = s.row;
    if (s.kind == StepKind::CholeskyDiagonal || s.kind == StepKind::CholeskyNotPositive) {
        float squares = 0.0f;
        for (int k = 1; k < j; ++k) squares = squares + S(k, j) * S(k, j);
        const float radicand = j == 1 ? S(1, 1) : S(j, j) - squares;
        if (s.kind == StepKind::CholeskyNotPositive) {
            EXPECT_LE(radicand, 0.0f);
            EXPECT_EQ(bits(radicand), bits(s.result));
        } else {
            S(j, j) = std::sqrt(radicand);
        }
        return;
    }
    if (s.kind == StepKind::CholeskyEntry) {
        float sum = 0.0f;
        for (int k = 1; k < j; ++k) sum = sum + S(k, j) * S(k, s.column);
        S(j, s.column) = j == 1 ? S(1, s.column) / S(1, 1) : (S(j, s.column) - sum) / S(j, j);
        return;
    }
    const int i = s.row;
    const int r = s.rhs;
    float sum = 0.0f;
    if (s.kind == StepKind::CholeskyForward) {
        for (int l = 1; l < i; ++l) sum = sum + S(l, i) * a.B(l, r);
    } else {
        for (int l = i + 1; l <= n; ++l) sum = sum + S(i, l) * a.B(l, r);
    }
    const bool alone = s.kind == StepKind::CholeskyForward ? i == 1 : i == n;
    a.B(i, r) = alone ? a.B(i, r) / S(i, i) : (a.B(i, r) - sum) / S(i, i);
}

void replaySweep(const MethodSteps& run, const Step& s, Arrays& a) {
    const int n = run.n;
    const int r = s.rhs;
    std::vector<float> x0(static_cast<std::size_t>(n), 0.0f), x1(static_cast<std::size_t>(n));
    if (s.k > 1)
        for (int i = 1; i <= n; ++i) x0[static_cast<std::size_t>(i - 1)] = a.X(i, r);
    auto X0 = [&](int j) { return x0[static_cast<std::size_t>(j - 1)]; };
    auto X1 = [&](int j) -> float& { return x1[static_cast<std::size_t>(j - 1)]; };
    const float omega1 = 1.0f - run.omega;
    for (int i = 1; i <= n; ++i) {
        if (run.method == Method::GaussSeidel) {
            float sum = 0.0f;
            for (int j = 1; j <= n; ++j)
                if (j != i) sum = sum + a.A(i, j) * (j < i ? X1(j) : X0(j));
            X1(i) = (a.B(i, r) - sum) / a.A(i, i);
        } else {
            float s1 = 0.0f, s2 = 0.0f;
            for (int j = 1; j < i; ++j) s1 = s1 + a.A(i, j) * X1(j);
            for (int j = i + 1; j <= n; ++j) s2 = s2 + a.A(i, j) * X0(j);
            const float t = (a.B(i, r) - s1) - s2;
            X1(i) = i == 1 ? t : run.omega * t + omega1 * X0(i);
        }
    }
    float dx = -INFINITY;
    bool finite = true;
    for (int i = 1; i <= n; ++i) {
        a.X(i, r) = X1(i);
        finite = finite && std::isfinite(X1(i));
        dx = std::max(dx, std::fabs(X1(i) - X0(i)));
    }
    if (finite) {
        EXPECT_EQ(bits(dx), bits(s.result)) << "dx";
    }
}

// The arrays of `s` made from those of `before` by the operation `s` names.
Arrays replay(const MethodSteps& run, const Step& before, const Step& s) {
    const int n = run.n;
    Arrays a{before.A, before.B, before.X, before.order};
    switch (s.kind) {
        case StepKind::Elimination: replayElimination(s, n, a); break;
        case StepKind::SmallPivot:
            EXPECT_EQ(firstLargest(a.A, n, s.k), s.row);
            EXPECT_LT(std::fabs(a.A(s.row, s.k)), s.threshold);
            break;
        case StepKind::BackSubstitution: {
            float sum = 0.0f;
            for (int l = s.row + 1; l <= n; ++l) sum = sum + a.A(s.row, l) * a.B(l, s.rhs);
            a.B(s.row, s.rhs) = s.row == n ? a.B(n, s.rhs) / a.A(n, n) : (a.B(s.row, s.rhs) - sum) / a.A(s.row, s.row);
            break;
        }
        case StepKind::LuPivotSearch: replayLuSearch(s, n, a); break;
        case StepKind::LuUpper:
            a.A(s.row, s.column) = static_cast<float>(static_cast<double>(a.A(s.row, s.column)) - luSum(a.A, s.row, s.column, s.row - 1));
            break;
        case StepKind::LuLower: {
            const int r = s.row, j = s.column;
            a.A(r, j) = j == 1 ? a.A(r, 1) / a.A(1, 1)
                               : static_cast<float>((static_cast<double>(a.A(r, j)) - luSum(a.A, r, j, j - 1)) /
                                                    static_cast<double>(a.A(j, j)));
            break;
        }
        case StepKind::LuSmallDiagonal: EXPECT_LT(std::fabs(a.A(s.k, s.k)), s.threshold); break;
        case StepKind::LuForward:
        case StepKind::LuBack:
            a.B(s.row, s.rhs) = luSolved(a.A, a.B, n, s.row, s.rhs, s.kind == StepKind::LuForward);
            break;
        case StepKind::CholeskyDiagonal:
        case StepKind::CholeskyEntry:
        case StepKind::CholeskyNotPositive:
        case StepKind::CholeskyForward:
        case StepKind::CholeskyBack: replayCholesky(s, n, a); break;
        case StepKind::RowOrdering:
            EXPECT_EQ(firstLargest(a.A, n, s.k), s.row);
            exchange(a.A, s.k, s.row);
            exchange(a.B, s.k, s.row);
            break;
        case StepKind::RowOrderingFailed: EXPECT_LT(std::fabs(a.A(firstLargest(a.A, n, s.k), s.k)), s.threshold); break;
        case StepKind::DiagonalScaling:
            for (int i = 1; i <= n; ++i) {
                for (int k = 1; k <= a.B.cols(); ++k) a.B(i, k) = a.B(i, k) / a.A(i, i);
                for (int j = 1; j <= n; ++j)
                    if (j != i) a.A(i, j) = a.A(i, j) / a.A(i, i);
                a.A(i, i) = 1.0f;
            }
            break;
        case StepKind::Sweep: replaySweep(run, s, a); break;
        case StepKind::DataAsRead: ADD_FAILURE() << "the data as read comes first only"; break;
    }
    return a;
}

TEST(MethodStepsTest, EachStepFollowsFromTheOneBeforeByItsOperation) {
    std::set<StepKind> kinds;
    for (const StepsCase& c : everyCase()) {
        SCOPED_TRACE(c.name);
        const MethodSteps run = stepsOf(testing::readStepsCase(c));
        ASSERT_FALSE(run.steps.empty());
        EXPECT_EQ(run.steps.front().kind, StepKind::DataAsRead);
        for (std::size_t k = 1; k < run.steps.size(); ++k) {
            const std::string where = "step " + std::to_string(k + 1);
            const Arrays expected = replay(run, run.steps[k - 1], run.steps[k]);
            expectSameBits(expected.A, run.steps[k].A, where + " A");
            expectSameBits(expected.B, run.steps[k].B, where + " B");
            expectSameBits(expected.X, run.steps[k].X, where + " x");
            EXPECT_EQ(expected.order, run.steps[k].order) << where;
            kinds.insert(run.steps[k].kind);
        }
    }
    EXPECT_EQ(kinds.size(), static_cast<std::size_t>(StepKind::Sweep)) << "every kind but the data as read is replayed";
}

// ---- What is refused ----

struct RefusalCase {
    std::string name;
    std::string data;
    std::string method;
    std::string problem;
    std::string nlim;
    std::string romanian;
    std::string english;
};

std::string squareData(int n, int nb) {
    std::string text = "big\n" + std::to_string(n) + " " + std::to_string(nb) + "\n";
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) text += i == j ? "4 " : "1 ";
        text += "\n";
    }
    for (int k = 1; k <= nb; ++k) {
        for (int i = 1; i <= n; ++i) text += "1 ";
        text += "\n";
    }
    return text;
}

TEST(MethodStepsTest, AProblemTooLargeToFollowIsRefusedWithItsReason) {
    const RefusalCase cases[] = {
        {"order 13", squareData(13, 1), "gauss", "system", "",
         "Pas cu pas: ordinul n = 13 este prea mare; pasii se arata pentru n <= 12.",
         "Step by step: the order n = 13 is too large; steps are shown for n <= 12."},
        {"13 right-hand sides", squareData(3, 13), "lu", "system", "",
         "Pas cu pas: 13 termeni liberi sunt prea multi; pasii se arata pentru cel mult 12.",
         "Step by step: 13 right-hand sides are too many; steps are shown for at most 12."},
        {"NLIM 1001", squareData(3, 1), "gauss-seidel", "system", "1001",
         "Pas cu pas: NLIM = 1001 este prea mare; pasii se arata pentru cel mult 1000 iteratii.",
         "Step by step: NLIM = 1001 is too large; steps are shown for at most 1000 sweeps."},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProblemState read =
            testing::readStepsCase({c.name, c.data, c.method, "general", c.problem, "1e-5", c.nlim, ""});
        EXPECT_EQ(stepsRefusal(read, kRomanian), c.romanian);
        EXPECT_EQ(stepsRefusal(read, kEnglish), c.english);
        EXPECT_FALSE(recordMethodSteps(read, kEnglish).steps.has_value());
    }
    const ProblemState largest = testing::readStepsCase({"order 12", squareData(12, 12), "gauss", "general", "system",
                                                         "", "1000", ""});
    EXPECT_EQ(stepsRefusal(largest, kEnglish), "");
    ProblemState condition = largest;
    condition.SISTEM = false;
    condition.CONDITIE = true;
    EXPECT_EQ(stepsRefusal(condition, kEnglish),
              "Step by step shows the methods of a system or an inverse, not the condition number.");
}

// The SOLVE's own refusal (no EPS or NLIM) is told as the SOLVE tells it.
TEST(MethodStepsTest, TheSolvesOwnRefusalIsKept) {
    const ProblemState read = testing::readStepsCase({"no eps", squareData(3, 1), "sor", "general", "system", "", "", ""});
    const RecordedSteps recorded = recordMethodSteps(read, kEnglish);
    EXPECT_FALSE(recorded.steps.has_value());
    EXPECT_EQ(recorded.refusal, message::kEnterEpsNlimOmega);
}

}  // namespace
}  // namespace corvane
