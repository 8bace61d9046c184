// The option rules both front ends call: choosing a method, the controls it
// uses, and choosing a norm.

#include "app/option_rules.h"

#include <gtest/gtest.h>

#include "support/recording_messages.h"

namespace corvane {
namespace {

TEST(OptionRules, ChoosingAMethodSetsItsFlagsAndCholeskyTakesTheSymmetricLayout) {
    const struct {
        Method method;
        MatrixLayout layout;
        bool switched, gaussSeidel, sor;
    } cases[] = {
        {Method::Gauss, MatrixLayout::General, false, false, false},
        {Method::Cholesky, MatrixLayout::General, true, false, false},
        {Method::Cholesky, MatrixLayout::Symmetric, false, false, false},
        {Method::GaussSeidel, MatrixLayout::General, false, true, false},
        {Method::Sor, MatrixLayout::Symmetric, false, false, true},
        {Method::None, MatrixLayout::General, false, false, false},
    };
    for (const auto& c : cases) {
        ProblemState s;
        INITIALIZEDATA(s);
        setMatrixLayout(s, c.layout);
        testing::RecordingMessages messages;
        EXPECT_EQ(chooseMethod(s, c.method, messages), c.switched) << positionOf(c.method);
        EXPECT_EQ(s.IMETODA, c.method);
        EXPECT_TRUE(s.METODA_ALEASA);
        EXPECT_EQ(s.ESTE_GS, c.gaussSeidel);
        EXPECT_EQ(s.ESTE_SOR, c.sor);
        EXPECT_EQ(s.ESTE_ITERATIV, c.gaussSeidel || c.sor);
        const bool symmetricAfter = c.switched || c.layout == MatrixLayout::Symmetric;
        EXPECT_EQ(s.SIMETRICA, symmetricAfter);
        EXPECT_EQ(s.GENERALA, !symmetricAfter);
        ASSERT_EQ(messages.shown.size(), c.switched ? 1u : 0u);
        if (c.switched) {
            EXPECT_EQ(messages.shown[0].text, kCholeskyNeedsSymmetric);
            EXPECT_EQ(messages.shown[0].title, "Info");
        }
    }
}

TEST(OptionRules, EachMethodUsesItsControls) {
    const struct {
        Method method;
        bool iterationParameters, omega, printDeterminant;
    } cases[] = {
        {Method::None, false, false, true},        {Method::Gauss, false, false, true},
        {Method::Lu, false, false, true},          {Method::Cholesky, false, false, true},
        {Method::GaussSeidel, true, false, false}, {Method::Sor, true, true, false},
    };
    for (const auto& c : cases) {
        const MethodControls controls = controlsFor(c.method);
        EXPECT_EQ(controls.iterationParameters, c.iterationParameters) << positionOf(c.method);
        EXPECT_EQ(controls.omega, c.omega) << positionOf(c.method);
        EXPECT_EQ(controls.printDeterminant, c.printDeterminant) << positionOf(c.method);
    }
}

// The norm code follows the norm; with none chosen it falls back to the
// 1-norm's code, for the dialog and the command line alike.
TEST(OptionRules, ChoosingANormSetsItsCode) {
    const std::pair<Norm, int> cases[] = {
        {Norm::Infinity, 0}, {Norm::One, 1}, {Norm::Two, 2}, {Norm::Spectral, 3}, {Norm::None, 1},
    };
    for (auto [norm, code] : cases) {
        ProblemState s;
        chooseNorm(s, norm);
        EXPECT_EQ(s.INORMA, norm);
        EXPECT_EQ(s.KNORMA, code) << positionOf(norm);
    }
}

}  // namespace
}  // namespace corvane
