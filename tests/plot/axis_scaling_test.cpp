#include "lomarek/axis_scaling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace lomarek {
namespace {

TEST(CalcAxisStep, UnitsJustBelowThePowersOfTen)
{
    struct Case {
        double range;
        double step;
    };
    const Case cases[] = {
        {1.0000000116860974e-07, 0.2 * 1.0000000116860974e-07},
        {1e-7, 1.0},
        {0.002, 0.0004999999655410647},
        {0.0015, 0.0001999999862164259},
        {1, 0.19999998807907104},
        {2, 0.4999999701976776},
        {3, 0.4999999701976776},
        {7, 0.9999999403953552},
        {0.9999999403953552 * 10, 0.2 * 9.999999046325684}, // 10 u is already the next unit
        {100, 19.999998474121096},
        {250, 49.999996185302734},
        {999999919, 99999992.0},
        {999999920, 1.0},
        {0, 1.0},
        {-5, 1.0},
        {std::nan(""), 1.0},
        {HUGE_VAL, 1.0},
        {0.00000005, 1.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CalcAxisStep(c.range), c.step) << c.range;
}

TEST(UpdatePlotScales, StepsAndTickRanges)
{
    struct Case {
        double first;
        double last;
        double step;
        std::int32_t tickFirst;
        std::int32_t tickLast;
        std::int32_t span;
    };
    const Case cases[] = {
        {0, 3, 0.4999999701976776, 0, 7, 7},
        {0, 100, 19.999998474121096, 0, 6, 6},
        {0, 7, 0.9999999403953552, 0, 8, 8},
        {0, 1, 0.19999998807907104, 0, 6, 6},
        {0, 2, 0.4999999701976776, 0, 5, 5},
        {0, 0.002, 0.0004999999655410647, 0, 5, 5},
        {1000, 1250, 49.999996185302734, 20, 26, 6},
        {10, 10, 1.0, 10, 10, 0},
        {10.5, 10.5, 1.0, 10, 11, 1},
        {100, 0, 1.0, 100, 0, -100},
        {10.5, 10.2, 1.0, 10, 11, 1},
        {0, 0.00000005, 1.0, 0, 1, 1},
        {0, 999999919, 99999992.0, 0, 10, 10},
    };
    for (const Case& c : cases) {
        // The age column gets the case and the depth column a fixed one: the
        // axes are scaled independently, from the first and last rows only.
        DepthAgeTable table;
        table.m_ages = {c.first, 500, c.last};
        table.m_depths = {0, 0, 0};
        table.m_nPoints = 3;
        table.m_bTableLoaded = true;
        PlotScales scales;
        UpdatePlotScales(table, scales);
        EXPECT_EQ(scales.m_dAgeStep, c.step) << c.first << ' ' << c.last;
        EXPECT_EQ(scales.m_nAgeTickFirst, c.tickFirst) << c.first << ' ' << c.last;
        EXPECT_EQ(scales.m_nAgeTickLast, c.tickLast) << c.first << ' ' << c.last;
        EXPECT_EQ(scales.m_nAgeTickSpan, c.span) << c.first << ' ' << c.last;
        EXPECT_TRUE(scales.m_bAgeTicksInRange);
        EXPECT_EQ(scales.m_dDepthStep, 1.0);
        EXPECT_EQ(scales.m_nDepthTickSpan, 0);
    }
}

TEST(UpdatePlotScales, TickIndicesBeyond32BitsAreMarkedAndClamped)
{
    struct Case {
        double first;
        double last;
        bool inRange;
    };
    const Case cases[] = {
        {0, 5e8, true},           // a step of about 1e8: indices stay small
        {-1e9, 1e9, true},        // the step 1.0, but indices and span still fit
        {-2e9, 2e9, false},       // indices fit, the span does not
        {1e12, 1e12 + 1, false},  // the step 0.2 at 1e12: indices near 5e12
        {0, HUGE_VAL, false},
        {1e300, 1e300, false},
    };
    for (const Case& c : cases) {
        DepthAgeTable table;
        table.m_ages = {0, 1};
        table.m_depths = {c.first, c.last};
        table.m_nPoints = 2;
        PlotScales scales;
        UpdatePlotScales(table, scales);
        EXPECT_EQ(scales.m_bDepthTicksInRange, c.inRange) << c.first << ' ' << c.last;
        EXPECT_TRUE(scales.m_bAgeTicksInRange);
    }
    DepthAgeTable wide;
    wide.m_ages = {-2.1e9, 2.1e9};
    wide.m_depths = {0, 1};
    wide.m_nPoints = 2;
    PlotScales scales;
    UpdatePlotScales(wide, scales);
    EXPECT_EQ(scales.m_dAgeStep, 1.0); // 4.2e9 is past the last decade
    EXPECT_EQ(scales.m_nAgeTickFirst, -2100000000);
    EXPECT_EQ(scales.m_nAgeTickLast, 2100000000);
    EXPECT_EQ(scales.m_nAgeTickSpan, std::numeric_limits<std::int32_t>::max());
    EXPECT_FALSE(scales.m_bAgeTicksInRange);
}

} // namespace
} // namespace lomarek
