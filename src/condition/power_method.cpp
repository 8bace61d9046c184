#include "condition/power_method.h"

#include <cmath>
#include <limits>
#include <vector>

#include "kernels/iteration_kernel.h"

namespace corvane {
namespace {

constexpr int kIterationLimit = 1000;
constexpr float kTolerance = 1.0e-7f;
constexpr float kRelativeFloor = 1.0e-6f;  // below this modulus (times the scale) the change is measured absolutely
constexpr float kLargerBy = 1.001f;        // how much larger the second start's eigenvalue must be to be taken
constexpr Complex kNoShift{0.0f, 0.0f};

void divideBy(int n, ComplexVector& V, float divisor) {
    for (int i = 1; i <= n; ++i) V(i) = {V(i).re / divisor, V(i).im / divisor};
}

// Z = (A + i·diag(D))·Z0, accumulated column by column: Z(j) = Z(j) + c(j,l)·Z0(l)
// for l = 1..n (the kernel of iteration_kernel.h, with the plain loop's roundings).
void multiply(int n, const RealMatrix& A, const std::vector<float>& D, const ComplexVector& Z0, ComplexVector& Z) {
    static_assert(sizeof(Complex) == 2 * sizeof(float), "a complex number is a pair of floats");
    complexMatrixVector(n, A.data(), D.data(), &Z0.data()->re, &Z.data()->re);
}

float change(Complex current, Complex previous, float scale) {
    const float size = modulus(current);
    const float difference = modulus(minus(current, previous));
    return size > kRelativeFloor * scale ? difference / size : difference / scale;
}

// A(w,w) - shift for every w, on the imaginary parts D of the diagonal. The
// real parts would become a(w,w) - 0, which is a(w,w) itself, so A is left
// as it is.
void shiftDiagonal(std::vector<float>& D, Complex shift) {
    for (float& im : D) im = im - shift.im;
}

bool hasNonzeroPart(int n, const ComplexVector& V) {
    for (int i = 1; i <= n; ++i) {
        if (V(i).re != 0.0f || V(i).im != 0.0f) return true;
    }
    return false;
}

// The Euclidean norm with every part divided by the largest one seen so far,
// so that no square overflows or underflows: over the real and then the
// imaginary part of each component, in index order, in single precision.
float scaledNorm2(int n, const ComplexVector& V) {
    float scale = 0.0f;
    float ssq = 1.0f;
    auto add = [&](float x) {
        if (x == 0.0f) return;
        const float a = std::fabs(x);
        if (scale < a) {
            const float ratio = scale / a;
            ssq = 1.0f + ssq * (ratio * ratio);
            scale = a;
        } else {
            const float ratio = a / scale;
            ssq = ssq + ratio * ratio;
        }
    };
    for (int i = 1; i <= n; ++i) {
        add(V(i).re);
        add(V(i).im);
    }
    return scale * std::sqrt(ssq);
}

}  // namespace

float VECTOR_NORM2(int n, const ComplexVector& V) {
    float sum = 0.0f;
    for (int i = 1; i <= n; ++i) sum = sum + (V(i).re * V(i).re + V(i).im * V(i).im);
    if (std::isinf(sum) || (sum == 0.0f && hasNonzeroPart(n, V))) return scaledNorm2(n, V);
    return std::sqrt(sum);
}

int MAXINDEX(int n, const ComplexVector& V) {
    float largest = -std::numeric_limits<float>::infinity();
    for (int i = 1; i <= n; ++i) {
        const float m = modulus(V(i));
        if (m > largest) largest = m;
    }
    for (int i = 1; i <= n; ++i) {
        if (modulus(V(i)) == largest) return i;
    }
    return 1;
}

PowerRun POWER_COMPLEX(int n, const RealMatrix& A, int limit, float tolerance, float scale, const ComplexVector& start,
                       RunProgress* progress) {
    PowerRun run;
    if (n < 1) {
        run.estimate.testValue = std::numeric_limits<float>::quiet_NaN();
        return run;
    }
    Complex shift = kNoShift;
    std::vector<float> D(static_cast<std::size_t>(n), 0.0f);  // imaginary parts of A's diagonal
    ComplexVector Z0 = start;
    ComplexVector Z(n);
    Complex previous{0.0f, 0.0f};
    int previousK = 0;
    for (;;) {
        run.iterations = 0;
        for (;;) {
            stepBoundary(progress, RunPhase::PowerIteration, run.iterations, limit);
            ++run.iterations;
            multiply(n, A, D, Z0, Z);
            const int k = MAXINDEX(n, Z);
            const Complex lambda = quotient(Z(k), Z0(k));
            run.estimate.eigenvalue = lambda;
            divideBy(n, Z, VECTOR_NORM2(n, Z));
            if (run.iterations > 1) {
                run.estimate.testValue = change(lambda, previous, scale);
                // Two estimates taken at different components may agree by chance.
                if (run.estimate.testValue <= tolerance && k == previousK) {
                    run.estimate.status = kConverged;
                    if (shift.re != 0.0f || shift.im != 0.0f) run.estimate.eigenvalue = plus(lambda, shift);
                    return run;
                }
                if (run.iterations >= limit) break;  // Z0 stays the vector that entered this iteration
            }
            Z0 = Z;
            previous = lambda;
            previousK = k;
        }
        if (shift.re != 0.0f || shift.im != 0.0f) {
            run.estimate.status = kNotConverged;
            return run;
        }
        shift = {0.0f, scale};
        shiftDiagonal(D, shift);
    }
}

float smallMatrixScale(int n, const RealMatrix& A) {
    float largest = 0.0f;
    const float* entry = A.data();
    for (long k = 0; k < static_cast<long>(n) * n; ++k) {
        const float magnitude = std::fabs(entry[k]);
        if (!std::isfinite(magnitude)) return 1.0f;
        if (magnitude > largest) largest = magnitude;
    }
    if (largest == 0.0f || largest >= 0.5f) return 1.0f;
    int exponent = 0;
    const float fraction = std::frexp(largest, &exponent);  // largest = fraction·2^exponent, 0.5 <= fraction < 1
    return fraction == 0.5f ? largest : std::ldexp(1.0f, exponent);
}

ComplexVector uniformStart(int n) {
    ComplexVector V(n);
    V.fill({1.0f, 1.0f});
    divideBy(n, V, VECTOR_NORM2(n, V));
    return V;
}

ComplexVector rampStart(int n) {
    ComplexVector V(n);
    for (int j = 1; j <= n; ++j) V(j) = {static_cast<float>(j), static_cast<float>(j)};
    divideBy(n, V, VECTOR_NORM2(n, V));
    return V;
}

EigenEstimate EIGEN_POWER(int n, const RealMatrix& A, RunProgress* progress) {
    const float scale = smallMatrixScale(n, A);
    EigenEstimate first = POWER_COMPLEX(n, A, kIterationLimit, kTolerance, scale, uniformStart(n), progress).estimate;
    if (first.status != kConverged) return first;
    const EigenEstimate second = POWER_COMPLEX(n, A, kIterationLimit, kTolerance, scale, rampStart(n), progress).estimate;
    if (second.status == kConverged && modulus(second.eigenvalue) > kLargerBy * modulus(first.eigenvalue)) {
        first.eigenvalue = second.eigenvalue;
    }
    return first;
}

}  // namespace corvane
