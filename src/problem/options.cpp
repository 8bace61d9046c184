#include "problem/options.h"

#include "problem/problem_state.h"

namespace corvane {

ProblemKind problemKind(const ProblemState& state) {
    if (state.CONDITIE) return ProblemKind::Condition;
    return state.INVERSARE ? ProblemKind::Inverse : ProblemKind::System;
}

void setProblemKind(ProblemState& state, ProblemKind kind) {
    state.SISTEM = kind == ProblemKind::System;
    state.INVERSARE = kind == ProblemKind::Inverse;
    state.CONDITIE = kind == ProblemKind::Condition;
}

MatrixLayout matrixLayout(const ProblemState& state) {
    return state.SIMETRICA ? MatrixLayout::Symmetric : MatrixLayout::General;
}

void setMatrixLayout(ProblemState& state, MatrixLayout layout) {
    state.GENERALA = layout == MatrixLayout::General;
    state.SIMETRICA = !state.GENERALA;
}

void setMatrixSource(ProblemState& state, MatrixSource source) {
    state.FISIER_DATE = source == MatrixSource::DataFile;
    state.GENERARE = !state.FISIER_DATE;
}

void setCheck(ProblemState& state, Check check) {
    state.VERIF_MAXIM = check == Check::Maximum;
    state.VERIF_ECUATII = !state.VERIF_MAXIM;
}

}  // namespace corvane
