#include "app/conditioning_warning.h"

#include <cmath>
#include <cstdio>

#include "condition/one_norm_estimate.h"

namespace corvane {
namespace {

constexpr double kUnitRoundoff = 1.0 / 16777216.0;  // 2^-24, single precision
constexpr double kThreshold = 1.0e-3;               // cond1·2^-24 above this: fewer than about 3 digits

}  // namespace

void ConditionEstimate::luFactorsReady(int n, const RealMatrix& original, const RealMatrix& factors) {
    value_ = conditionOneFromLu(n, original, factors);
}

void ConditionEstimate::choleskyFactorReady(int n, const RealVector& original, const RealVector& factor) {
    value_ = conditionOneFromCholesky(n, original, factor);
}

std::optional<ConditioningWarning> conditioningWarning(double conditionOne) {
    const double lost = conditionOne * kUnitRoundoff;
    if (!(lost > kThreshold)) return std::nullopt;  // a NaN estimate warns of nothing
    const double digits = std::isfinite(lost) ? std::round(-std::log10(lost)) : 0.0;
    return ConditioningWarning{conditionOne, digits > 0.0 ? static_cast<int>(digits) : 0};
}

std::string warningLine(const ConditioningWarning& warning) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "Warning: ill-conditioned matrix, cond1(A) ~ %.1E: expect about %d correct digit%s in x",
                  warning.conditionOne, warning.correctDigits, warning.correctDigits == 1 ? "" : "s");
    return line;
}

std::string warningTitle(int language) { return language == 2 ? "Warning" : "Atentie"; }

std::string warningText(const ConditioningWarning& warning, int language) {
    char text[240];
    const int digits = warning.correctDigits;
    if (language == 2) {
        std::snprintf(text, sizeof text,
                      "Ill-conditioned matrix: cond1(A) ~ %.1E.\nExpect about %d correct digit%s in x: a small "
                      "difference in the check does not mean a small error.",
                      warning.conditionOne, digits, digits == 1 ? "" : "s");
    } else {
        std::snprintf(text, sizeof text,
                      "Matrice prost conditionata: cond1(A) ~ %.1E.\nSolutia x are cam %d %s: o diferenta mica "
                      "la proba nu inseamna o eroare mica.",
                      warning.conditionOne, digits, digits == 1 ? "cifra corecta" : "cifre corecte");
    }
    return text;
}

}  // namespace corvane
