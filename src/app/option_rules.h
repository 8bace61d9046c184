#pragma once
// The rules that tie the user's options together, in one place for the
// dialog and the command line: choosing a method (Cholesky takes the
// symmetric layout), the controls a method uses, and choosing a norm.

#include <string_view>

#include "problem/messages.h"
#include "problem/problem_state.h"

namespace corvane {

inline constexpr std::string_view kCholeskyNeedsSymmetric = "Metoda Cholesky:\nTipul Matrice: trebuie sa fie 'Simetrica'";

// Makes `method` the chosen one (IMETODA, the iterative flags,
// METODA_ALEASA). Cholesky works on the symmetric layout: a general layout is
// switched to symmetric and the user told so (title "Info"). Returns true
// when the layout was switched.
bool chooseMethod(ProblemState& state, Method method, MessageService& messages);

// ESTE_GS, ESTE_SOR and ESTE_ITERATIV as IMETODA makes them.
void setIterativeFlags(ProblemState& state);

// The parameter controls the chosen method uses.
struct MethodControls {
    bool iterationParameters;  // EPS, NLIM and the printing of the iterations
    bool omega;                // OMEGA
    bool printDeterminant;     // the factors and the determinant (direct methods)
};
MethodControls controlsFor(Method method);

// Makes `norm` the chosen one. The norm code KNORMA follows it; with no norm
// chosen it falls back to 1 (the 1-norm's code), so that a report written
// anyway names a norm.
void chooseNorm(ProblemState& state, Norm norm);

}  // namespace corvane
