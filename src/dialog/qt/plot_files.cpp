#include "dialog/qt/plot_files.h"

#include <QApplication>
#include <functional>

#include "dialog/qt/chart_file.h"
#include "dialog/qt/convergence_chart.h"
#include "dialog/qt/omega_chart.h"
#include "problem/problem_state.h"

namespace corvane {
namespace {

// Runs `draw` inside the running application, or inside an offscreen one
// made for it.
bool withApplication(const std::function<bool()>& draw) {
    if (QCoreApplication::instance() != nullptr) return draw();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static char name[] = "corvane";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    QApplication application(argc, argv);
    return draw();
}

QString qtPath(const std::string& path) { return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())); }

}  // namespace

bool writeConvergencePlot(const std::string& path, const IterationHistory& history, float eps, int width,
                          int height) {
    return withApplication([&] {
        return writeChartFile(convergenceChart(history, eps, kEnglish), qtPath(path), QSize(width, height));
    });
}

bool writeOmegaPlot(const std::string& path, const std::vector<OmegaRow>& rows, std::optional<float> best,
                    int width, int height) {
    return withApplication([&] {
        return writeChartFile(omegaChart(rows, best, kEnglish), qtPath(path), QSize(width, height));
    });
}

}  // namespace corvane
