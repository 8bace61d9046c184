// The rules of --plot and --plot-size, before anything is drawn.

#include <gtest/gtest.h>

#include "cli/plot_options.h"

namespace corvane {
namespace {

class NoDrawing : public PlotRenderer {
public:
    bool writeHistoryPlot(const std::string&, const IterationHistory&, float, PlotSize) override { return false; }
    bool writeOmegaPlot(const std::string&, const std::vector<OmegaRow>&, std::optional<float>, PlotSize) override {
        return false;
    }
};

TEST(PlotOptions, SizesAreWidthByHeightInPixels) {
    const struct {
        const char* text;
        std::optional<PlotSize> size;
    } cases[] = {
        {"800x500", PlotSize{800, 500}}, {"1x10000", PlotSize{1, 10000}}, {"0x500", {}},  {"800x10001", {}},
        {"800", {}},                     {"800x", {}},                    {"x500", {}},   {"80 0x500", {}},
        {"-8x500", {}},
    };
    for (const auto& c : cases) {
        const std::optional<PlotSize> size = plotSize(c.text);
        ASSERT_EQ(size.has_value(), c.size.has_value()) << c.text;
        if (size) EXPECT_EQ(std::pair(size->width, size->height), std::pair(c.size->width, c.size->height)) << c.text;
    }
}

TEST(PlotOptions, APlotNeedsAnSvgOrPngNameAndSomethingToDrawIt) {
    NoDrawing renderer;
    EXPECT_EQ(plotOptionsError({"", "bad"}, nullptr), "") << "no --plot, nothing to check";
    EXPECT_EQ(plotOptionsError({"chart.SVG", "800x500"}, &renderer), "");
    EXPECT_EQ(plotOptionsError({"chart.png", "800x500"}, &renderer), "");
    EXPECT_EQ(plotOptionsError({"chart.pdf", "800x500"}, &renderer), "--plot needs a file name ending in .svg or .png");
    EXPECT_EQ(plotOptionsError({"chart.png", "800"}, &renderer),
              "--plot-size must be WIDTHxHEIGHT, each from 1 to 10000 pixels");
    EXPECT_EQ(plotOptionsError({"chart.png", "800x500"}, nullptr), "this build draws no charts (it was built without Qt)");
}

}  // namespace
}  // namespace corvane
