// A data file may end anywhere: in the title, between the sizes, inside a
// number, a row or the right-hand sides. Cut short before the sizes (or, for
// Cholesky, before the last row of the triangle) the file cannot be read; cut
// later, the values not there stay 0 and the problem is solved. Either way the
// bytes of the file stay in front of any report.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reliability/restricted_run.h"
#include "support/cli_runner.h"

namespace corvane {
namespace {

struct CutFile {
    const char* name;
    std::string text;
    std::string readableFrom;  // the shortest beginning of `text` that can be read
    std::vector<std::string> arguments;
};

// Every number stays a valid number when cut short (no exponents, no signs).
std::vector<CutFile> cutFiles() {
    return {
        {"general system", "Sistem\n2 1\n4 1\n2 3.5\n5 5\n", "Sistem\n2 1", {"--method", "gauss"}},
        {"CR LF line ends", "Sistem\r\n2 1\r\n4 1\r\n2 3.5\r\n5 5\r\n", "Sistem\r\n2 1", {"--method", "gauss"}},
        {"sizes on two lines", "S\n2\n1\n4 1\n2 3\n5 5\n", "S\n2\n1", {"--method", "gauss"}},
        {"symmetric matrix", "S\n3 1\n4 1 0\n4 1\n4\n5 6 5\n", "S\n3 1", {"--matrix", "symmetric", "--method", "gauss"}},
        {"inverse", "I\n2\n4 1\n2 3\n", "I\n2", {"--problem", "inverse", "--method", "gauss"}},
        {"generated band", "B\n3 1\n2\n4 1\n6 7 6\n", "B\n3 1\n2", {"--generate", "Constant Band", "--method", "gauss"}},
        {"Cholesky on the triangle", "S\n3 1\n4 1 0\n4 1\n4\n5 6 5\n", "S\n3 1\n4 1 0\n4 1\n4",
         {"--matrix", "symmetric", "--method", "cholesky"}},
        {"condition number", "C\n2\n4 1\n2 3\n", "C\n2", {"--problem", "condition", "--norm", "inf"}},
    };
}

bool methodMissing(const testing::CliResult& result) {
    return result.status == 1 && result.err.find("not available in this version") != std::string::npos;
}

TEST(TruncatedFile, EndsInEveryPossiblePlace) {
    for (const CutFile& c : cutFiles()) {
        const std::string dir = testing::scratchDirectory("cut");
        const std::string data = dir + "/data.txt";
        std::vector<std::string> arguments = {"solve", data};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        ASSERT_EQ(c.text.rfind(c.readableFrom, 0), 0u) << c.name;

        for (std::size_t length = 0; length <= c.text.size(); ++length) {
            const std::string cut = c.text.substr(0, length);
            testing::writeFile(data, cut);
            const testing::CliResult result = testing::runRestricted(arguments, {});
            if (methodMissing(result)) break;  // that method is not in this build
            const std::string after = testing::readFile(data);
            const std::string where = std::string(c.name) + ", cut after " + std::to_string(length) + " bytes";
            if (length < c.readableFrom.size()) {
                EXPECT_EQ(result.status, 2) << where;
                EXPECT_EQ(result.err, "Error: Eroare de citire in fisierul de date\n") << where;
                EXPECT_TRUE(after == cut) << where << ": the file was changed";
                continue;
            }
            EXPECT_EQ(result.status, 0) << where << "\n" << result.err;
            const std::string expected = cut + (cut.back() == '\n' ? "" : "\r\n") + "\r\nProblema: ";
            EXPECT_EQ(after.substr(0, expected.size()), expected) << where;
        }
    }
}

}  // namespace
}  // namespace corvane
