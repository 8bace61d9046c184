#include "dialog/qt/chart_ticks.h"

#include <algorithm>
#include <cmath>

namespace corvane {

double roundTickInterval(double extent, std::initializer_list<double> factors, double least) {
    const double rough = std::max(least, extent / 8);
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : factors) {
        if (factor * decade >= rough) return factor * decade;
    }
    return 10 * decade;
}

}  // namespace corvane
