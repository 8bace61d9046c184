#pragma once
// The bar chart of the comparison: one horizontal bar per method and
// right-hand side, named on its left, the error against the exact answer
// (or, without one, the residual) on a logarithmic axis with a label every
// decade or few. Values of 0 are drawn at the foot of the axis, which then
// says so in its title.

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
