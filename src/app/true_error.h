#pragma once
// How far each solution is from the exact answer, when the answer is known:
// the right-hand sides were made as A·(1, ..., 1), or a file gives the exact
// solutions.

#include <optional>
#include <string>
#include <vector>

#include "problem/run_progress.h"
#include "problem/solution_listener.h"
#include "textio/list_directed_input.h"

namespace corvane {

// Exact answers are kept in double: the exact inverses of the test matrices
// have integer entries beyond single precision's 24 bits.
using ExactAnswer = Matrix<double>;

struct TrueError {
    double largest;   // max |x(i) - x_exact(i)|
    double relative;  // largest / max |x_exact(i)|
};

// The error of every column of X against the same column of `exact`.
// `progress` hears the columns done (phase Errors) and may stop the work there.
std::vector<TrueError> trueErrors(const RealMatrix& X, const ExactAnswer& exact, RunProgress* progress = nullptr);

// The error of the whole of X against `exact` (an inverse against the exact
// inverse): the largest entry error, relative to the largest exact entry.
TrueError wholeError(const RealMatrix& X, const ExactAnswer& exact, RunProgress* progress = nullptr);

// Keeps the solutions of the last SOLVE.
class SolutionCopy : public SolutionListener {
public:
    void solutionsReady(const RealMatrix& X) override { solutions_ = X; }
    const std::optional<RealMatrix>& solutions() const { return solutions_; }

private:
    std::optional<RealMatrix> solutions_;
};

// n × nb ones: the exact solutions when every b was made as A·(1, ..., 1).
ExactAnswer allOnes(int n, int nb);

// n values per right-hand side, nb of them, read from `text` in the free
// format of the data file (each right-hand side's values starting on a new
// line); none when the text holds fewer numbers or one that is not a number.
std::optional<ExactAnswer> exactSolutionsFrom(TextSource& text, int n, int nb);

// "Error in x, right-hand side 1: max |x - x_exact| = 1.2E-02, relative 1.2E-02"
std::string trueErrorLine(int rightHandSide, const TrueError& error);

// "Error in the inverse: max |X - X_exact| = 3.1E+02, relative 2.5E-04"
std::string inverseErrorLine(const TrueError& error);

}  // namespace corvane
