#include "lomarek/spline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "lomarek/decimal.h"
#include "lomarek/interval_search.h"
#include "lomarek/value_list.h"
#include "test_support.h"

namespace lomarek {
namespace {

DepthAgeTable Table(std::vector<double> depths, std::vector<double> ages)
{
    return testing::LoadedTable(std::move(depths), std::move(ages));
}

std::string Spline(const DepthAgeTable& table, const std::vector<double>& X, const std::vector<double>& Y,
                   std::string_view input)
{
    std::string output;
    ConvertBySpline(table, X, Y, input, output);
    return output;
}

double At(const std::vector<double>& X, const std::vector<double>& Y, double x)
{
    const auto n = static_cast<std::uint32_t>(X.size());
    const SplineModel model = BuildSplineModel(X, Y, n);
    const auto i = FindBracketingInterval(X, n, x);
    return i ? EvaluateSpline(model, X, Y, *i + 1, x) : NAN;
}

TEST(BuildSplineModel, SecondDividedDifferences)
{
    const SplineModel parabola = BuildSplineModel(std::vector<double>{0, 1, 2}, std::vector<double>{0, 1, 4}, 3);
    EXPECT_EQ(parabola.widths, (std::vector<double>{0, 1, 1}));
    EXPECT_EQ(parabola.slopes, (std::vector<double>{0, 1, 3}));
    EXPECT_EQ(parabola.curvatures, (std::vector<double>{0, 1, 0}));

    const SplineModel uneven = BuildSplineModel(std::vector<double>{0, 1, 2, 4}, std::vector<double>{0, 10, 15, 40}, 4);
    EXPECT_EQ(uneven.curvatures, (std::vector<double>{0, -2.5, 2.5, 0}));

    const SplineModel two = BuildSplineModel(std::vector<double>{0, 10}, std::vector<double>{0, 100}, 2);
    EXPECT_EQ(two.curvatures, (std::vector<double>{0, 0}));
}

TEST(BuildSplineCurvatures, SameBitsAsTheFullModel)
{
    std::mt19937 random(3);
    std::uniform_int_distribution<int> value(-4, 4);
    for (int trial = 0; trial < 2000; ++trial) {
        std::vector<double> X(2 + trial % 9), Y(X.size());
        for (std::size_t k = 0; k < X.size(); ++k) {
            X[k] = value(random) * 0.3;
            Y[k] = value(random) * 1.7;
        }
        const auto n = static_cast<std::uint32_t>(X.size());
        const SplineModel model = BuildSplineModel(X, Y, n);
        const std::vector<double> curvatures = BuildSplineCurvatures(X.data(), Y.data(), n);
        ASSERT_EQ(std::memcmp(curvatures.data(), model.curvatures.data(), n * sizeof(double)), 0) << trial;
        for (std::uint32_t k = 1; k < n; ++k) {
            const double x = X[k] - 0.1;
            const double full = EvaluateSpline(model, X, Y, k, x);
            const double lean = EvaluateSpline(curvatures.data(), X.data(), Y.data(), k, x);
            ASSERT_EQ(std::memcmp(&full, &lean, sizeof full), 0) << trial;
        }
    }
}

TEST(EvaluateSpline, WorkedFigures)
{
    const std::vector<double> X1 = {0, 1, 2}, Y1 = {0, 1, 4};
    EXPECT_EQ(At(X1, Y1, 0.5), 0.4375);
    EXPECT_EQ(At(X1, Y1, 1.5), 2.4375);
    EXPECT_EQ(At(X1, Y1, 1), 1);
    EXPECT_EQ(At(X1, Y1, 0), 0);
    EXPECT_EQ(At(X1, Y1, 2), 4);

    const std::vector<double> X2 = {0, 1, 2, 4}, Y2 = {0, 10, 15, 40};
    EXPECT_EQ(At(X2, Y2, 0.5), 5.15625);
    EXPECT_EQ(At(X2, Y2, 1.5), 12.5);
    EXPECT_EQ(At(X2, Y2, 3), 26.875);

    EXPECT_EQ(At({0, 10}, {0, 100}, 2.5), 25);

    // The slope jumps at the inner tie point: 4/3 on the left, 8/3 on the right.
    const SplineModel model = BuildSplineModel(X1, Y1, 3);
    const double h = 1e-6;
    EXPECT_NEAR((EvaluateSpline(model, X1, Y1, 1, 1) - EvaluateSpline(model, X1, Y1, 1, 1 - h)) / h, 4.0 / 3, 1e-5);
    EXPECT_NEAR((EvaluateSpline(model, X1, Y1, 2, 1 + h) - EvaluateSpline(model, X1, Y1, 2, 1)) / h, 8.0 / 3, 1e-5);

    // Extended end cubics, as the curve search picks them.
    EXPECT_EQ(EvaluateSpline(model, X1, Y1, FindCurveInterval(X1, 3, 2.5), 2.5), 5.5625);
    EXPECT_EQ(EvaluateSpline(model, X1, Y1, FindCurveInterval(X1, 3, -1), -1), -1);
}

TEST(EvaluateSpline, RepeatedAbscissaSpoilsOnlyTheNeighbouringIntervals)
{
    const std::vector<double> X = {0, 1, 2, 2, 3, 4, 5}, Y = {0, 1, 2, 3, 4, 5, 6};
    const SplineModel model = BuildSplineModel(X, Y, 7);
    EXPECT_TRUE(std::isfinite(EvaluateSpline(model, X, Y, 1, 0.5)));
    for (const std::uint32_t k : {2u, 3u, 4u})
        EXPECT_FALSE(std::isfinite(EvaluateSpline(model, X, Y, k, k == 3 ? 2.0 : (k == 2 ? 1.5 : 2.5)))) << k;
    EXPECT_TRUE(std::isfinite(EvaluateSpline(model, X, Y, 5, 3.5)));
    EXPECT_TRUE(std::isfinite(EvaluateSpline(model, X, Y, 6, 4.5)));
}

TEST(ConvertBySpline, BothDirections)
{
    const DepthAgeTable table = Table({0, 1, 2}, {0, 1, 4});
    EXPECT_EQ(Spline(table, table.m_depths, table.m_ages, "0.5\r\n1.5\r\n2.5\r\n"), "0.437500\r\n2.437500\r\nerror\r\n");
    EXPECT_EQ(Spline(table, table.m_ages, table.m_depths, "2"), "1.425926\r\n");
    // Each direction has its own model, so a round trip does not come back.
    EXPECT_EQ(Spline(table, table.m_ages, table.m_depths, "2.4375"), "1.574054\r\n");
    EXPECT_EQ(Spline(table, table.m_depths, table.m_ages, ""), "");
    EXPECT_EQ(Spline(table, table.m_depths, table.m_ages, "\r\n   \r\n\r\n"), "0.000000\r\n");

    const DepthAgeTable shifted = Table({1, 2, 3}, {0, 1, 4});
    EXPECT_EQ(Spline(shifted, shifted.m_depths, shifted.m_ages, " "), "error\r\n");
    const DepthAgeTable falling = Table({3, 2, 1}, {0, 1, 4});
    EXPECT_EQ(Spline(falling, falling.m_depths, falling.m_ages, "3\n2\n1.5\n1"), "error\r\nerror\r\nerror\r\nerror\r\n");

    const DepthAgeTable two = Table({0, 10}, {0, 100});
    std::string linear;
    ConvertByLinear(two, two.m_depths, two.m_ages, "0\n2.5\n3.3\n7.77\n10", linear);
    EXPECT_EQ(Spline(two, two.m_depths, two.m_ages, "0\n2.5\n3.3\n7.77\n10"), linear);
}

// The converter keeps the spline in one of two forms, by the table's size;
// both must give the bits of the plain model and the plain scan.
TEST(ConvertBySpline, SameBitsAsThePlainModelForSmallAndLargeTables)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<double> step(0.0, 2.0);
    for (const std::uint32_t n : {3u, 50u, 70000u}) {
        std::vector<double> X(n), Y(n);
        for (std::uint32_t k = 0; k < n; ++k) {
            X[k] = k == 0 ? 0 : X[k - 1] + std::floor(step(random) * 4) / 4; // repeats included
            Y[k] = k == 0 ? 0 : Y[k - 1] + step(random);
        }
        if (n == 50)
            std::swap(X[10], X[30]); // a column that turns back
        std::string input;
        std::string expected;
        const SplineModel model = BuildSplineModel(X, Y, n);
        std::uniform_real_distribution<double> where(-1.0, X[n - 1] + 1.0);
        for (int v = 0; v < 3000; ++v) {
            const double x = v % 3 == 0 ? X[random() % n] : where(random);
            char text[64];
            std::snprintf(text, sizeof text, "%.17g\n", x);
            input += text;
            const auto i = FindBracketingInterval(X, n, x);
            if (i)
                AppendFixed(expected, EvaluateSpline(model, X, Y, *i + 1, x));
            else
                expected += "error";
            expected += "\r\n";
        }
        const DepthAgeTable table = Table(X, Y);
        ASSERT_EQ(Spline(table, table.m_depths, table.m_ages, input), expected) << n;
    }
}

std::vector<double> CurveSamples(const DepthAgeTable& table)
{
    const std::uint32_t n = table.m_nPoints;
    const double step = (table.m_ages[n - 1] - table.m_ages[0]) / 200;
    std::vector<double> samples;
    for (int j = 0; j <= 200; ++j)
        samples.push_back(j * step + table.m_ages[0]);
    std::vector<double> output(201, 0.0);
    SampleSplineCurve(n, table.m_ages, table.m_depths, samples, output);
    return output;
}

TEST(SampleSplineCurve, TheCurveOfDepthOverAge)
{
    const std::vector<double> curve = CurveSamples(Table({0, 1, 2}, {0, 1, 4}));
    EXPECT_EQ(curve[0], 0);
    EXPECT_NEAR(curve[50], 1, 1e-12);
    EXPECT_NEAR(curve[100], 1.425926, 5e-7);
    EXPECT_NEAR(curve[200], 2, 1e-12);

    const std::vector<double> line = CurveSamples(Table({0, 10}, {0, 100}));
    for (int j = 0; j <= 200; ++j)
        EXPECT_NEAR(line[j], j * 0.05, 1e-12) << j;

    const std::vector<double> turned = CurveSamples(Table({0, 1, 2}, {4, 1, 0}));
    EXPECT_NEAR(turned[0], -1.0 / 3, 1e-12);
    EXPECT_NEAR(turned[200], 43.0 / 27, 1e-12);

    std::vector<double> output = {7, 7, 7};
    SampleSplineCurve(3, {0, 1, 4}, {0, 1, 2}, {1}, output);
    EXPECT_NEAR(output[0], 1, 1e-12);
    EXPECT_EQ(output[1], 7);
    EXPECT_EQ(output[2], 7);
}

} // namespace
} // namespace lomarek
