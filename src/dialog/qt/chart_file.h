#pragma once
// A chart drawn into a file: SVG when the name ends in .svg, PNG when it ends
// in .png (either case), at a size in pixels. Needs a running QApplication.

#include <QSize>
#include <QString>

class QChart;

namespace corvane {

inline constexpr QSize kDefaultChartSize{800, 500};

// Takes the chart. False when the name has neither ending or the file cannot
// be written.
bool writeChartFile(QChart* chart, const QString& path, QSize size = kDefaultChartSize);

}  // namespace corvane
