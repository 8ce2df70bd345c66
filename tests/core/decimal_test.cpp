#include "lomarek/decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace lomarek {
namespace {

std::string Fixed(double value)
{
    std::string text;
    AppendFixed(text, value);
    return text;
}

TEST(ParseDecimal, ReadsTheLongestDecimalPrefix)
{
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"0", 0.0},           {"12.5", 12.5},      {"  \t\v\f\r\n7", 7.0}, {"+3", 3.0},
        {"-2.25", -2.25},     {"5.", 5.0},         {".5", 0.5},            {"-.5", -0.5},
        {"1e3", 1000.0},      {"1E+3", 1000.0},    {"2.5e-1", 0.25},       {"5.e1", 50.0},
        {"1e", 1.0},          {"1e+", 1.0},        {"1e-x", 1.0},          {"12.5 m", 12.5},
        {"1,5", 1.0},         {"3..4", 3.0},       {"7-1", 7.0},           {"", 0.0},
        {"   ", 0.0},         {"abc", 0.0},        {".", 0.0},             {"-", 0.0},
        {"+-5", 0.0},         {"- 5", 0.0},        {"e5", 0.0},            {".e5", 0.0},
        {"0x1A", 0.0},        {"inf", 0.0},        {"-infinity", 0.0},     {"nan", 0.0},
        {"1e308", 1e308},     {"-1e308", -1e308},  {"1e-320", 1e-320},     {"4.9e-324", 4.9e-324},
        {"0.1", 0.1},         {"123456789012345678901234567890", 123456789012345678901234567890.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseDecimal(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ParseDecimal, OutOfRangeBecomesInfinityOrZero)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ParseDecimal("1e400"), inf);
    EXPECT_EQ(ParseDecimal("-1e400"), -inf);
    EXPECT_EQ(ParseDecimal("1e99999999999999999999"), inf);
    EXPECT_EQ(ParseDecimal("0.0000000000000000000001e332"), inf);
    EXPECT_EQ(ParseDecimal(std::string(400, '9')), inf);
    EXPECT_EQ(ParseDecimal("1e-400"), 0.0);
    EXPECT_EQ(ParseDecimal("1000000000000e-340"), 0.0);
    EXPECT_TRUE(std::signbit(ParseDecimal("-1e-400")));
    EXPECT_TRUE(std::signbit(ParseDecimal("-0")));
    EXPECT_FALSE(std::signbit(ParseDecimal("-x")));
    EXPECT_EQ(ParseDecimal("0e99999999999"), 0.0);
}

TEST(ParseDecimal, AgreesWithTheCLibraryOnRandomText)
{
    // No letters but e and E, so the C library cannot take hex, inf or nan.
    const char alphabet[] = "0123456789012345678901234567890123456789..eE+- \t";
    std::mt19937 random(20261211);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 2);
    std::uniform_int_distribution<int> length(0, 30);
    for (int trial = 0; trial < 200000; ++trial) {
        std::string text;
        for (int k = length(random); k > 0; --k)
            text += alphabet[pick(random)];
        const double expected = std::strtod(text.c_str(), nullptr);
        const double actual = ParseDecimal(text);
        ASSERT_EQ(std::memcmp(&expected, &actual, sizeof(double)), 0) << '"' << text << '"';
    }
}

TEST(FormatFixed, WritesWhatPrintfWrites)
{
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {0.0, "0.000000"},
        {-0.0, "-0.000000"},
        {500.0, "500.000000"},
        {-1.5, "-1.500000"},
        {0.4375, "0.437500"},
        {1.0 / 3.0, "0.333333"},
        {2.0 / 3.0, "0.666667"},
        {0.0078125, "0.007812"}, // an exact tie rounds to even
        {0.0000015, "0.000002"},
        {1e-7, "0.000000"},
        {-1e-7, "-0.000000"},
        {1234567.8901234, "1234567.890123"},
        {1e21, "1000000000000000000000.000000"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
        {-std::numeric_limits<double>::quiet_NaN(), "-nan"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Fixed(c.value), c.expected);

    const std::string huge = Fixed(1e300);
    EXPECT_EQ(huge.size(), 301u + 7u);
    EXPECT_EQ(huge.substr(0, 20), "10000000000000000525");
    EXPECT_EQ(huge.substr(huge.size() - 7), ".000000");
    EXPECT_EQ(Fixed(-std::numeric_limits<double>::max()).size(), 317u);
}

TEST(FormatFixed, AgreesWithPrintfOnRandomBitPatterns)
{
    std::mt19937_64 random(42);
    for (int trial = 0; trial < 200000; ++trial) {
        double value;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (trial % 2 == 1) // values of ordinary size, where the decimals matter
            value = std::ldexp(std::fmod(std::fabs(value), 1.0) + 1.0, static_cast<int>(bits % 64) - 32);
        char expected[kMaxFixedChars + 8];
        std::snprintf(expected, sizeof expected, "%f", value);
        ASSERT_EQ(Fixed(value), expected) << bits;
    }
}

} // namespace
} // namespace lomarek
