#pragma once
// The user's choices as typed values. The problem state keeps them under
// their classic names (IMETODA, INORMA, and the complementary flag pairs and
// triples SISTEM/INVERSARE/CONDITIE, GENERALA/SIMETRICA, VERIF_MAXIM/
// VERIF_ECUATII); the functions here read and set each group as one value,
// so that a pair can never hold both or neither.

namespace corvane {

struct ProblemState;

// The method list's entries; the value is the 1-based position in it.
enum class Method { None = 0, Gauss = 1, Lu = 2, Cholesky = 3, GaussSeidel = 4, Sor = 5 };
inline constexpr int kMethodCount = 5;

constexpr bool isIterative(Method method) { return method == Method::GaussSeidel || method == Method::Sor; }
// The method at a 1-based list position; None outside 1..kMethodCount.
constexpr Method methodAt(int position) {
    return position >= 1 && position <= kMethodCount ? static_cast<Method>(position) : Method::None;
}
constexpr int positionOf(Method method) { return static_cast<int>(method); }

// The norm list's entries; the value is the 1-based position in it.
enum class Norm { None = 0, Infinity = 1, One = 2, Two = 3, Spectral = 4 };
inline constexpr int kNormCount = 4;

constexpr Norm normAt(int position) {
    return position >= 1 && position <= kNormCount ? static_cast<Norm>(position) : Norm::None;
}
constexpr int positionOf(Norm norm) { return static_cast<int>(norm); }

enum class ProblemKind { System, Inverse, Condition };
enum class MatrixLayout { General, Symmetric };
enum class MatrixSource { DataFile, Generated };
enum class Check { Maximum, EachEquation };

ProblemKind problemKind(const ProblemState& state);
void setProblemKind(ProblemState& state, ProblemKind kind);
MatrixLayout matrixLayout(const ProblemState& state);
void setMatrixLayout(ProblemState& state, MatrixLayout layout);
void setMatrixSource(ProblemState& state, MatrixSource source);
void setCheck(ProblemState& state, Check check);

}  // namespace corvane
