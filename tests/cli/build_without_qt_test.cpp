// The program built without Qt (-DCORVANE_DIALOG=OFF): what it lacks is told
// as a usage error, and nothing is written. Skipped in a build with Qt, whose
// dialog and charts the Qt tests check.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/cli_runner.h"

namespace corvane {
namespace {

TEST(BuildWithoutQt, TellsThatItHasNoDialogAndNoChartsAndWritesNothing) {
    if (CORVANE_BUILT_WITH_QT) GTEST_SKIP() << "this build has the dialog and the charts";
    const std::string directory = testing::scratchDirectory("without-qt");
    const std::string data = directory + "/system3.txt", chart = directory + "/chart.svg";
    const std::string report = directory + "/report.txt";
    testing::writeFile(data, "Sistem 3 x 3\n3 1\n 4 -2 1\n 3 6 -4\n 2 1 8\n 3 3 28\n");
    const std::string noCharts = "corvane: this build draws no charts (it was built without Qt)\n";
    struct Case {
        std::string arguments;
        std::string message;
    };
    const Case cases[] = {
        {"", "corvane: this build has no dialog (it was built without Qt): give a command, see corvane --help\n"},
        {"solve '" + data + "' --method sor --eps 1e-5 --nlim 50 --omega 1.1 --report-to '" + report + "' --plot '" +
             chart + "'",
         noCharts},
        {"omega '" + data + "' --eps 1e-5 --nlim 50 --plot '" + chart + "'", noCharts},
    };
    for (const Case& c : cases) {
        const testing::CliResult run = testing::runCorvane(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments;
        EXPECT_EQ(run.err, c.message) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_FALSE(std::filesystem::exists(chart)) << c.arguments;
        EXPECT_FALSE(std::filesystem::exists(report)) << c.arguments;
    }
    EXPECT_EQ(testing::runCorvane("solve '" + data + "' --method gauss --report-to '" + report + "'").status, 0)
        << "the command line works";
}

}  // namespace
}  // namespace corvane
