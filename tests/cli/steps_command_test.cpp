// `corvane steps`: the steps of the chosen method written as text, LaTeX or
// HTML to standard output or a file, the data file left as it was; a usage
// error, an unreadable data file, a problem too large to follow and an output
// that cannot be written each end with their own status.

#include <gtest/gtest.h>

#include <string>

#include "support/cli_runner.h"

namespace corvane {
namespace {

std::string example(const std::string& name) { return "'" + std::string(CORVANE_SOURCE_DIR) + "/examples/" + name + "'"; }

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(StepsCommand, WritesTheStepsAsTextToStandardOutput) {
    const std::string data = std::string(CORVANE_SOURCE_DIR) + "/examples/pivoting4.txt";
    const std::string before = testing::readFile(data);
    const testing::CliResult result = testing::runCorvane("steps " + example("pivoting4.txt") + " --method gauss");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(count(result.out, " din 8\n"), 8u) << result.out;
    EXPECT_NE(result.out.find("Pasul 1: |a(2,1)| = 4.000000 este cel mai mare din coloana 1; se schimba liniile 1 si 2;"),
              std::string::npos);
    EXPECT_NE(result.out.find("  1<>"), std::string::npos) << "the exchanged rows are marked";
    EXPECT_EQ(testing::readFile(data), before);
}

TEST(StepsCommand, WritesLatexAndHtmlToAFileInEitherLanguage) {
    const std::string directory = testing::scratchDirectory("steps-command");
    const testing::CliResult latex = testing::runCorvane("steps " + example("spd-system4.txt") +
                                                         " --matrix symmetric --method cholesky --format latex "
                                                         "--language en -o '" + directory + "/steps.tex'");
    EXPECT_EQ(latex.status, 0) << latex.err;
    EXPECT_EQ(latex.out, "");
    const std::string tex = testing::readFile(directory + "/steps.tex");
    EXPECT_EQ(tex.rfind("\\documentclass", 0), 0u);
    EXPECT_NE(tex.find("\\usepackage{amsmath}"), std::string::npos);
    EXPECT_EQ(count(tex, "\\subsection*{Step "), 19u) << "the data, 10 entries of S, 4 + 4 substitutions";
    EXPECT_EQ(count(tex, "\\left[\\begin{array}"), 19u);
    EXPECT_NE(tex.find("Row 2 of S: s(2,2) = sqrt(a(2,2) - [s(1,2)\\^{}2])"), std::string::npos) << "escaped for LaTeX";
    EXPECT_EQ(tex.substr(tex.size() - 15), "\\end{document}\n");

    const testing::CliResult html = testing::runCorvane("steps " + example("system3.txt") +
                                                        " --method sor --eps 1e-5 --nlim 50 --omega 1.1 --format html "
                                                        "-o '" + directory + "/steps.html'");
    EXPECT_EQ(html.status, 0) << html.err;
    const std::string page = testing::readFile(directory + "/steps.html");
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("<html lang=\"ro\">"), std::string::npos);
    EXPECT_EQ(count(page, "<section class=\"step\""), 17u) << "the data, the scaling, 15 sweeps";
    EXPECT_EQ(count(page, "<section class=\"step\" id=\"step-1\">"), 1u) << "the first step shown";
    EXPECT_EQ(count(page, " hidden>"), 16u);
    for (const char* outside : {"http:", "https:", "src=", "href=", "<link"}) {
        EXPECT_EQ(page.find(outside), std::string::npos) << outside;
    }
}

TEST(StepsCommand, EachFailureHasItsStatus) {
    const std::string directory = testing::scratchDirectory("steps-failures");
    std::string big = "13 x 13\n13 1\n";
    for (int i = 0; i <= 13; ++i) big += "13*1\n";  // the rows, then b: thirteen ones each
    testing::writeFile(directory + "/big.txt", big);
    const struct {
        std::string arguments;
        int status;
        std::string message;
    } cases[] = {
        {"steps " + example("system3.txt"), 1, "--method is required"},
        {"steps " + example("system3.txt") + " --method gauss --format pdf", 1, "--format"},
        {"steps " + example("system3.txt") + " --method gauss --problem condition", 1, "--problem"},
        {"steps '" + directory + "/missing.txt' --method gauss", 2, "missing.txt"},
        {"steps '" + directory + "/big.txt' --method gauss", 3,
         "corvane: Pas cu pas: ordinul n = 13 este prea mare; pasii se arata pentru n <= 12."},
        {"steps " + example("system3.txt") + " --method gauss-seidel --language en", 3,
         "corvane: Introdu EPS si/sau NLIM"},
        {"steps " + example("system3.txt") + " --method gauss -o '" + directory + "/no/such/folder/x.txt'", 4,
         "cannot write"},
    };
    for (const auto& c : cases) {
        const testing::CliResult result = testing::runCorvane(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments << "\n" << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.arguments << "\n" << result.err;
        EXPECT_EQ(result.out, "") << c.arguments;
    }
}

}  // namespace
}  // namespace corvane
