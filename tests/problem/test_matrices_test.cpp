#include "problem/test_matrices.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "problem/problem_state.h"

namespace corvane {
namespace {

using Rows = std::vector<std::vector<float>>;

Rows generate(const char* name, int n, RealVector c) {
    RealMatrix A(n, n);
    A.fill(9.0f);  // the generator must clear what it does not set
    GEN_A(n, A, c.size(), c, name);
    Rows rows;
    for (int i = 1; i <= n; ++i) {
        rows.emplace_back();
        for (int j = 1; j <= n; ++j) rows.back().push_back(A(i, j));
    }
    return rows;
}

TEST(GenA, ClassicMatrices) {
    const float third = 1.0f / 3, quarter = 1.0f / 4, fifth = 1.0f / 5;
    EXPECT_EQ(generate("Hilbert", 3, {}), (Rows{{1, 0.5f, third}, {0.5f, third, quarter}, {third, quarter, fifth}}));
    EXPECT_EQ(generate("Lotkin", 3, {}), (Rows{{1, 1, 1}, {0.5f, third, quarter}, {third, quarter, fifth}}));
    EXPECT_EQ(generate("Wilkinson 20", 4, {1e-10f}),
              (Rows{{1, 4, 0, 0}, {0, 2, 4, 0}, {0, 0, 3, 4}, {1e-10f, 0, 0, 4}}));
    EXPECT_EQ(generate("Companion", 3, {2, 3, 5}), (Rows{{0, 0, -2}, {1, 0, -3}, {0, 1, -5}}));
    EXPECT_EQ(generate("Banda constanta", 5, {4, 1, 1}),
              (Rows{{4, 1, 1, 0, 0}, {1, 4, 1, 1, 0}, {1, 1, 4, 1, 1}, {0, 1, 1, 4, 1}, {0, 0, 1, 1, 4}}));
    EXPECT_EQ(generate("Constant Band", 3, {2, 1, 7, 8, 9}), (Rows{{2, 1, 7}, {1, 2, 1}, {7, 1, 2}}));
    EXPECT_EQ(generate("Nobody", 2, {1}), (Rows{{0, 0}, {0, 0}}));
    EXPECT_EQ(generate("", 2, {1}), (Rows{{0, 0}, {0, 0}}));
}

TEST(GenA, WilkinsonFiveIsAlwaysFiveByFive) {
    Rows rows = generate("Wilkinson 5", 7, {1});
    const float scaled = 1.0f * 1.8144f;
    EXPECT_EQ(rows[0][0], scaled / 3);
    EXPECT_EQ(rows[0][4], scaled / 7);
    EXPECT_FLOAT_EQ(rows[0][0], 0.6048f);
    EXPECT_FLOAT_EQ(rows[0][1], 0.4536f);
    EXPECT_EQ(rows[4][4], scaled / 11);
    EXPECT_EQ(rows[5], std::vector<float>(7, 0.0f));
    EXPECT_EQ(rows[0][5], 0.0f);
}

TEST(GenA, CauchyTakesYFromTheSixthConstant) {
    Rows rows = generate("Cauchy", 5, {1, 3, 5, 8, 7, 2, 4, 6, 10, 9});
    EXPECT_EQ(rows[0], (std::vector<float>{1.0f / 3, 1.0f / 5, 1.0f / 7, 1.0f / 11, 1.0f / 10}));
    Rows small = generate("Cauchy", 2, {1, 2, 0, 0, 0, 3, 4});
    EXPECT_EQ(small[1], (std::vector<float>{1.0f / 5, 1.0f / 6}));
}

TEST(GenA, RequiredInput) {
    EXPECT_TRUE(generatorInputSuffices("Hilbert", 1, 0));
    EXPECT_FALSE(generatorInputSuffices("Wilkinson 5", 4, 1));
    EXPECT_TRUE(generatorInputSuffices("Wilkinson 5", 5, 1));
    EXPECT_FALSE(generatorInputSuffices("Wilkinson 20", 3, 0));
    EXPECT_FALSE(generatorInputSuffices("Cauchy", 3, 7));
    EXPECT_TRUE(generatorInputSuffices("Cauchy", 3, 8));
    EXPECT_FALSE(generatorInputSuffices("Companion", 3, 2));
    EXPECT_FALSE(generatorInputSuffices("Banda constanta" + std::string(18, ' '), 3, 0));
}

// The command line and the dialog find a test matrix by either of its names.
TEST(TestMatrixTable, FoundByEitherNameInAnyLetterCase) {
    const std::pair<const char*, int> cases[] = {
        {"Hilbert", 1}, {"lotkin", 2}, {"COMPANION", 3}, {"Wilkinson 5", 4}, {"wilkinson 20", 5}, {"Cauchy", 6},
        {"Banda constanta", 7}, {"constant band", 7}, {"Wilkinson", 0}, {"", 0}, {"Hilbert ", 0},
    };
    for (auto [name, position] : cases) EXPECT_EQ(testMatrixPosition(name), position) << '"' << name << '"';
    EXPECT_EQ(testMatrixAt(0), nullptr);
    EXPECT_EQ(testMatrixAt(kTestMatrixCount + 1), nullptr);
    EXPECT_EQ(testMatrixAt(kTestMatrixCount)->englishName, "Constant Band");
}

// The generator list holds the table's names, in its order.
TEST(TestMatrixTable, FillsTheGeneratorList) {
    ProblemState s;
    INITIALIZEDATA(s);
    for (int k = 1; k <= kTestMatrixCount; ++k) EXPECT_EQ(trimmed(s.generatorName(k)), testMatrixAt(k)->name);
}

}  // namespace
}  // namespace corvane
