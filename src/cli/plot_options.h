#pragma once
// The rules of --plot PATH and --plot-size WIDTHxHEIGHT, shared by solve and omega.

#include <optional>
#include <string>

#include "cli/plot_renderer.h"

namespace CLI {
class App;
}

namespace corvane {

struct PlotOptions {
    std::string path;  // empty: no chart
    std::string size = "800x500";
};

void definePlotOptions(CLI::App& command, PlotOptions& options, const std::string& what);

// The size asked for, or nothing when the text is not WIDTHxHEIGHT with
// each side from 1 to 10000 pixels.
std::optional<PlotSize> plotSize(const std::string& text);

// An error text for a --plot the command cannot write, else "".
std::string plotOptionsError(const PlotOptions& options, const PlotRenderer* renderer);

}  // namespace corvane
