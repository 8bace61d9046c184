// corvane: with arguments ("solve ...") runs one problem from the command
// line; without arguments opens the main dialog (in a build with Qt).

#include "cli/command_line.h"
#ifdef CORVANE_WITH_DIALOG
#include "dialog/qt/plot_files.h"
#include "dialog/qt/run_dialog.h"

namespace corvane {
namespace {

// The command line's charts, drawn with Qt Charts.
class QtPlotRenderer : public PlotRenderer {
public:
    bool writeHistoryPlot(const std::string& path, const IterationHistory& history, float eps,
                          PlotSize size) override {
        return writeConvergencePlot(path, history, eps, size.width, size.height);
    }
    bool writeOmegaPlot(const std::string& path, const std::vector<OmegaRow>& rows, std::optional<float> best,
                        PlotSize size) override {
        return corvane::writeOmegaPlot(path, rows, best, size.width, size.height);
    }
};

}  // namespace
}  // namespace corvane
#else
#include <iostream>

#include "cli/exit_status.h"
#endif

int main(int argc, char** argv) {
#ifdef CORVANE_WITH_DIALOG
    if (argc <= 1) return corvane::runDialog(argc, argv);
    corvane::QtPlotRenderer plots;
    return corvane::runCommandLine(argc, argv, &plots);
#else
    if (argc <= 1) {
        std::cerr << "corvane: this build has no dialog (it was built without Qt): give a command, see corvane --help\n";
        return corvane::kUsage;
    }
    return corvane::runCommandLine(argc, argv);
#endif
}
