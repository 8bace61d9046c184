// Whatever the data file holds, `corvane solve` answers with a clear message
// and a status, never crashes or hangs, and leaves the user's data as it was.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "reliability/restricted_run.h"
#include "support/cli_runner.h"

namespace corvane {
namespace {

using testing::readFile;
using testing::writeFile;

const std::string kReadError = "Error: Eroare de citire in fisierul de date";
const std::string kCannotOpen = "Error: cannot open the data file";

std::string repeated(const std::string& text, std::size_t count) {
    std::string out;
    out.reserve(text.size() * count);
    for (std::size_t k = 0; k < count; ++k) out += text;
    return out;
}

constexpr std::size_t kMegabyte = 1 << 20;

// Bytes as an executable or an image would have them: NULs, high bytes,
// control characters and a few line ends.
std::string binaryGarbage() {
    std::string bytes = "\x7f" "ELF\x02\x01\x01";
    bytes += std::string(9, '\0');
    bytes += "\n";
    std::uint32_t state = 12345;
    for (int k = 0; k < 4096; ++k) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>(state >> 24);
    }
    bytes[20] = '\x01';  // the sizes line starts with a byte that is no number
    return bytes;
}

struct BadInput {
    const char* name;
    std::string text;                     // the data file
    std::vector<std::string> arguments;   // after the data file; none: --method gauss
    int status;
    std::string message;  // a line of standard error; empty: nothing is printed there
};

std::vector<BadInput> badInputs() {
    const std::vector<std::string> inverse = {"--problem", "inverse", "--method", "gauss"};
    auto generated = [](const char* name) { return std::vector<std::string>{"--generate", name, "--method", "gauss"}; };
    return {
        {"empty file", "", {}, 2, kReadError},
        {"title only", "Sistem\n", {}, 2, kReadError},
        {"binary garbage", binaryGarbage(), {}, 2, kReadError},
        {"line ends of CR alone", "t\r2 1\r1 2\r3 4\r5 6\r", {}, 2, kReadError},
        {"text for the order", "t\nthree 1\n", {}, 2, kReadError},
        {"text in a row", "t\n2 1\n1 two\n3 4\n1 1\n", {}, 2, kReadError},
        {"text in a right-hand side", "t\n2 1\n1 2\n3 4\n1 b\n", {}, 2, kReadError},
        {"real number for the order", "t\n2.0 1\n1 2\n3 4\n1 1\n", {}, 2, kReadError},
        {"NaN", "t\n2 1\nNaN 2\n3 4\n1 1\n", {}, 2, kReadError},
        {"lower-case nan", "t\n2 1\n1 2\n3 nan\n1 1\n", {}, 2, kReadError},
        {"Inf", "t\n2 1\n1 2\n3 4\nInf 1\n", {}, 2, kReadError},
        {"-Infinity", "t\n2 1\n-Infinity 2\n3 4\n1 1\n", {}, 2, kReadError},
        {"above the largest single", "t\n2 1\n1e39 2\n3 4\n1 1\n", {}, 2, kReadError},
        {"below the most negative single", "t\n2 1\n1 2\n3 -3.5E38\n1 1\n", {}, 2, kReadError},
        {"double-precision exponent too large", "t\n2 1\n1 2\n3 4\n1 1D300\n", {}, 2, kReadError},
        {"a megabyte of digits", "t\n2 1\n" + std::string(kMegabyte, '7') + " 2\n3 4\n1 1\n", {}, 2, kReadError},
        {"a megabyte of letters", "t\n2 1\n" + std::string(kMegabyte, 'x') + "\n3 4\n1 1\n", {}, 2, kReadError},
        {"order 0", "t\n0 1\n", {}, 2, kReadError},
        {"negative order", "t\n-3 1\n1 2 3\n", {}, 2, kReadError},
        {"order 100000", "t\n100000 1\n1 2\n", {}, 2, kReadError},
        {"order just above the array limit", "t\n11586 1\n1\n", {}, 2, kReadError},
        {"order beyond 32 bits", "t\n4294967296 1\n1\n", {}, 2, kReadError},
        {"largest order", "t\n2147483647 1\n1\n", {}, 2, kReadError},
        {"order 100000 for an inverse", "t\n100000\n1 2\n", inverse, 2, kReadError},
        {"no right-hand sides", "t\n2 0\n1 2\n3 4\n", {}, 2, kReadError},
        {"negative nb", "t\n2 -1\n1 2\n3 4\n", {}, 2, kReadError},
        {"nb beyond the array limit", "t\n2 67108865\n1 2\n3 4\n", {}, 2, kReadError},
        {"zero repeat count", "t\n2 1\n0*1 2\n3 4\n1 1\n", {}, 2, kReadError},
        {"repeat count without a number", "t\n2 1\n*1 2\n3 4\n1 1\n", {}, 2, kReadError},
        {"no constant count", "t\n3 1\n", generated("Hilbert"), 2, kReadError},
        {"text for the constant count", "t\n3 1\nseven\n", generated("Hilbert"), 2, kReadError},
        {"constant count beyond the array limit", "t\n3 1\n134217729\n1\n", generated("Cauchy"), 2, kReadError},
        {"Wilkinson 5 below order 5", "t\n4 1\n1\n1\n1 1 1 1\n", generated("Wilkinson 5"), 2, kReadError},
        {"Wilkinson 5 without constants", "t\n5 1\n0\n1 1 1 1 1\n", generated("Wilkinson 5"), 2, kReadError},
        {"Wilkinson 20 without constants", "t\n3 1\n0\n1 1 1\n", generated("Wilkinson 20"), 2, kReadError},
        {"Cauchy with n + 4 constants", "t\n2 1\n6\n1 2 3 4 5 6\n1 1\n", generated("Cauchy"), 2, kReadError},
        {"Companion with n - 1 constants", "t\n3 1\n2\n1 2\n1 1 1\n", generated("Companion"), 2, kReadError},
        {"constant band without constants", "t\n3 1\n0\n1 1 1\n", generated("Constant Band"), 2, kReadError},
        {"constant band with a negative count", "t\n3 1\n-2\n1 1 1\n", generated("Constant Band"), 2, kReadError},
        {"text among the constants", "t\n2 1\n1\nz\n1 1\n", generated("Wilkinson 20"), 2, kReadError},
    };
}

TEST(BadInput, ReadErrorsLeaveTheFileAsItWas) {
    for (const BadInput& c : badInputs()) {
        const std::string dir = testing::scratchDirectory("bad-input");
        const std::string data = dir + "/data.txt";
        writeFile(data, c.text);
        std::vector<std::string> arguments = {"solve", data};
        const std::vector<std::string> method = {"--method", "gauss"};
        for (const std::string& a : c.arguments.empty() ? method : c.arguments) arguments.push_back(a);
        const testing::CliResult result = testing::runRestricted(arguments, {});
        EXPECT_EQ(result.status, c.status) << c.name << "\n" << result.err;
        EXPECT_EQ(result.err, c.message + "\n") << c.name;
        EXPECT_EQ(result.out, "") << c.name;
        EXPECT_TRUE(readFile(data) == c.text) << c.name << ": the data file was changed";
    }
}

// Inputs that look odd but hold a problem: they are read, solved, and the data
// stay in front of the report.
struct OddButValid {
    const char* name;
    std::string text;
    std::vector<std::string> arguments;  // none: --method gauss
    std::string solution;                // a line the report must hold
};

std::vector<OddButValid> oddButValidInputs() {
    const std::string system = "2 1\n2 1\n1 3\n3 5\n";  // x = (0.8, 1.4)
    return {
        {"repeat count of a billion", "t\n2 1\n1000000000*1.0\n0 1\n1 1\n", {}, " x(1) =    0.000000    "},
        {"repeat count beyond 64 bits", "t\n2 1\n2 1\n1 3\n99999999999999999999999*1\n", {}, " x(1) =   0.4000000    "},
        {"a billion null values", "t\n2 1\n1000000000*\n1 3\n3 5\n", {}, "* Pivot <1.00E-06 !"},
        {"title of a megabyte", std::string(kMegabyte, 'T') + "\n" + system, {}, " x(2) =    1.400000    "},
        {"a megabyte of blanks in a row", "t\n2 1\n2" + std::string(kMegabyte, ' ') + "1\n1 3\n3 5\n", {},
         " x(2) =    1.400000    "},
        {"a megabyte of extra values", "t\n2 1\n2 1 " + repeated("9 ", kMegabyte / 2) + "\n1 3\n3 5\n", {},
         " x(2) =    1.400000    "},
        {"a number of a megabyte that underflows", "t\n2 1\n2 1\n1 3\n3 0." + std::string(kMegabyte, '0') + "1\n", {},
         " x(1) =    1.800000    "},
        {"UTF-8 byte order mark before the title", "\xEF\xBB\xBFt\n" + system, {}, " x(2) =    1.400000    "},
        {"Hilbert with a negative constant count", "t\n2 1\n-1\n1 1\n", {"--generate", "Hilbert", "--method", "gauss"},
         " x(1) =   -2.000000    "},
    };
}

TEST(BadInput, OddButValidInputsAreSolved) {
    for (const OddButValid& c : oddButValidInputs()) {
        const std::string dir = testing::scratchDirectory("odd-input");
        const std::string data = dir + "/data.txt";
        writeFile(data, c.text);
        std::vector<std::string> arguments = {"solve", data};
        const std::vector<std::string> method = {"--method", "gauss"};
        for (const std::string& a : c.arguments.empty() ? method : c.arguments) arguments.push_back(a);
        const testing::CliResult result = testing::runRestricted(arguments, {});
        EXPECT_EQ(result.status, 0) << c.name << "\n" << result.err;
        const std::string after = readFile(data);
        EXPECT_TRUE(after.compare(0, c.text.size(), c.text) == 0) << c.name << ": the data were changed";
        EXPECT_NE(after.find(c.solution + "\r\n", c.text.size()), std::string::npos)
            << c.name << "\n" << after.substr(std::min(after.size(), c.text.size()), 2000);
    }
}

TEST(BadInput, FilesThatAreNoDataFiles) {
    const std::string dir = testing::scratchDirectory("not-a-file");
    const std::string directory = dir + "/folder.txt";
    std::filesystem::create_directory(directory);
    const std::string pipe = dir + "/pipe.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    for (const std::string& path : {directory, pipe, std::string("/dev/zero"), std::string("/dev/full")}) {
        const testing::CliResult result = testing::runRestricted({"solve", path, "--method", "gauss"}, {});
        EXPECT_EQ(result.status, 2) << path;
        EXPECT_EQ(result.err, kCannotOpen + " " + path + "\n") << path;
    }
    EXPECT_TRUE(std::filesystem::is_empty(directory));
}

TEST(BadInput, UnreadableFile) {
    const std::string dir = testing::scratchDirectory("unreadable");
    const std::string data = dir + "/data.txt";
    const std::string text = "t\n2 1\n2 1\n1 3\n3 5\n";
    writeFile(data, text);
    ASSERT_EQ(::chmod(data.c_str(), 0), 0);
    if (!testing::unreadableUnderRestrictions(data)) {
        GTEST_SKIP() << "this process cannot give up the right to read files whatever their permissions";
    }
    testing::Restrictions ordinaryUser;
    ordinaryUser.obeyFilePermissions = true;
    for (const char* reportTo : {"", "report.txt"}) {
        std::vector<std::string> arguments = {"solve", data, "--method", "gauss"};
        if (*reportTo != '\0') arguments.insert(arguments.end(), {"--report-to", dir + "/" + reportTo});
        const testing::CliResult result = testing::runRestricted(arguments, ordinaryUser);
        EXPECT_EQ(result.status, 2) << result.err;
        EXPECT_NE(result.err.find("Error: cannot "), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(" the data file " + data), std::string::npos) << result.err;
    }
    ::chmod(data.c_str(), 0644);
    EXPECT_EQ(readFile(data), text);
    EXPECT_FALSE(std::filesystem::exists(dir + "/report.txt"));
}

}  // namespace
}  // namespace corvane
