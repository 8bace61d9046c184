// Real numbers of the data file: the conversion (readDecimal where the
// number is already in C form) against the straightforward one (the Fortran
// form checked, rewritten as a C number, then strtof), on every form a file
// may hold, well-formed or not.

#include "textio/list_directed_input.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "support/comma_locale.h"

namespace corvane {
namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

std::optional<float> referenceReal(const std::string& token) {
    std::string number;
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) number += token[i++];
    std::size_t digits = 0;
    while (i < token.size() && digit(token[i])) { number += token[i++]; ++digits; }
    if (i < token.size() && token[i] == '.') {
        number += token[i++];
        while (i < token.size() && digit(token[i])) { number += token[i++]; ++digits; }
    }
    if (digits == 0) return std::nullopt;
    if (i < token.size()) {
        const char c = token[i];
        if (std::string("eEdDqQ").find(c) != std::string::npos) ++i;
        else if (c != '+' && c != '-') return std::nullopt;
        number += 'e';
        if (i < token.size() && (token[i] == '+' || token[i] == '-')) number += token[i++];
        std::size_t exponentDigits = 0;
        while (i < token.size() && digit(token[i])) { number += token[i++]; ++exponentDigits; }
        if (exponentDigits == 0 || i != token.size()) return std::nullopt;
    }
    const float value = std::strtof(number.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::vector<std::string> tokens() {
    std::vector<std::string> all = {
        "1e-50", "7e-46", "7.1e-46", "1e-45", "1.4e-45", "1e-40", "3.4028235e38", "3.4028236e38", "3.5e38",
        "1e39", "-1e39", "inf", "nan", "-inf", "infinity", "NaN", "0x1p3", "0x10", "1e", "1.5e+", "--1", "1..2",
        "1e5.0", "+", "-", ".", "e5", "1.5e+-3", "+.5", "-.5d-3", "1.5-3", "1.5+3", "00012", "1_0", "5.", "-0",
        "-0.0", "+0", ".0e0", "0.", "1d", "1q+5", "1Q-5", "12345678901234567890123456789012345", "1.5 "};
    std::mt19937 random(11);
    char text[96];
    const char* formats[] = {"%.9g", "%.3e", "%.12f", "%.25e", "%.1f", "%g"};
    for (int k = 0; k < 20000; ++k) {
        const float f = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (!std::isfinite(f)) continue;
        std::snprintf(text, sizeof text, formats[k % 6], static_cast<double>(f));
        std::string t = text;
        all.push_back(t);
        const std::size_t e = t.find('e');
        if (e != std::string::npos) {
            all.push_back(t.substr(0, e) + "dDqQE"[k % 5] + t.substr(e + 1));
            all.push_back(t.substr(0, e) + t.substr(e + 1));  // sign-only exponent
        }
        if (t[0] != '-') all.push_back("+" + t);
        if (t.rfind("0.", 0) == 0) all.push_back(t.substr(1));
        if (t.rfind("-0.", 0) == 0) all.push_back("-" + t.substr(2));
    }
    return all;
}

TEST(ListDirectedReals, MatchTheStraightforwardConversion) {
    for (const std::string& token : tokens()) {
        float value = -12345.0f;
        const bool accepted = parseListDirectedValue(token, value);
        const std::optional<float> expected = referenceReal(token.substr(0, token.find_first_of(" ,/")));
        ASSERT_EQ(accepted, expected.has_value()) << token;
        if (accepted) {
            EXPECT_EQ(std::bit_cast<std::uint32_t>(value), std::bit_cast<std::uint32_t>(*expected)) << token;
        }
    }
}

// The dialog runs under the user's locale: a decimal comma there changes
// nothing, also for a number too small for single precision.
TEST(ListDirectedReals, TheLocaleChangesNothing) {
    const testing::NumericLocaleRestored restored;
    if (testing::selectCommaLocale().empty()) GTEST_SKIP() << "no locale with a decimal comma to be had";
    struct Case {
        const char* token;
        float value;
    };
    for (const Case& c : {Case{"1.5e-50", 0.0f}, Case{"-2.5d-60", -0.0f}, Case{"1.5", 1.5f}, Case{"2.5-3", 2.5e-3f}}) {
        float value = -12345.0f;
        ASSERT_TRUE(parseListDirectedValue(c.token, value)) << c.token;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(value), std::bit_cast<std::uint32_t>(c.value)) << c.token;
    }
}

}  // namespace
}  // namespace corvane
