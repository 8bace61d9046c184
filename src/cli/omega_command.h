#pragma once
// `corvane omega`: the relaxation explorer from the command line.

#include <string>

#include "CLI/CLI.hpp"
#include "cli/plot_options.h"
#include "cli/plot_renderer.h"

namespace corvane {

struct OmegaOptions {
    std::string dataFile;
    std::string matrix = "general";
    std::string generate;
    bool invertEntries = false;
    std::string eps;
    std::string nlim;
    double from = 0.05;
    double to = 1.95;
    double step = 0.05;
    bool csv = false;
    bool pastGrowth = false;  // each run to EPS or NLIM, past the growth test
    PlotOptions plot;
};

void defineOmegaOptions(CLI::App& omega, OmegaOptions& options);

// Reads the problem (the file is never written), runs the explorer and
// prints its rows and the best factor; `plots` draws the chart of --plot.
// Returns the exit status.
int runOmega(const OmegaOptions& options, PlotRenderer* plots = nullptr);

}  // namespace corvane
