// Runs every single-precision bit pattern through the program's decimal
// digits (textio/decimal_text: {fmt}) and its reading (textio/decimal_reading:
// fast_float), and
// through the C++ library's std::to_chars / std::from_chars that they
// replaced, and counts the differences. Built and run by
// scripts/check-number-text; not part of the test suite (it takes long).
//
// Compared, for each of the 2^32 patterns:
//  - the shortest text (iteration histories, imported data files);
//  - the text read back as float (both the old conversion, with strtof where
//    std::from_chars reports a value out of range, and fast_float) and as
//    double (the Matrix Market reader);
// for each finite nonzero magnitude (the digit routine sees |x|; the sign is
// the field writer's):
//  - the digits rounded to 3, 4, 5, 6, 7 and 8 significant digits, the
//    counts the report's edit descriptors need (e10.3 to e15.7 with the
//    scale factor 1, g11.3 to g15.7 with or without it), and each of those
//    printed forms read back as float.
// Then random doubles at 1 to 40 digits, and a table of words that are not
// plain numbers (inf, nan, out of range, malformed), read both ways.

#include <algorithm>
#include <atomic>
#include <bit>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "textio/decimal_reading.h"
#include "textio/decimal_text.h"

namespace {

constexpr int kPrecisions[] = {3, 4, 5, 6, 7, 8};

// The digit routine as it was: std::to_chars in scientific form.
int oldRoundedDigits(double magnitude, int significant, char* digits) {
    char buffer[96];
    const char* end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, significant - 1).ptr;
    const char* p = buffer;
    int count = 0;
    digits[count++] = *p++;
    if (*p == '.') {
        for (++p; *p != 'e'; ++p) digits[count++] = *p;
    }
    digits[count] = '\0';
    ++p;
    const bool negative = *p++ == '-';
    int exponent = 0;
    for (; p < end; ++p) exponent = exponent * 10 + (*p - '0');
    return negative ? -exponent : exponent;
}

// The shortest text as it was (non-finite values were spelled before).
std::string oldShortest(float value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

struct Reading {
    bool ok = false;
    std::uint64_t bits = 0;
    std::ptrdiff_t length = 0;
    bool operator==(const Reading&) const = default;
};

// The reading as it was: std::from_chars, and strtof for the value when
// std::from_chars finds it out of range.
Reading oldReadFloat(std::string_view text) {
    float value = 0;
    const std::from_chars_result r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        const std::string copy(text);
        char* end = nullptr;
        value = std::strtof(copy.c_str(), &end);
        return {true, std::bit_cast<std::uint32_t>(value), end - copy.c_str()};
    }
    if (r.ec != std::errc{}) return {};
    return {true, std::bit_cast<std::uint32_t>(value), r.ptr - text.data()};
}

// The reading now: readDecimal (fast_float), whose value beyond the range is
// the rounded one (0 or infinity) that the program takes.
Reading newReadFloat(std::string_view text) {
    float value = 0;
    const std::from_chars_result r = corvane::readDecimal(text.data(), text.data() + text.size(), value);
    if (r.ec != std::errc{} && r.ec != std::errc::result_out_of_range) return {};
    return {true, std::bit_cast<std::uint32_t>(value), r.ptr - text.data()};
}

// What the Matrix Market reader makes of a word: a value, or "too large for
// single precision" (kTooLarge), or "not a number" (kNotANumber).
constexpr std::uint64_t kTooLarge = 1, kNotANumber = 2;

// As it was: std::from_chars, and beyond double precision long double
// (std::from_chars again) to tell a value too large from one too small.
Reading oldReadDouble(std::string_view text) {
    double value = 0;
    std::from_chars_result r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        long double wide = 0;
        r = std::from_chars(text.data(), text.data() + text.size(), wide);
        value = static_cast<double>(wide);
        if (r.ec == std::errc{} && std::isinf(value)) return {false, kTooLarge, 0};
    }
    if (r.ec != std::errc{}) return {false, kNotANumber, 0};
    return {true, std::bit_cast<std::uint64_t>(value), r.ptr - text.data()};
}

Reading newReadDouble(std::string_view text) {
    double value = 0;
    const std::from_chars_result r = corvane::readDecimal(text.data(), text.data() + text.size(), value);
    const bool beyond = r.ec == std::errc::result_out_of_range;
    if (!beyond && r.ec != std::errc{}) return {false, kNotANumber, 0};
    if (beyond && std::isinf(value)) return {false, kTooLarge, 0};
    return {true, std::bit_cast<std::uint64_t>(value), r.ptr - text.data()};
}

struct Tally {
    std::atomic<std::uint64_t> shortest{0}, digits{0}, readFloat{0}, readDouble{0}, compared{0};
    std::mutex printing;
    int shown = 0;
    void report(const char* what, std::uint32_t bits, const std::string& oldText, const std::string& newText) {
        std::lock_guard lock(printing);
        if (shown++ < 20) std::printf("difference in %s at 0x%08x: old \"%s\", new \"%s\"\n", what, bits, oldText.c_str(), newText.c_str());
    }
};

std::string digitsText(const char* digits, int exponent) { return std::string(digits) + " e" + std::to_string(exponent); }

void checkReading(Tally& tally, std::uint32_t bits, std::string_view text, bool asDouble) {
    if (oldReadFloat(text) != newReadFloat(text)) {
        ++tally.readFloat;
        tally.report("reading as float", bits, std::string(text), std::string(text));
    }
    if (asDouble && oldReadDouble(text) != newReadDouble(text)) {
        ++tally.readDouble;
        tally.report("reading as double", bits, std::string(text), std::string(text));
    }
}

void checkPattern(Tally& tally, std::uint32_t bits) {
    const float value = std::bit_cast<float>(bits);
    const std::string oldText = oldShortest(value);
    const std::string newText = corvane::shortestFloatText(value);
    if (oldText != newText) {
        ++tally.shortest;
        tally.report("shortest text", bits, oldText, newText);
    }
    if (!std::isfinite(value)) return;
    checkReading(tally, bits, oldText, true);
    if (value == 0 || std::signbit(value)) return;
    const double magnitude = value;
    for (int significant : kPrecisions) {
        char oldDigits[64], newDigits[64];
        const int oldExponent = oldRoundedDigits(magnitude, significant, oldDigits);
        const int newExponent = corvane::roundedDigits(magnitude, significant, newDigits);
        if (oldExponent != newExponent || std::strcmp(oldDigits, newDigits) != 0) {
            ++tally.digits;
            tally.report("rounded digits", bits, digitsText(oldDigits, oldExponent), digitsText(newDigits, newExponent));
        }
        // The printed form: d.ddd followed by the exponent.
        std::string printed(1, oldDigits[0]);
        if (oldDigits[1] != '\0') printed.append(".").append(oldDigits + 1);
        printed += "e" + std::to_string(oldExponent);
        checkReading(tally, bits, printed, significant == 8);
    }
}

// Random doubles at every digit count the fields allow, and doubles that are
// exact ties at a few digits (k + 1/2 scaled by powers of two).
void checkDoubles(Tally& tally) {
    std::mt19937_64 random(25);
    std::vector<double> values;
    for (int k = 0; k < 200'000; ++k) {
        const double d = std::bit_cast<double>(random() & 0x7fffffffffffffffULL);
        if (std::isfinite(d) && d != 0) values.push_back(d);
    }
    for (int k = 0; k < 20'000; ++k) values.push_back(std::ldexp(static_cast<double>(2 * k + 1), -(k % 12)));
    for (double d : values) {
        for (int significant = 1; significant <= 40; ++significant) {
            char oldDigits[64], newDigits[64];
            const int oldExponent = oldRoundedDigits(d, significant, oldDigits);
            const int newExponent = corvane::roundedDigits(d, significant, newDigits);
            if (oldExponent != newExponent || std::strcmp(oldDigits, newDigits) != 0) {
                ++tally.digits;
                tally.report("rounded digits of a double", 0, digitsText(oldDigits, oldExponent), digitsText(newDigits, newExponent));
            }
        }
    }
}

void checkWords(Tally& tally) {
    const char* words[] = {"inf", "-inf", "INF", "infinity", "-Infinity", "infinit", "nan", "-nan", "NaN", "nan(123)",
                           "nan(", "1e-50", "-1e-50", "7e-46", "7.1e-46", "1.4e-45", "3.4028235e38", "3.4028236e38",
                           "3.5e38", "1e39", "-1e39", "1e400", "-1e400", "1e-400", "2.4703282292062327e-324",
                           "0x1p3", "0x10", "1e", "1e+", "1.5e+-3", "+1", "+.5", "-", "+", ".", "e5", ".e5", "5.",
                           ".5", "-.5", "00012", "1_0", "1..2", "1.5d3", "1.5 ", " 1.5", "1,5", "-0", "-0.0", "0e999999999",
                           "12345678901234567890123456789012345678901234567890e-30",
                           "0.000000000000000000000000000000000000000000001401298464324817070923729583289916131280"};
    for (const char* word : words) checkReading(tally, 0, word, true);
}

}  // namespace

int main(int argc, char** argv) {
    // Arguments: the number of threads, the first block of 2^20 patterns and
    // the number of blocks (4096 blocks hold all 2^32). The doubles and the
    // words are checked with the block 0.
    if (argc != 4) {
        std::fprintf(stderr, "usage: number_text_check THREADS FIRST_BLOCK BLOCKS\n");
        return 2;
    }
    const unsigned threads = static_cast<unsigned>(std::atoi(argv[1]));
    constexpr std::uint64_t kBlock = 1u << 20;
    const std::uint64_t first = std::strtoull(argv[2], nullptr, 10);
    const std::uint64_t last = std::min<std::uint64_t>(first + std::strtoull(argv[3], nullptr, 10), 4096);
    const auto start = std::chrono::steady_clock::now();
    Tally tally;
    if (first == 0) {
        checkWords(tally);
        checkDoubles(tally);
    }
    std::atomic<std::uint64_t> nextBlock{first};
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (std::uint64_t block; (block = nextBlock++) < last;) {
                for (std::uint64_t bits = block * kBlock; bits < (block + 1) * kBlock; ++bits) checkPattern(tally, static_cast<std::uint32_t>(bits));
                tally.compared += kBlock;
            }
        });
    }
    for (std::thread& w : workers) w.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("blocks %llu to %llu (patterns 0x%08llx to 0x%08llx): %llu patterns on %u threads in %.0f s; "
                "differences: shortest text %llu, rounded digits %llu, reading as float %llu, as double %llu\n",
                static_cast<unsigned long long>(first), static_cast<unsigned long long>(last - 1),
                static_cast<unsigned long long>(first * kBlock), static_cast<unsigned long long>(last * kBlock - 1),
                static_cast<unsigned long long>(tally.compared.load()), threads, seconds,
                static_cast<unsigned long long>(tally.shortest.load()), static_cast<unsigned long long>(tally.digits.load()),
                static_cast<unsigned long long>(tally.readFloat.load()), static_cast<unsigned long long>(tally.readDouble.load()));
    return tally.shortest + tally.digits + tally.readFloat + tally.readDouble == 0 ? 0 : 1;
}
