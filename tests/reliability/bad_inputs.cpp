#include "reliability/bad_inputs.h"

#include <cstdint>

namespace corvane::testing {
namespace {

constexpr std::size_t kMegabyte = 1 << 20;
const std::string kReadError = "Eroare de citire in fisierul de date";

std::string repeated(const std::string& text, std::size_t count) {
    std::string out;
    out.reserve(text.size() * count);
    for (std::size_t k = 0; k < count; ++k) out += text;
    return out;
}

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

}  // namespace

std::vector<BadInput> badInputs() {
    const ProblemChoice inverse{"inverse", "general", ""};
    auto generated = [](const char* name) { return ProblemChoice{"system", "general", name}; };
    auto readError = [&](const char* name, std::string text, ProblemChoice choice = {}) {
        return BadInput{name, std::move(text), std::move(choice), 2, "Error", kReadError};
    };
    return {
        readError("empty file", ""),
        readError("title only", "Sistem\n"),
        readError("binary garbage", binaryGarbage()),
        readError("line ends of CR alone", "t\r2 1\r1 2\r3 4\r5 6\r"),
        readError("text for the order", "t\nthree 1\n"),
        readError("text in a row", "t\n2 1\n1 two\n3 4\n1 1\n"),
        readError("text in a right-hand side", "t\n2 1\n1 2\n3 4\n1 b\n"),
        readError("real number for the order", "t\n2.0 1\n1 2\n3 4\n1 1\n"),
        readError("NaN", "t\n2 1\nNaN 2\n3 4\n1 1\n"),
        readError("lower-case nan", "t\n2 1\n1 2\n3 nan\n1 1\n"),
        readError("Inf", "t\n2 1\n1 2\n3 4\nInf 1\n"),
        readError("-Infinity", "t\n2 1\n-Infinity 2\n3 4\n1 1\n"),
        readError("above the largest single", "t\n2 1\n1e39 2\n3 4\n1 1\n"),
        readError("below the most negative single", "t\n2 1\n1 2\n3 -3.5E38\n1 1\n"),
        readError("double-precision exponent too large", "t\n2 1\n1 2\n3 4\n1 1D300\n"),
        readError("NaN in a symmetric triangle", "t\n2 1\n1 nan\n3\n1 1\n", ProblemChoice{"system", "symmetric", ""}),
        readError("a megabyte of digits", "t\n2 1\n" + std::string(kMegabyte, '7') + " 2\n3 4\n1 1\n"),
        readError("a megabyte of letters", "t\n2 1\n" + std::string(kMegabyte, 'x') + "\n3 4\n1 1\n"),
        readError("order 0", "t\n0 1\n"),
        readError("negative order", "t\n-3 1\n1 2 3\n"),
        readError("order 100000", "t\n100000 1\n1 2\n"),
        readError("order just above the array limit", "t\n11586 1\n1\n"),
        readError("order beyond 32 bits", "t\n4294967296 1\n1\n"),
        readError("largest order", "t\n2147483647 1\n1\n"),
        readError("order 100000 for an inverse", "t\n100000\n1 2\n", inverse),
        readError("no right-hand sides", "t\n2 0\n1 2\n3 4\n"),
        readError("negative nb", "t\n2 -1\n1 2\n3 4\n"),
        readError("nb beyond the array limit", "t\n2 67108865\n1 2\n3 4\n"),
        readError("zero repeat count", "t\n2 1\n0*1 2\n3 4\n1 1\n"),
        readError("repeat count without a number", "t\n2 1\n*1 2\n3 4\n1 1\n"),
        readError("no constant count", "t\n3 1\n", generated("Hilbert")),
        readError("text for the constant count", "t\n3 1\nseven\n", generated("Hilbert")),
        readError("constant count beyond the array limit", "t\n3 1\n134217729\n1\n", generated("Cauchy")),
        readError("Wilkinson 5 below order 5", "t\n4 1\n1\n1\n1 1 1 1\n", generated("Wilkinson 5")),
        readError("Wilkinson 5 without constants", "t\n5 1\n0\n1 1 1 1 1\n", generated("Wilkinson 5")),
        readError("Wilkinson 20 without constants", "t\n3 1\n0\n1 1 1\n", generated("Wilkinson 20")),
        readError("Cauchy with n + 4 constants", "t\n2 1\n6\n1 2 3 4 5 6\n1 1\n", generated("Cauchy")),
        readError("Companion with n - 1 constants", "t\n3 1\n2\n1 2\n1 1 1\n", generated("Companion")),
        readError("constant band without constants", "t\n3 1\n0\n1 1 1\n", generated("Constant Band")),
        readError("constant band with a negative count", "t\n3 1\n-2\n1 1 1\n", generated("Constant Band")),
        readError("text among the constants", "t\n2 1\n1\nz\n1 1\n", generated("Wilkinson 20")),
    };
}

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
        {"Hilbert with a negative constant count", "t\n2 1\n-1\n1 1\n", {"system", "general", "Hilbert"},
         " x(1) =   -2.000000    "},
    };
}

std::vector<std::string> solveOptions(const ProblemChoice& choice) {
    std::vector<std::string> options = {"--problem", choice.problem, "--matrix", choice.matrix, "--method", "gauss"};
    if (!choice.generator.empty()) options.insert(options.end(), {"--generate", choice.generator});
    return options;
}

}  // namespace corvane::testing
