#include "textio/number_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <limits>
#include <random>

#include "support/reference_number_format.h"

namespace corvane {
namespace {

struct FieldCase {
    const char* item;
    double value;
    const char* expected;
};

std::string render(const FieldCase& c) {
    std::string item = c.item;
    int scale = item.rfind("1p", 0) == 0 ? 1 : 0;
    if (scale) item = item.substr(2);
    char kind = item[0];
    int width = std::stoi(item.substr(1));
    if (kind == 'i') return integerField(static_cast<long long>(c.value), width);
    int digits = std::stoi(item.substr(item.find('.') + 1));
    return kind == 'e' ? exponentField(c.value, width, digits, scale) : generalField(c.value, width, digits, scale);
}

class FieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldTest, WritesExactCharacters) {
    EXPECT_EQ(render(GetParam()), GetParam().expected) << GetParam().item << " of " << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FieldTest,
    ::testing::Values(
        // Integers: exact width, padding, overflow.
        FieldCase{"i1", 7, "7"}, FieldCase{"i3", -12, "-12"}, FieldCase{"i4", 5, "   5"},
        FieldCase{"i2", 100, "**"}, FieldCase{"i2", -5, "-5"}, FieldCase{"i1", -5, "*"},
        // Exponent form.
        FieldCase{"1pe14.6", -0.5f, " -5.000000E-01"}, FieldCase{"1pe10.3", 0.0001f, " 1.000E-04"},
        FieldCase{"1pe8.2", 0.000001f, "1.00E-06"}, FieldCase{"1pe8.2", -0.000001f, "********"},
        FieldCase{"1pe14.6", 0.0, "  0.000000E+00"}, FieldCase{"e15.7", 0.01234f, "  0.1234000E-01"},
        FieldCase{"1pe14.6", 1.0e-300, "  1.000000-300"},
        // Ties go to the even digit, on the exact binary value.
        FieldCase{"1pe10.3", 1.0625, " 1.062E+00"}, FieldCase{"1pe10.1", 0.125, "   1.2E-01"},
        // General form: fixed and exponent choices.
        FieldCase{"1pg15.7", 123.456f, "   123.4560    "}, FieldCase{"1pg15.7", 0.01234f, "  1.2340000E-02"},
        FieldCase{"g15.7", 3.0, "   3.000000    "}, FieldCase{"g15.7", 0.01234f, "  0.1234000E-01"},
        FieldCase{"1pg12.6", -0.5, "-.500000    "}, FieldCase{"1pg12.6", 0.01234f, "1.234000E-02"},
        FieldCase{"1pg12.6", -0.000123f, "************"}, FieldCase{"1pg11.4", 123.456f, "  123.5    "},
        FieldCase{"1pg11.4", 0.01234f, " 1.2340E-02"}, FieldCase{"1pg11.3", 3.0, "   3.00    "},
        FieldCase{"1pg11.3", 0.01234f, "  1.234E-02"}, FieldCase{"1pg15.7", 1234567.0, "   1234567.    "},
        FieldCase{"1pg15.7", 10000000.0, "  1.0000000E+07"},
        // Next to a power of ten the choice follows the exact value.
        FieldCase{"g15.7", 0.099999994f, "  0.9999999E-01"}, FieldCase{"g15.7", 0.99999994f, "  0.9999999    "},
        FieldCase{"g15.7", 9.999999f, "   9.999999    "}, FieldCase{"1pg15.7", 9999999.0, "   9999999.    "},
        FieldCase{"1pg15.7", 0.1f, "  0.1000000    "}, FieldCase{"1pg15.7", 0.0999999940395355, "  9.9999994E-02"},
        // Zero is written in fixed form and a negative zero keeps its sign.
        FieldCase{"g15.7", 0.0, "   0.000000    "}, FieldCase{"1pg15.7", 0.0, "   0.000000    "},
        FieldCase{"1pg15.7", -0.0, "  -0.000000    "},
        // Infinities and NaNs.
        FieldCase{"1pg15.7", INFINITY, "       Infinity"}, FieldCase{"1pg15.7", -INFINITY, "      -Infinity"},
        FieldCase{"1pg15.7", NAN, "            NaN"}, FieldCase{"1pe8.2", INFINITY, "Infinity"},
        // No significant digit to show: the field is filled with asterisks.
        FieldCase{"g6.0", 0.0, "******"}, FieldCase{"e8.0", 1.0, "********"}));

// Every e and g item against the Fortran runtime's output for random values
// (tests/data/gfortran_fields.txt: bit pattern, then the fields of
// 1pg15.7, g15.7, 1pe14.6, 1pg12.6, 1pg11.4, 1pg11.3, 1pe10.3, 1pe8.2, e15.7).
TEST(Width, CountsCharacters) {
    const std::pair<int, int> cases[] = {{0, 1}, {7, 1}, {10, 2}, {999, 3}, {1000, 4}, {-12, 3}, {-1, 2},
                                         {99999, 5}, {100000, 6}, {1000000, 7}, {2147483647, 10}};
    for (auto [k, width] : cases) EXPECT_EQ(WIDTH(k), width) << k;
}

TEST(FieldAgainstFortran, RandomValuesMatch) {
    std::ifstream in(CORVANE_TEST_DATA "/gfortran_fields.txt");
    ASSERT_TRUE(in) << "missing fixture";
    struct Item { int width, digits, scale; bool general; };
    const Item items[] = {{15, 7, 1, true}, {15, 7, 0, true}, {14, 6, 1, false}, {12, 6, 1, true}, {11, 4, 1, true},
                          {11, 3, 1, true}, {10, 3, 1, false}, {8, 2, 1, false}, {15, 7, 0, false}};
    std::string line;
    int compared = 0;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream parts(line);
        for (std::string part; std::getline(parts, part, '|');) fields.push_back(part);
        ASSERT_GE(fields.size(), 10u);
        float value = std::bit_cast<float>(static_cast<std::int32_t>(std::stol(fields[0])));
        for (int k = 0; k < 9; ++k) {
            const Item& item = items[k];
            std::string ours = item.general ? generalField(value, item.width, item.digits, item.scale)
                                            : exponentField(value, item.width, item.digits, item.scale);
            EXPECT_EQ(ours, fields[static_cast<std::size_t>(k) + 1]) << "value " << value << " item " << k;
            ++compared;
        }
    }
    EXPECT_GT(compared, 0);
}

// The fast digit generation against printf digits and an exact range test, on
// random single-precision values and on values next to every boundary of the
// fixed form, ties included, for every field the reports use.
TEST(FieldAgainstReference, RandomAndBoundaryValuesMatch) {
    struct Item { int width, digits, scale; bool general; };
    const Item items[] = {{15, 7, 1, true}, {15, 7, 0, true}, {14, 6, 1, false}, {12, 6, 1, true}, {11, 4, 1, true},
                          {11, 3, 1, true}, {10, 3, 1, false}, {8, 2, 1, false}, {15, 7, 0, false}};
    std::vector<double> values;
    std::mt19937 random(7);
    for (int k = 0; k < 60000; ++k) {
        const float f = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (std::isfinite(f)) values.push_back(f);
    }
    for (double bound : {0.1, 1.0, 10.0, 99.5, 999.5, 9999.5, 999999.5, 9999999.5, 1.0e7, 0.09999999995}) {
        for (double v = bound, w = bound; v > bound * 0.999999; v = std::nextafter(v, 0.0), w = std::nextafter(w, 1e300)) {
            values.push_back(v);
            values.push_back(w);
            values.push_back(static_cast<float>(v));
            if (values.size() % 64 == 0) break;
        }
    }
    for (int k = 0; k < 4000; ++k) {
        values.push_back(static_cast<double>(random() % 100000000) + 0.5);  // ties of the fixed form
        values.push_back(static_cast<double>(random() % 1000000) / 1024.0);
    }
    // Single-precision ties: o / 2^(j+1) times 10^j ends in .5 when 5^j divides o.
    for (int j = 0; j <= 9; ++j) {
        std::uint32_t fives = 1;
        for (int k = 0; k < j; ++k) fives *= 5;
        for (int k = 0; k < 300; ++k) {
            const std::uint32_t odd = fives * static_cast<std::uint32_t>(2 * (random() % (8388608u / fives)) + 1);
            if (odd < (1u << 24)) values.push_back(std::ldexp(static_cast<double>(odd), -(j + 1)));
        }
    }
    values.push_back(0.0);
    values.push_back(-0.0);
    values.push_back(std::numeric_limits<float>::denorm_min());
    values.push_back(std::numeric_limits<float>::max());
    for (double value : values) {
        for (double v : {value, -value}) {
            for (const Item& item : items) {
                const std::string ours = item.general ? generalField(v, item.width, item.digits, item.scale)
                                                      : exponentField(v, item.width, item.digits, item.scale);
                const std::string expected = item.general
                                                 ? testing::referenceGeneralField(v, item.width, item.digits, item.scale)
                                                 : testing::referenceExponentField(v, item.width, item.digits, item.scale);
                ASSERT_EQ(ours, expected) << "value " << v << " width " << item.width << " digits " << item.digits;
            }
        }
    }
}

}  // namespace
}  // namespace corvane
