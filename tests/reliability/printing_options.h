#pragma once
// The solve options of a run that prints everything it can (matrix,
// determinant, iterations, every equation of the check), so that a test sees
// each part of a report; the iteration parameters let every method run.

#include <string>

#include "cli/solve_options.h"

namespace corvane::testing {

inline SolveOptions printingEverything(std::string problem, std::string matrix, std::string method,
                                       std::string norm, std::string eps, std::string nlim) {
    SolveOptions o;
    o.problem = std::move(problem);
    o.matrix = std::move(matrix);
    o.method = std::move(method);
    o.norm = std::move(norm);
    o.eps = std::move(eps);
    o.nlim = std::move(nlim);
    o.omega = "1.1";
    o.printMatrix = o.printDeterminant = o.printIterations = true;
    o.check = "each";
    return o;
}

}  // namespace corvane::testing
