// The chart files of the command line (--plot), drawn by the program run
// without a display, opened as a user's viewer would.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QtGlobal>
#include <QXmlStreamReader>
#include <string>

#include "support/cli_runner.h"

namespace corvane::testing {
namespace {

constexpr const char* kTwoRightHandSides = "Sistem 3 x 3\n3 2\n 4 -2 1\n 3 6 -4\n 2 1 8\n 3 3 28\n 1 0 0\n";

// No display and no platform chosen: the program must draw offscreen by itself.
CliResult runWithoutDisplay(const std::string& arguments) {
    const char* names[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    QByteArray kept[3];
    for (int k = 0; k < 3; ++k) {
        kept[k] = qgetenv(names[k]);
        qunsetenv(names[k]);
    }
    CliResult result = runCorvane(arguments);
    for (int k = 0; k < 3; ++k) {
        if (!kept[k].isNull()) qputenv(names[k], kept[k]);
    }
    return result;
}

struct Scratch {
    explicit Scratch(const std::string& name) : directory(scratchDirectory(name)) {
        writeFile(data(), kTwoRightHandSides);
    }
    std::string data() const { return directory + "/system.txt"; }
    std::string path(const std::string& name) const { return directory + "/" + name; }
    std::string directory;
};

// The number of <path> elements; -1 when the file is not well-formed XML.
int svgPaths(const std::string& file) {
    QFile svg(QString::fromStdString(file));
    if (!svg.open(QIODevice::ReadOnly)) return -1;
    QXmlStreamReader xml(&svg);
    int paths = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("path")) ++paths;
    }
    return xml.hasError() ? -1 : paths;
}

TEST(PlotFiles, SolveWritesTheConvergenceChartAsSvgOrPng) {
    Scratch s("plot-solve");
    const std::string solve = "solve '" + s.data() + "' --eps 1e-5 --nlim 50 --report-to '" + s.path("report.txt") + "'";
    CliResult svg = runWithoutDisplay(solve + " --method gauss-seidel --plot '" + s.path("chart.svg") + "'");
    ASSERT_EQ(svg.status, 0) << svg.err;
    EXPECT_GE(svgPaths(s.path("chart.svg")), 2) << "a path at least per right-hand side";

    CliResult png = runWithoutDisplay(solve + " --method sor --omega 1.1 --plot '" + s.path("chart.PNG") +
                                      "' --plot-size 640x400");
    ASSERT_EQ(png.status, 0) << png.err;
    QImage image(QString::fromStdString(s.path("chart.PNG")));
    EXPECT_EQ(image.size(), QSize(640, 400));
}

TEST(PlotFiles, OmegaWritesItsChart) {
    Scratch s("plot-omega");
    CliResult run = runWithoutDisplay("omega '" + s.data() + "' --eps 1e-5 --nlim 50 --from 0.5 --to 1.5 --step 0.1 --plot '" +
                                      s.path("omega.png") + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(QImage(QString::fromStdString(s.path("omega.png"))).size(), QSize(800, 500));
}

TEST(PlotFiles, PlotsTheCommandCannotDrawAreUsageErrors) {
    Scratch s("plot-refused");
    const struct {
        std::string arguments;
        std::string error;
        int status;
    } cases[] = {
        {"--method gauss --plot '" + s.path("a.svg") + "'", "--plot needs --method gauss-seidel or sor", 1},
        {"--method gauss-seidel --plot '" + s.path("a.pdf") + "'", "--plot needs a file name ending in .svg or .png", 1},
        {"--method gauss-seidel --plot '" + s.path("a.png") + "' --plot-size 0x10", "--plot-size must be WIDTHxHEIGHT", 1},
        {"--method gauss-seidel --plot-size 10x10", "--plot-size requires --plot", 1},
        {"--method gauss-seidel --plot '" + s.path("missing/a.png") + "'", "cannot write the plot file", 4},
    };
    for (const auto& c : cases) {
        CliResult run = runWithoutDisplay("solve '" + s.data() + "' --eps 1e-5 --nlim 50 --report-to '" +
                                          s.path("report.txt") + "' " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    }
    EXPECT_EQ(readFile(s.data()), kTwoRightHandSides);
}

}  // namespace
}  // namespace corvane::testing
