#include "lomarek/interval_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace lomarek {
namespace {

constexpr double kInf = HUGE_VAL;
const double kNaN = std::nan("");

std::uint32_t Scan(const std::vector<double>& X, double x)
{
    const auto i = FindBracketingInterval(X, static_cast<std::uint32_t>(X.size()), x);
    return i ? *i : BracketingIndex::kNone;
}

TEST(FindBracketingInterval, FirstIntervalInTableOrderWins)
{
    constexpr std::uint32_t none = BracketingIndex::kNone;
    struct Case {
        const char* name;
        std::vector<double> X;
        double x;
        std::uint32_t expected;
    };
    const std::vector<Case> cases = {
        {"first_tie_point", {0, 10, 20}, 0, 0},
        {"inner_tie_point_takes_the_earlier_interval", {0, 10, 20}, 10, 0},
        {"last_tie_point", {0, 10, 20}, 20, 1},
        {"inside", {0, 10, 20}, 15, 1},
        {"below", {0, 10, 20}, -1, none},
        {"above", {0, 10, 20}, 25, none},
        {"decreasing_column_never_matches", {3, 2, 1}, 2, none},
        {"rising_then_falling_takes_the_first", {0, 10, 5, 8}, 6, 0},
        {"falling_intervals_are_skipped", {10, 0, 5, 8}, 6, 2},
        {"equal_neighbours", {0, 5, 5, 9}, 5, 0},
        {"equal_neighbours_alone", {5, 5}, 5, 0},
        {"equal_neighbours_after_a_fall", {9, 5, 5, 7}, 5, 1},
        {"nan_value", {0, 10}, kNaN, none},
        {"nan_in_the_column", {0, kNaN, 10, 20}, 15, 2},
        {"nan_breaks_the_run", {0, kNaN, 10}, 5, none},
        {"negative_infinity_bound", {-kInf, 0}, -kInf, 0},
        {"infinite_value_inside_infinite_bounds", {-kInf, kInf}, kInf, 0},
        {"infinite_value_outside", {0, 10}, kInf, none},
        {"negative_zero_equals_zero", {0, 1}, -0.0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Scan(c.X, c.x), c.expected);
        const BracketingIndex index(c.X.data(), static_cast<std::uint32_t>(c.X.size()));
        EXPECT_EQ(index.Find(c.x), c.expected);
    }
}

// Columns of every shape drawn from few values, so that ties, repeated runs
// and overlapping runs are common; queries at, between and beyond the values.
TEST(BracketingIndex, AgreesWithTheScanOnRandomColumns)
{
    std::mt19937 random(7);
    const std::vector<double> values = {-kInf, -3, -1, 0, 0.5, 1, 2, 2.5, 4, 7, kInf, kNaN};
    std::uniform_int_distribution<std::size_t> pickValue(0, values.size() - 1);
    std::uniform_int_distribution<int> length(2, 40);
    std::uniform_int_distribution<int> shape(0, 4);
    std::normal_distribution<double> noise(0.0, 3.0);
    for (int trial = 0; trial < 20000; ++trial) {
        std::vector<double> X(static_cast<std::size_t>(trial % 10 == 0 ? 300 : length(random)));
        const int kind = shape(random);
        for (std::size_t k = 0; k < X.size(); ++k) {
            if (kind == 0)
                X[k] = values[pickValue(random)];
            else if (kind == 1) // a random walk: runs of both directions
                X[k] = (k == 0 ? 0 : X[k - 1]) + std::round(noise(random));
            else if (kind == 2) // zigzag: the direction changes at every row
                X[k] = (k % 2 == 0 ? 0.0 : 10.0) + std::round(noise(random));
            else if (kind == 3) // mostly rising with a few falls
                X[k] = (k == 0 ? 0 : X[k - 1]) + (random() % 5 == 0 ? -4.0 : 1.0);
            else // rising, crowded at the start and sparse later, with repeats
                X[k] = (k == 0 ? 0 : X[k - 1]) + std::floor(std::exp(noise(random)));
        }
        const BracketingIndex index(X.data(), static_cast<std::uint32_t>(X.size()));
        std::vector<double> queries = values;
        for (double v : X) {
            queries.push_back(v);
            queries.push_back(v + 0.25);
            queries.push_back(v - 0.25);
        }
        std::vector<std::uint32_t> batch(queries.size());
        index.FindBatch(queries.data(), batch.data(), queries.size());
        for (std::size_t k = 0; k < queries.size(); ++k) {
            ASSERT_EQ(index.Find(queries[k]), Scan(X, queries[k])) << "trial " << trial << " x " << queries[k];
            ASSERT_EQ(batch[k], Scan(X, queries[k])) << "trial " << trial << " x " << queries[k];
        }
    }
}

TEST(FindCurveInterval, FirstReachingAbscissaElseTheLast)
{
    struct Case {
        const char* name;
        std::vector<double> X;
        double x;
        std::uint32_t expected;
    };
    const std::vector<Case> cases = {
        {"below_the_first_point", {0, 1, 4}, -1, 1},
        {"at_the_first_point", {0, 1, 4}, 0, 1},
        {"inner_point", {0, 1, 4}, 1, 1},
        {"inside_the_last", {0, 1, 4}, 2, 2},
        {"beyond_the_last", {0, 1, 4}, 5, 2},
        {"decreasing_high", {3, 2, 1}, 2.5, 2},
        {"decreasing_low", {3, 2, 1}, 1.5, 1},
        {"nan_value", {0, 1, 4}, kNaN, 2},
        {"nan_in_the_column", {0, kNaN, 4, 9}, 3, 2},
        {"two_points", {5, 6}, 100, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto n = static_cast<std::uint32_t>(c.X.size());
        EXPECT_EQ(FindCurveInterval(c.X, n, c.x), c.expected);
        EXPECT_EQ(CurveIndex(c.X.data(), n).Find(c.x), c.expected);
    }

    std::mt19937 random(11);
    std::uniform_int_distribution<int> value(-5, 5);
    for (int trial = 0; trial < 5000; ++trial) {
        std::vector<double> X(2 + trial % 20);
        for (double& v : X)
            v = random() % 9 == 0 ? kNaN : value(random);
        const auto n = static_cast<std::uint32_t>(X.size());
        const CurveIndex index(X.data(), n);
        for (double q = -6; q <= 6; q += 0.5)
            ASSERT_EQ(index.Find(q), FindCurveInterval(X, n, q)) << trial;
    }
}

} // namespace
} // namespace lomarek
