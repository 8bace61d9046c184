// Decimal numbers into float and double as std::from_chars reads them, on
// every platform: what is taken, the rounding, and a number beyond the
// range told as such with the value it rounds to.

#include "textio/decimal_reading.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace corvane {
namespace {

template <typename T>
struct Case {
    const char* text;
    std::errc error;
    int taken;  // characters read
    T value;    // compared bit for bit (a NaN by being one)
};

template <typename T>
void expectReadings(std::initializer_list<Case<T>> cases) {
    using Bits = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
    for (const Case<T>& c : cases) {
        const std::string text = c.text;
        T value = T(-7);
        const std::from_chars_result read = readDecimal(text.data(), text.data() + text.size(), value);
        EXPECT_EQ(read.ec, c.error) << text;
        if (read.ec == std::errc::invalid_argument) {
            EXPECT_EQ(read.ptr, text.data()) << text;
            EXPECT_EQ(value, T(-7)) << text << " changed the value";
            continue;
        }
        EXPECT_EQ(read.ptr - text.data(), c.taken) << text;
        if (std::isnan(c.value)) {
            EXPECT_TRUE(std::isnan(value)) << text;
        } else {
            EXPECT_EQ(std::bit_cast<Bits>(value), std::bit_cast<Bits>(c.value)) << text << " read as " << value;
        }
    }
}

constexpr float kInfinityF = std::numeric_limits<float>::infinity();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(DecimalReading, FloatsAsTheStandardReadsThem) {
    const std::errc ok{}, range = std::errc::result_out_of_range, invalid = std::errc::invalid_argument;
    expectReadings<float>({
        {"1.5", ok, 3, 1.5f},
        {"-0", ok, 2, -0.0f},
        {"16777217", ok, 8, 16777216.0f},  // a tie, to the even neighbour
        {"16777219", ok, 8, 16777220.0f},
        {"0.1", ok, 3, 0.1f},
        {"1e-40", ok, 5, 1e-40f},  // a subnormal
        {"1.4e-45", ok, 7, std::numeric_limits<float>::denorm_min()},
        {"3.4028235e38", ok, 12, std::numeric_limits<float>::max()},
        {"0e999", ok, 5, 0.0f},
        {"0.000e-999", ok, 10, 0.0f},
        {"1e-46", range, 5, 0.0f},
        {"-1e-46", range, 6, -0.0f},
        {"0.0000000000000000000000000000000000000000000001", range, 48, 0.0f},
        {"3.40282357e38", range, 13, kInfinityF},
        {"-1e39", range, 5, -kInfinityF},
        {"inf", ok, 3, kInfinityF},
        {"-Infinity", ok, 9, -kInfinityF},
        {"nan", ok, 3, std::numeric_limits<float>::quiet_NaN()},
        {"2.5,3", ok, 3, 2.5f},
        {"1e", ok, 1, 1.0f},     // an exponent without digits is not taken
        {"0x10", ok, 1, 0.0f},   // no hexadecimal form
        {"+1", invalid, 0, 0.0f},
        {" 1", invalid, 0, 0.0f},
        {".", invalid, 0, 0.0f},
        {"e5", invalid, 0, 0.0f},
        {"", invalid, 0, 0.0f},
    });
}

TEST(DecimalReading, DoublesAsTheStandardReadsThem) {
    const std::errc ok{}, range = std::errc::result_out_of_range;
    expectReadings<double>({
        {"0.1", ok, 3, 0.1},
        {"1e39", ok, 4, 1e39},
        {"1e-310", ok, 6, 1e-310},
        {"5e-324", ok, 6, std::numeric_limits<double>::denorm_min()},
        {"2e-324", range, 6, 0.0},
        {"1e400", range, 5, kInfinity},
        {"-1e5000", range, 7, -kInfinity},
    });
}

}  // namespace
}  // namespace corvane
