#pragma once
// The convergence chart of a Gauss-Seidel or SOR run: the difference dx of
// every sweep against the sweep number on a logarithmic axis, one line per
// right-hand side named b1, b2, ..., the EPS level as a horizontal line, and
// each line's last sweep marked with how its sweeps ended. The points are the
// history's values as they are. A difference the logarithmic axis cannot
// show is a marker on its edge: 0 at the bottom, infinite or NaN at the top.

#include <QString>

#include "app/iteration_history.h"

class QChart;

namespace corvane {

// Object names of the series besides the lines "b<k>": the edge markers of
// right-hand side k, its end marker, and the EPS line.
QString edgeMarkersName(int rhs);
QString endMarkerName(int rhs);
inline constexpr const char* kEpsLineName = "eps";

// A new chart (the caller owns it); language: 1 Romanian, 2 English.
QChart* convergenceChart(const IterationHistory& history, float eps, int language);

}  // namespace corvane
