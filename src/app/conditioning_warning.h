#pragma once
// The warning that x cannot be trusted: after Gauss, LU or Cholesky, cond1(A)
// is estimated from the method's factors, and when cond1(A)·2⁻²⁴ > 1.0E-3
// (fewer than about three correct digits in single precision) the user is
// told how many digits to expect.

#include <optional>
#include <string>

#include "problem/factor_listener.h"

namespace corvane {

// Listens to a SOLVE's factors and keeps the estimate of cond1(A).
class ConditionEstimate : public FactorListener {
public:
    void luFactorsReady(int n, const RealMatrix& original, const RealMatrix& factors) override;
    void choleskyFactorReady(int n, const RealVector& original, const RealVector& factor) override;

    // The estimate of the last factors heard of; none before any.
    const std::optional<double>& value() const { return value_; }

private:
    std::optional<double> value_;
};

struct ConditioningWarning {
    double conditionOne;
    int correctDigits;  // about how many digits of x can be trusted
};

// The warning for this estimate of cond1(A), none below the threshold.
std::optional<ConditioningWarning> conditioningWarning(double conditionOne);

// "Warning: ill-conditioned matrix, cond1(A) ~ 4.8E+05: expect about 2 correct digits in x"
std::string warningLine(const ConditioningWarning& warning);

// The dialog's note, its title and text in the interface language (1
// Romanian, 2 English).
std::string warningTitle(int language);
std::string warningText(const ConditioningWarning& warning, int language);

}  // namespace corvane
