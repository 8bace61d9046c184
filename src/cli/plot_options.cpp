#include "cli/plot_options.h"

#include <CLI/CLI.hpp>

#include <charconv>

namespace corvane {
namespace {

constexpr int kLargestSide = 10000;

bool endsWith(const std::string& text, std::string_view ending) {
    if (text.size() < ending.size()) return false;
    for (std::size_t k = 0; k < ending.size(); ++k) {
        const char c = text[text.size() - ending.size() + k];
        if (std::tolower(static_cast<unsigned char>(c)) != ending[k]) return false;
    }
    return true;
}

std::optional<int> side(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kLargestSide) return {};
    return value;
}

}  // namespace

void definePlotOptions(CLI::App& command, PlotOptions& o, const std::string& what) {
    CLI::Option* plot = command.add_option("--plot", o.path, what + " as SVG (PATH ending in .svg) or PNG (.png)");
    command.add_option("--plot-size", o.size, "the chart's size in pixels, WIDTHxHEIGHT (default 800x500)")
        ->needs(plot);
}

std::optional<PlotSize> plotSize(const std::string& text) {
    const std::size_t by = text.find('x');
    if (by == std::string::npos) return {};
    const std::optional<int> width = side(std::string_view(text).substr(0, by));
    const std::optional<int> height = side(std::string_view(text).substr(by + 1));
    if (!width || !height) return {};
    return PlotSize{*width, *height};
}

std::string plotOptionsError(const PlotOptions& o, const PlotRenderer* renderer) {
    if (o.path.empty()) return "";
    if (!endsWith(o.path, ".svg") && !endsWith(o.path, ".png")) return "--plot needs a file name ending in .svg or .png";
    if (!plotSize(o.size)) return "--plot-size must be WIDTHxHEIGHT, each from 1 to 10000 pixels";
    if (renderer == nullptr) return "this build draws no charts (it was built without Qt)";
    return "";
}

}  // namespace corvane
