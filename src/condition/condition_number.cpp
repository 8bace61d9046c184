#include "condition/condition_number.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "condition/inversion.h"
#include "condition/norms.h"
#include "condition/power_method.h"
#include "kernels/product_kernel.h"
#include "report/matrix_printing.h"

namespace corvane {
namespace {

enum class Norm { Infinity = 0, One = 1, Two = 2, Spectral = 3 };

constexpr float kInversionThreshold = 1.0e-8f;

// Any code other than 1..3 means the infinity norm, as in the run header.
Norm chosenNorm(int code) {
    switch (code) {
        case 1: return Norm::One;
        case 2: return Norm::Two;
        case 3: return Norm::Spectral;
        default: return Norm::Infinity;
    }
}

// The texts that name a matrix in the messages of a power method that did
// not settle.
struct PowerSubject {
    std::string_view failure;
    std::string_view advice;
};

constexpr PowerSubject kOfA{
    " A: Toleranta 1E-5 la \"lambda\", nu s-a atins in 1000 de iteratii (metoda Puterii).",
    " Calculeaza valorile proprii ale lui A cu alta metoda !"};
constexpr PowerSubject kOfAtA{
    " A_transpus*A: Toleranta 1E-5 la \"lambda\", nu s-a atins in 1000 de iteratii (metoda Puterii).",
    " Calculeaza valorile proprii ale lui \"A_transpus*A\" cu alta metoda !"};
constexpr PowerSubject kOfInverse{
    " A-invers: Toleranta 1E-5 la \"lambda\", nu s-a atins in 1000 de iteratii (metoda Puterii).",
    " Calculeaza valorile proprii ale lui \"A-invers\" cu alta metoda !"};
constexpr PowerSubject kOfInverseProduct{
    " A-invers_transpus*A-invers: Toleranta 1E-5 la \"lambda\", nu s-a atins in 1000 de iteratii (metoda Puterii).",
    " Calculeaza valorile proprii ale lui \"A-invers_transpus*A-invers\" cu alta metoda !"};

struct SpectralRadius {
    float value = 0.0f;
    bool converged = true;
};

// The modulus of the power method's estimate, also when it did not settle;
// in that case the failure message, the test value and the advice follow.
SpectralRadius spectralRadius(RecordWriter& out, int n, const RealMatrix& M, const PowerSubject& subject,
                              RunProgress* progress) {
    const EigenEstimate estimate = EIGEN_POWER(n, M, progress);
    const bool converged = estimate.status == kConverged;
    if (!converged) {
        out.write("(/, a)", {subject.failure});
        out.write("(a, 1pg11.4)", {" Valoarea de test =", estimate.testValue});
        out.write("(a)", {subject.advice});
    }
    return {modulus(estimate.eigenvalue), converged};
}

// Xᵀ as the left factor of a product, read from X.
class TransposeOf : public ProductFactor {
public:
    explicit TransposeOf(const RealMatrix& X) : X_(X) {}
    void copyBlock(int i0, int rows, int j0, int steps, float* out, int stride) const override {
        for (int r = 0; r < rows; ++r) {
            const float* x = X_.column(i0 + r + 1) + j0;  // Xᵀ(i0 + r, j0 + k) = X(j0 + k, i0 + r)
            for (int k = 0; k < steps; ++k) out[static_cast<long>(k) * stride + r] = x[k];
        }
    }

private:
    const RealMatrix& X_;
};

// Columns of XᵀX made between two step boundaries: at n = 4000 a group
// takes a few hundredths of a second.
constexpr int kProductColumnsPerStep = 32;

// M(j,i) = sum over k of X(k,j)·X(k,i), that is XᵀX (the kernel of
// product_kernel.h, with the plain loop's roundings); each column of M is
// made on its own, a few at a time.
RealMatrix transposeTimesSelf(int n, const RealMatrix& X, RunProgress* progress) {
    RealMatrix M(n, n);
    for (int first = 1; first <= n; first += kProductColumnsPerStep) {
        stepBoundary(progress, RunPhase::Product, first - 1, n);
        multiplyAdd(n, std::min(kProductColumnsPerStep, n - first + 1), TransposeOf(X), X.column(first), n,
                    M.column(first));
    }
    return M;
}

// Right-hand sides left by a read for a system do not fit an inversion unless
// they make an n × n matrix; the inversion then starts from the identity, as a
// read for the condition number would have left it.
void ensureSquareRightHandSides(ProblemState& s) {
    if (s.B.rows() == s.n && s.B.cols() == s.n) return;
    s.B = RealMatrix(s.n, s.n);
    for (int i = 1; i <= s.n; ++i) s.B(i, i) = 1.0f;
    s.nb = s.n;
}

void printInverse(RecordWriter& out, int n, const RealMatrix& inverse, RunProgress* progress) {
    out.write("(/, a)", {" Matricea inversa A^(-1):"});
    const RuntimeFormat rowFormat = formatList("(<>g15.7)", n);
    std::vector<Item> row(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        stepBoundary(progress, RunPhase::Printing, i - 1, n);
        for (int j = 1; j <= n; ++j) row[static_cast<std::size_t>(j - 1)] = inverse(i, j);
        out.write(rowFormat, row);
    }
}

// What one run computes and reports.
struct ConditionRun {
    Norm norm = Norm::Infinity;
    float normA = 0.0f;
    float normInverse = 0.0f;
    SpectralRadius matrixRadius;   // of AᵀA (2-norm) or A (Cond(A)*)
    SpectralRadius inverseRadius;  // of (A⁻¹)ᵀA⁻¹ or A⁻¹
};

void measureMatrix(RecordWriter& out, int n, const RealMatrix& A, ConditionRun& run, RunProgress* progress) {
    switch (run.norm) {
        case Norm::Infinity: run.normA = NORM_INF(n, A); break;
        case Norm::One: run.normA = NORM1(n, A); break;
        case Norm::Two:
            run.matrixRadius = spectralRadius(out, n, transposeTimesSelf(n, A, progress), kOfAtA, progress);
            run.normA = std::sqrt(run.matrixRadius.value);
            break;
        case Norm::Spectral:
            run.matrixRadius = spectralRadius(out, n, A, kOfA, progress);
            run.normA = run.matrixRadius.value;
            break;
    }
}

void measureInverse(RecordWriter& out, int n, const RealMatrix& inverse, ConditionRun& run, RunProgress* progress) {
    switch (run.norm) {
        case Norm::Infinity:
            out.write("(/, a)", {" Norma-infinit (norma liniilor):"});
            run.normInverse = NORM_INF(n, inverse);
            break;
        case Norm::One:
            out.write("(/, a)", {" Norma-1 (norma coloanelor):"});
            run.normInverse = NORM1(n, inverse);
            break;
        case Norm::Two:
            out.write("(/, a)", {" Norma-2 (norma euclidiana):"});
            run.inverseRadius =
                spectralRadius(out, n, transposeTimesSelf(n, inverse, progress), kOfInverseProduct, progress);
            run.normInverse = std::sqrt(run.inverseRadius.value);
            break;
        case Norm::Spectral:
            run.inverseRadius = spectralRadius(out, n, inverse, kOfInverse, progress);
            run.normInverse = run.inverseRadius.value;
            out.write("(/, a)", {" Cond(A)*:"});
            break;
    }
}

// A radius with " (?)" after it when the power method did not settle.
void writeRadius(RecordWriter& out, bool first, std::string_view label, const SpectralRadius& radius) {
    if (radius.converged) {
        if (first) out.write("(/, a, 1pg15.7)", {label, radius.value});
        else out.write("(a, 1pg15.7)", {label, radius.value});
    } else {
        if (first) out.write("(/, a, 1pg15.7, a)", {label, radius.value, " (?)"});
        else out.write("(a, 1pg15.7, a)", {label, radius.value, " (?)"});
    }
}

void writeResults(RecordWriter& out, const ConditionRun& run) {
    switch (run.norm) {
        case Norm::Infinity:
        case Norm::One:
            out.write("(/, a, 1pg15.7)", {" Norm(A) =", run.normA});
            out.write("(a, 1pg15.7)", {" Norm(A-invers) =", run.normInverse});
            break;
        case Norm::Two:
            writeRadius(out, true, " Raza_spectrala(A_transpus*A) =", run.matrixRadius);
            writeRadius(out, false, " Raza_spectrala(A-invers_transpus*A-invers) =", run.inverseRadius);
            break;
        case Norm::Spectral:
            writeRadius(out, true, " Raza_spectrala(A):", run.matrixRadius);
            writeRadius(out, false, " Raza_spectrala(A-invers):", run.inverseRadius);
            break;
    }
}

// Fixed form up to 1000, exponent form above (and for a value that is not a
// number); a "?" instead of the number when a power method did not settle.
void writeConditionNumber(RecordWriter& out, const ConditionRun& run) {
    if (!run.matrixRadius.converged || !run.inverseRadius.converged) {
        out.write("(a, :, 1pg15.7)", {" Numarul de conditie = ?"});
        return;
    }
    const float cond = run.normA * run.normInverse;
    if (cond <= 1000.0f) out.write("(a, :, 1pg15.7)", {" Numarul de conditie =", cond});
    else out.write("(a, :, 1pe15.7)", {" Numarul de conditie =", cond});
}

}  // namespace

void NUMAR_CONDITIE(RunContext& context) {
    ProblemState& s = context.state;
    RecordWriter& out = context.report;
    ensureSquareRightHandSides(s);
    if (s.TIPAR_MATRICE && (s.SIMETRICA || s.GENERARE || s.INVERS_ELEMENTE)) {
        PRINTA(out, s.n, s.nb, s.A, s.B, s.SISTEM, context.progress);
    }

    ConditionRun run;
    run.norm = chosenNorm(s.KNORMA);
    measureMatrix(out, s.n, s.A, run, context.progress);

    bool singular = false;
    stepBoundary(context.progress, RunPhase::Elimination, 0, s.n);
    const EliminationOutcome failure = ELIM2(out, s.n, s.n, s.A, s.B, kInversionThreshold, singular, context.progress);
    if (singular) {
        out.write("(/, a)", {"* Matrice aproape singulara."});
        if (context.pivots != nullptr) {
            context.pivots->pivotBelowThreshold({failure.failedRow, failure.pivot, kInversionThreshold});
        }
        return;
    }
    stepBoundary(context.progress, RunPhase::Elimination, s.n, s.n);
    if (s.TIPAR_MATRICE) printInverse(out, s.n, s.B, context.progress);
    out.writeList();

    measureInverse(out, s.n, s.B, run, context.progress);
    writeResults(out, run);
    out.write("(a)");
    writeConditionNumber(out, run);
}

}  // namespace corvane
