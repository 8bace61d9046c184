#include "app/option_rules.h"

namespace corvane {

bool chooseMethod(ProblemState& state, Method method, MessageService& messages) {
    state.IMETODA = method;
    setIterativeFlags(state);
    state.METODA_ALEASA = true;
    if (method != Method::Cholesky || state.SIMETRICA) return false;
    messages.show(kCholeskyNeedsSymmetric, "Info", MessageIcon::Information);
    setMatrixLayout(state, MatrixLayout::Symmetric);
    return true;
}

void setIterativeFlags(ProblemState& state) {
    state.ESTE_GS = state.IMETODA == Method::GaussSeidel;
    state.ESTE_SOR = state.IMETODA == Method::Sor;
    state.ESTE_ITERATIV = isIterative(state.IMETODA);
}

MethodControls controlsFor(Method method) {
    return {isIterative(method), method == Method::Sor, !isIterative(method)};
}

void chooseNorm(ProblemState& state, Norm norm) {
    state.INORMA = norm;
    state.KNORMA = norm == Norm::None ? 1 : positionOf(norm) - 1;
}

}  // namespace corvane
