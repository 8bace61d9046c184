#include "support/band_inverse.h"

#include <string>

#include "app/option_rules.h"
#include "problem/input_file.h"
#include "problem/options.h"
#include "problem/test_matrices.h"

namespace corvane::testing {

ProblemState bandInverse(int n) {
    ProblemState s;
    INITIALIZEDATA(s);
    SilentMessages quiet;
    setProblemKind(s, ProblemKind::Inverse);
    setMatrixSource(s, MatrixSource::Generated);
    s.IGENERATA = testMatrixPosition("Constant Band");
    chooseMethod(s, Method::Gauss, quiet);
    readProblemText(s, "Banda\n" + std::to_string(n) + "\n2\n4 1\n", quiet);
    return s;
}

}  // namespace corvane::testing
