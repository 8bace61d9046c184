// The true error of x against a known answer, and reading that answer.

#include "app/true_error.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

// A text handed over in one piece.
class WholeText : public TextSource {
public:
    explicit WholeText(std::string text) : text_(std::move(text)) {}
    void appendNext(std::string& text, std::size_t) override {
        text += text_;
        text_.clear();
    }

private:
    std::string text_;
};

TEST(TrueError, LargestAndRelativePerColumn) {
    RealMatrix X(2, 2);
    ExactAnswer exact(2, 2);
    X(1, 1) = 1.5f, X(2, 1) = 2.0f, X(1, 2) = 0.0f, X(2, 2) = -1.0f;
    exact(1, 1) = 1.0, exact(2, 1) = 4.0, exact(1, 2) = 0.0, exact(2, 2) = 0.0;
    const std::vector<TrueError> errors = trueErrors(X, exact);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_DOUBLE_EQ(errors[0].largest, 2.0);
    EXPECT_DOUBLE_EQ(errors[0].relative, 0.5);
    EXPECT_DOUBLE_EQ(errors[1].largest, 1.0);
    EXPECT_DOUBLE_EQ(errors[1].relative, 1.0);  // an exact answer of zeros: the error itself
    const TrueError whole = wholeError(X, exact);  // an inverse: all entries at once
    EXPECT_DOUBLE_EQ(whole.largest, 2.0);
    EXPECT_DOUBLE_EQ(whole.relative, 0.5);
}

TEST(TrueError, ExactSolutionsReadInTheDataFilesFreeFormat) {
    const struct {
        const char* text;
        bool read;
    } cases[] = {
        {"1 2 3\n4,5,6\n", true},
        {"1\n2\n3\n4 5 6 7\n", true},
        {"3*1\n3*2\n", true},
        {"1 2 3\n4 5\n", false},
        {"1 2 x\n4 5 6\n", false},
        {"", false},
    };
    for (const auto& c : cases) {
        WholeText text(c.text);
        const std::optional<ExactAnswer> exact = exactSolutionsFrom(text, 3, 2);
        EXPECT_EQ(exact.has_value(), c.read) << c.text;
        if (exact && std::string(c.text) == "1 2 3\n4,5,6\n") {
            EXPECT_EQ((*exact)(3, 2), 6.0);
        }
    }
}

TEST(TrueError, OneLinePerRightHandSide) {
    EXPECT_EQ(trueErrorLine(2, {0.014, 0.0137}),
              "Error in x, right-hand side 2: max |x - x_exact| = 1.4E-02, relative 1.4E-02");
    EXPECT_EQ(inverseErrorLine({312.0, 2.5e-4}), "Error in the inverse: max |X - X_exact| = 3.1E+02, relative 2.5E-04");
    EXPECT_EQ(allOnes(2, 3)(2, 3), 1.0);
}

}  // namespace
}  // namespace corvane
