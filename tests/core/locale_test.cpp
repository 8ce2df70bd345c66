#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

#include "lomarek/decimal.h"
#include "lomarek/value_list.h"

namespace lomarek {
namespace {

// A desktop session switches the process to the user's locale; numbers must
// read and print the same under a decimal comma.
TEST(Locale, DecimalCommaChangesNothing)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 missing: run make deps";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    EXPECT_EQ(ParseDecimal("12.5"), 12.5);
    EXPECT_EQ(ParseDecimal("12,5"), 12.0);
    std::string text;
    AppendFixed(text, -1234.5);
    EXPECT_EQ(text, "-1234.500000");

    const std::vector<double> X = {0, 10, 20}, Y = {0, 1000, 3000};
    DepthAgeTable table;
    table.m_nPoints = 3;
    std::string output;
    ConvertByLinear(table, X, Y, "5\r\n15.5\r\n", output);
    EXPECT_EQ(output, "500.000000\r\n2100.000000\r\n");
    output.clear();
    ConvertBySpline(table, X, Y, "12.5", output);
    EXPECT_EQ(output.find(','), std::string::npos);

    std::setlocale(LC_ALL, before.c_str());
}

} // namespace
} // namespace lomarek
