// The blocked elimination kernel against the textbook loops, bit for bit:
// matrices, right-hand sides (solutions), interchange counts and the failing
// row with its pivot, for every instruction-set variant this processor runs.

#include "direct/elimination_kernel.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "support/reference_elimination.h"

namespace corvane {
namespace {

constexpr float kGaussThreshold = 1.0e-6f;

enum class Kind { Uniform, Graded, Hilbert, Sparse, Ties, Infinities, FailsMidway, Underflow, ZeroColumn };

const char* kindName(Kind kind) {
    switch (kind) {
        case Kind::Uniform: return "uniform";
        case Kind::Graded: return "graded";
        case Kind::Hilbert: return "hilbert";
        case Kind::Sparse: return "sparse";
        case Kind::Ties: return "ties";
        case Kind::Infinities: return "infinities";
        case Kind::FailsMidway: return "fails-midway";
        case Kind::Underflow: return "underflow";
        case Kind::ZeroColumn: return "zero-column";
    }
    return "?";
}

struct Problem {
    RealMatrix A;
    RealMatrix B;
};

float uniform(std::mt19937& random) { return std::uniform_real_distribution<float>(-1.0f, 1.0f)(random); }

float entry(Kind kind, int n, int i, int j, std::mt19937& random) {
    std::uniform_int_distribution<int> percent(0, 99);
    switch (kind) {
        case Kind::Uniform: return uniform(random);
        case Kind::Graded: return uniform(random) * std::pow(10.0f, static_cast<float>(percent(random) % 31 - 15));
        case Kind::Hilbert: return 1.0f / static_cast<float>(i + j - 1);
        case Kind::Sparse: return percent(random) < 85 ? (percent(random) < 50 ? 0.0f : -0.0f) : uniform(random);
        case Kind::Ties: return static_cast<float>(percent(random) % 5 - 2);
        case Kind::Infinities: {
            const int p = percent(random);
            if (p == 0) return std::numeric_limits<float>::infinity();
            if (p == 1) return -std::numeric_limits<float>::infinity();
            if (p < 10) return 0.0f;
            return uniform(random);
        }
        case Kind::FailsMidway: {
            const int failingRow = n / 2 + 1;
            return i >= failingRow ? uniform(random) * 1.0e-8f : uniform(random);
        }
        case Kind::Underflow: {
            const int p = percent(random);
            if (p < 15) return p % 2 == 0 ? 0.0f : -0.0f;
            if (p < 25) return uniform(random) * 1.0e-38f;
            if (p < 35) return uniform(random) * 1.0e30f;
            return uniform(random) * std::pow(10.0f, static_cast<float>(percent(random) % 21 - 10));
        }
        case Kind::ZeroColumn: return j == n / 3 + 1 ? 0.0f : uniform(random);
    }
    return 0.0f;
}

Problem makeProblem(Kind kind, int n, int nb, unsigned seed) {
    std::mt19937 random(seed);
    Problem p{RealMatrix(n, n), RealMatrix(n, nb)};
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) p.A(i, j) = entry(kind, n, i, j, random);
    for (int j = 1; j <= nb; ++j)
        for (int i = 1; i <= n; ++i) p.B(i, j) = uniform(random);
    return p;
}

// Position of the first element whose bits differ, or -1.
long firstDifference(const RealMatrix& x, const RealMatrix& y) {
    const long count = static_cast<long>(x.rows()) * x.cols();
    for (long k = 0; k < count; ++k) {
        if (std::bit_cast<std::uint32_t>(x.data()[k]) != std::bit_cast<std::uint32_t>(y.data()[k])) return k;
    }
    return -1;
}

void expectSameAsReference(Kind kind, int n, int nb, unsigned seed) {
    const Problem original = makeProblem(kind, n, nb, seed);
    Problem expected = original;
    int expectedInterchanges = 0;
    const EliminationOutcome reference =
        testing::referenceEliminateAndSolve(n, nb, expected.A, expected.B, kGaussThreshold, expectedInterchanges);

    const KernelLevel chosen = selectedKernelLevel();
    for (KernelLevel level : supportedKernelLevels()) {
        selectKernelLevel(level);
        Problem actual = original;
        int interchanges = 0;
        const EliminationOutcome outcome =
            eliminateAndSolve(n, nb, actual.A.data(), actual.B.data(), kGaussThreshold, interchanges);
        const std::string where = std::string(kindName(kind)) + " n=" + std::to_string(n) + " nb=" +
                                  std::to_string(nb) + " seed=" + std::to_string(seed) + " " + kernelLevelName(level);
        EXPECT_EQ(outcome.failedRow, reference.failedRow) << where;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(outcome.pivot), std::bit_cast<std::uint32_t>(reference.pivot)) << where;
        EXPECT_EQ(interchanges, expectedInterchanges) << where;
        EXPECT_EQ(firstDifference(actual.A, expected.A), -1) << where << " (A)";
        EXPECT_EQ(firstDifference(actual.B, expected.B), -1) << where << " (B)";
    }
    selectKernelLevel(chosen);
}

const int kOrders[] = {1,  2,  3,  5,  8,  15,  16,  17,  31,  32,  33,  47,  48,  49,  63,  64,
                       65, 95, 96, 97, 127, 128, 129, 191, 192, 193, 200, 255, 256, 257, 258, 300};

class KernelMatchesReference : public ::testing::TestWithParam<Kind> {};

TEST_P(KernelMatchesReference, AtOrdersAroundTheBlockSizes) {
    unsigned seed = 1;
    for (int n : kOrders) expectSameAsReference(GetParam(), n, 1 + n % 3, seed++);
}

INSTANTIATE_TEST_SUITE_P(Kinds, KernelMatchesReference,
                         ::testing::Values(Kind::Uniform, Kind::Graded, Kind::Hilbert, Kind::Sparse, Kind::Ties,
                                           Kind::Infinities, Kind::FailsMidway, Kind::Underflow, Kind::ZeroColumn),
                         [](const ::testing::TestParamInfo<Kind>& info) {
                             std::string name = kindName(info.param);
                             for (char& c : name) if (c == '-') c = '_';
                             return name;
                         });

}  // namespace
}  // namespace corvane
