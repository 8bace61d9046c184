// `corvane import` as a user runs it: every real matrix of the test set
// becomes a data file that solve reads and solves to the accuracy its
// condition allows; a failed import writes nothing.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/cli_runner.h"

namespace corvane {
namespace {

std::string matrix(const std::string& name) { return std::string(CORVANE_SOURCE_DIR) + "/tests/data/matrices/" + name; }

// The figures of the stderr lines "Warning: ... cond1(A) ~ C: ..." and "Error in x, ...: max |x - x_exact| = E, ...".
double figureAfter(const std::string& text, const std::string& marker) {
    const std::size_t at = text.find(marker);
    return at == std::string::npos ? -1.0 : std::strtod(text.c_str() + at + marker.size(), nullptr);
}

TEST(ImportCommand, EveryRealMatrixSolvesToTheAccuracyItsConditionAllows) {
    const std::string directory = testing::scratchDirectory("import-real");
    const struct {
        std::string file;
        std::string headerless;
        bool singular;
    } cases[] = {
        {"bcsstk01.mtx", "symmetric", false}, {"bcsstk03.mtx", "", false}, {"nos4.mtx", "symmetric", false},
        {"saylr3.mtx", "symmetric", true},    {"orsirr1.mtx", "", false},
    };
    for (const auto& c : cases) {
        const std::string data = directory + "/" + c.file + ".txt";
        const std::string headerless = c.headerless.empty() ? "" : " --headerless " + c.headerless;
        const testing::CliResult import =
            testing::runCorvane("import '" + matrix(c.file) + "' --rhs ones" + headerless + " -o '" + data + "'");
        ASSERT_EQ(import.status, 0) << c.file << ": " << import.err;
        const std::string report = directory + "/report.txt";
        const testing::CliResult solve =
            testing::runCorvane("solve '" + data + "' --method gauss --exact ones --report-to '" + report + "'");
        ASSERT_EQ(solve.status, 0) << c.file << ": " << solve.err;
        if (c.singular) {
            EXPECT_NE(testing::readFile(report).find("* Sistemul nu se poate rezolva."), std::string::npos) << c.file;
            continue;
        }
        // Expect about cond1(A)·2⁻²⁴ relative error; a well-conditioned matrix prints no estimate.
        const double cond = figureAfter(solve.err, "cond1(A) ~ ");
        const double error = figureAfter(solve.err, "max |x - x_exact| = ");
        ASSERT_GE(error, 0.0) << solve.err;
        const double allowed = 10.0 * std::max(cond, 1.0e3) * std::ldexp(1.0, -24);
        EXPECT_LE(error, allowed) << c.file << ": " << solve.err;
    }
}

TEST(ImportCommand, TheWarningOfAnIllConditionedStiffnessMatrix) {
    const std::string directory = testing::scratchDirectory("import-bcsstk01");
    const std::string data = directory + "/bcsstk01.txt";
    ASSERT_EQ(testing::runCorvane("import '" + matrix("bcsstk01.mtx") + "' --headerless symmetric --layout symmetric "
                                  "--rhs ones -o '" + data + "'").status, 0);
    for (const std::string method : {"gauss --matrix symmetric", "cholesky --matrix symmetric"}) {
        const testing::CliResult solve = testing::runCorvane("solve '" + data + "' --method " + method +
                                                             " --report-to '" + directory + "/report.txt'");
        ASSERT_EQ(solve.status, 0) << solve.err;
        EXPECT_EQ(solve.err.rfind("Warning: ill-conditioned matrix, cond1(A) ~ 1.6E+06: expect about 1 correct digit in x\n", 0), 0u)
            << method << ": " << solve.err;
    }
}

TEST(ImportCommand, AFailedImportWritesNothing) {
    const std::string directory = testing::scratchDirectory("import-failed");
    testing::writeFile(directory + "/bad.mtx", "%%MatrixMarket matrix coordinate real general\n2 2 2\n1 1 1\n3 3 1\n");
    const std::string data = directory + "/bad.txt";
    const testing::CliResult bad = testing::runCorvane("import '" + directory + "/bad.mtx' -o '" + data + "'");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("bad.mtx: line 4: index (3, 3) is outside the 2 x 2 matrix"), std::string::npos) << bad.err;
    EXPECT_FALSE(std::filesystem::exists(data));

    const testing::CliResult headerless = testing::runCorvane("import '" + matrix("nos4.mtx") + "' -o '" + data + "'");
    EXPECT_EQ(headerless.status, 2);
    EXPECT_NE(headerless.err.find("line 1: no %%MatrixMarket header"), std::string::npos) << headerless.err;
    EXPECT_NE(headerless.err.find("--headerless"), std::string::npos) << headerless.err;
    EXPECT_FALSE(std::filesystem::exists(data));

    // A file that was there stays as it was.
    testing::writeFile(data, "kept\n");
    EXPECT_EQ(testing::runCorvane("import '" + directory + "/bad.mtx' -o '" + data + "'").status, 2);
    EXPECT_EQ(testing::readFile(data), "kept\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), std::filesystem::directory_iterator()), 2)
        << "no leftover of the write";
}

// Files that cannot be read or written, and a data file that would be
// written over a file it is made from: each told with the file and the
// system's reason; the inputs stay as they were and no partial file is left.
TEST(ImportCommand, FileFaultsNameTheFileAndLeaveTheInputs) {
    const std::string directory = testing::scratchDirectory("import-file-faults");
    const std::string matrixText = "%%MatrixMarket matrix coordinate real general\n1 1 1\n1 1 2\n";
    const std::string rhsText = "%%MatrixMarket matrix array real general\n1 1\n3\n";
    testing::writeFile(directory + "/m.mtx", matrixText);
    testing::writeFile(directory + "/b.mtx", rhsText);
    const std::string m = "'" + directory + "/m.mtx'";
    const struct {
        std::string arguments;
        int status;
        std::string message;
    } cases[] = {
        {"'" + directory + "/none.mtx' -o '" + directory + "/d.txt'", 2,
         "cannot read " + directory + "/none.mtx: No such file or directory"},
        {m + " --rhs '" + directory + "' -o '" + directory + "/d.txt'", 2, "cannot read " + directory + ": Is a directory"},
        {m + " -o '" + directory + "/no-folder/d.txt'", 4, "cannot write " + directory + "/no-folder/d.txt: No such file or directory"},
        {m + " -o '" + directory + "/../import-file-faults/m.mtx'", 1, "would replace " + directory + "/m.mtx, which it is made from"},
        {m + " --rhs '" + directory + "/b.mtx' -o '" + directory + "/b.mtx'", 1, "would replace " + directory + "/b.mtx"},
    };
    for (const auto& c : cases) {
        const testing::CliResult result = testing::runCorvane("import " + c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments << ": " << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(testing::readFile(directory + "/m.mtx"), matrixText);
    EXPECT_EQ(testing::readFile(directory + "/b.mtx"), rhsText);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), std::filesystem::directory_iterator()), 2)
        << "no data file and no leftover of a write";
}

// Written numbers read back as the same single-precision values: the
// report's echo of an imported matrix equals the echo of the hand-written
// data file with the same values.
TEST(ImportCommand, NumbersReadBackAsTheyWereImported) {
    const std::string directory = testing::scratchDirectory("import-roundtrip");
    testing::writeFile(directory + "/m.mtx",
                       "%%MatrixMarket matrix coordinate real general\n2 2 4\n1 1 0.1\n1 2 1e-30\n2 1 3.4028234e38\n2 2 -7\n");
    testing::writeFile(directory + "/by-hand.txt", "t\n2 1\n0.1 1e-30\n3.4028234e38 -7\n0.1 3.4028234e38\n");
    testing::writeFile(directory + "/b.mtx", "%%MatrixMarket matrix array real general\n2 1\n0.1\n3.4028234e38\n");
    ASSERT_EQ(testing::runCorvane("import '" + directory + "/m.mtx' --title t --rhs '" + directory + "/b.mtx' -o '" +
                                  directory + "/imported.txt'").status, 0);
    std::string reports[2];
    int k = 0;
    for (const std::string name : {"imported", "by-hand"}) {
        const std::string report = directory + "/" + name + "-report.txt";
        ASSERT_EQ(testing::runCorvane("solve '" + directory + "/" + name + ".txt' --method gauss --print-matrix --report-to '" +
                                      report + "'").status, 0);
        reports[k++] = testing::readFile(report);
    }
    EXPECT_EQ(reports[0], reports[1]);
}

}  // namespace
}  // namespace corvane
