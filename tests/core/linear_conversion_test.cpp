#include "lomarek/value_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>
#include "test_support.h"

namespace lomarek {
namespace {

DepthAgeTable Table(std::vector<double> depths, std::vector<double> ages)
{
    return testing::LoadedTable(std::move(depths), std::move(ages));
}

std::string Linear(const DepthAgeTable& table, const std::vector<double>& X, const std::vector<double>& Y,
                   std::string_view input)
{
    std::string output;
    ConvertByLinear(table, X, Y, input, output);
    return output;
}

TEST(ConvertByLinear, WorkedExample)
{
    const DepthAgeTable table = Table({0, 10, 20}, {0, 1000, 3000});
    EXPECT_EQ(Linear(table, table.m_depths, table.m_ages, "5\r\n15\r\n\r\n25\r\n-1"),
              "500.000000\r\n2000.000000\r\nerror\r\nerror\r\n");
    EXPECT_EQ(Linear(table, table.m_ages, table.m_depths, "2000"), "15.000000\r\n");
}

TEST(ConvertByLinear, EntriesAndValues)
{
#if defined(__x86_64__) || defined(__i386__)
    const char* const zeroByZero = "-nan\r\n"; // the sign of the processor's default NaN
#else
    const char* const zeroByZero = "nan\r\n";
#endif
    struct Case {
        const char* name;
        std::vector<double> X;
        std::vector<double> Y;
        std::string input;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"tie_values", {0, 10, 20}, {0, 1000, 3000}, "0\n10\n20", "0.000000\r\n1000.000000\r\n3000.000000\r\n"},
        {"outside_the_table", {0, 10, 20}, {0, 1000, 3000}, "-0.001\n20.001", "error\r\nerror\r\n"},
        {"decreasing_column", {30, 20, 10}, {1, 2, 3}, "30\n20\n15\n10", "error\r\nerror\r\nerror\r\nerror\r\n"},
        {"rising_and_falling_takes_the_first", {0, 10, 0}, {0, 100, 1000}, "5", "50.000000\r\n"},
        {"falling_interval_skipped", {10, 0, 10}, {7, 0, 100}, "5", "50.000000\r\n"},
        {"equal_neighbours_before_the_value", {0, 5, 5, 9}, {0, 1, 2, 3}, "5\n7", "1.000000\r\n2.500000\r\n"},
        {"zero_width_interval_first", {5, 5, 9}, {1, 2, 3}, "5", zeroByZero},
        {"line_breaks_of_every_kind", {0, 10}, {0, 100}, "\r\n\n1\r2\n\r3\r\n\r\n", "10.000000\r\n20.000000\r\n30.000000\r\n"},
        {"blanks_abc_units_and_commas", {0, 10}, {0, 100}, "   \nabc\n12.5 m\n1,5\n\t2\t", "0.000000\r\n0.000000\r\nerror\r\n10.000000\r\n20.000000\r\n"},
        {"empty_input", {0, 10}, {0, 100}, "", ""},
        {"only_line_breaks", {0, 10}, {0, 100}, "\r\n\r\n\n\r", ""},
        {"nul_and_invalid_utf8", {0, 10}, {0, 100}, std::string("1\0x\n\xff\xfe", 6), "10.000000\r\n0.000000\r\n"},
        {"huge_and_tiny_numbers", {0, 1e308}, {0, 1}, "1e308\n-1e308\n1e-320\n1e400", "1.000000\r\nerror\r\n0.000000\r\nerror\r\n"},
        {"infinite_bounds", {0, HUGE_VAL}, {0, 1}, "5", "0.000000\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DepthAgeTable table = Table(c.X, c.Y);
        EXPECT_EQ(Linear(table, table.m_depths, table.m_ages, c.input), c.expected);
    }
}

TEST(ConvertByLinear, ReadsOnlyTheTablesPointCount)
{
    DepthAgeTable table = Table({0, 10, 20}, {0, 1000, 3000});
    table.m_nPoints = 2;
    EXPECT_EQ(Linear(table, table.m_depths, table.m_ages, "5\n15"), "500.000000\r\nerror\r\n");
}

TEST(ValueListConverter, PiecesOfAnySizeGiveTheSameLines)
{
    const std::vector<double> X = {0, 10, 20};
    const std::vector<double> Y = {0, 1000, 3000};
    const std::string input = "5\r\n15\r\n\r\n  7.25e0 \n\n1\r2\r\n";
    std::string whole;
    ValueListConverter(Interpolation::Linear, X.data(), Y.data(), 3).Feed(input, whole);
    for (std::size_t cut = 0; cut <= input.size(); ++cut) {
        for (std::size_t second = cut; second <= input.size(); ++second) {
            ValueListConverter converter(Interpolation::Linear, X.data(), Y.data(), 3);
            std::string pieces;
            converter.Feed(std::string_view(input).substr(0, cut), pieces);
            converter.Feed(std::string_view(input).substr(cut, second - cut), pieces);
            converter.Feed(std::string_view(input).substr(second), pieces);
            converter.Finish(pieces);
            ASSERT_EQ(pieces, whole) << cut << ' ' << second;
        }
    }
    std::string lf;
    ValueListConverter converter(Interpolation::Linear, X.data(), Y.data(), 3, LineEnd::Lf);
    converter.Feed("5\r\n30", lf);
    EXPECT_EQ(lf, "500.000000\n");
    converter.Finish(lf);
    EXPECT_EQ(lf, "500.000000\nerror\n");
}

TEST(ConvertByLinear, LongInputs)
{
    const DepthAgeTable table = Table({0, 1e6}, {0, 2e6});
    std::string input;
    std::string expected;
    for (int k = 0; k < 1000000; ++k) {
        input += std::to_string(k) + "\n";
        expected += std::to_string(2 * k) + ".000000\r\n";
    }
    EXPECT_EQ(Linear(table, table.m_depths, table.m_ages, input), expected);

    const std::string line(10u << 20, '7');
    EXPECT_EQ(Linear(table, table.m_depths, table.m_ages, line), "error\r\n");
    EXPECT_EQ(Linear(table, table.m_depths, table.m_ages, std::string(1u << 20, '\t') + "3"), "6.000000\r\n");
}

} // namespace
} // namespace lomarek
