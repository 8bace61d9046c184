#pragma once
// Round steps between the ticks of a chart's value axis.

#include <initializer_list>

namespace corvane {

// A power of ten times one of `factors` (in increasing order, each below
// 10), the least such step at which about eight ticks span `extent`, and
// never below `least`.
double roundTickInterval(double extent, std::initializer_list<double> factors, double least = 0);

}  // namespace corvane
