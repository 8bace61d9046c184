#pragma once
// The bar chart of the comparison: one bar per method and right-hand side,
// the error against the exact answer (or, without one, the residual) on a
// logarithmic axis. Values of 0 are drawn at the foot of the axis.

#include <QChart>
#include <vector>

#include "app/method_comparison.h"

namespace corvane {

inline constexpr const char* kComparisonBarsName = "comparisonBars";

// What each bar shows: the error when the rows have one, else the residual.
std::optional<double> chartedValue(const ComparisonRow& row, bool errors);

// `inverse`: the rows are those of an inverse (the residual and error of the whole X).
QChart* comparisonChart(const std::vector<ComparisonRow>& rows, bool errors, bool inverse, int language);

}  // namespace corvane
