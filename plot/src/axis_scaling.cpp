#include "lomarek/axis_scaling.h"

#include <cmath>
#include <limits>

namespace lomarek {

double CalcAxisStep(double x) noexcept
{
    float unit = 1e-7f;
    do {
        const double u = unit;
        if (u <= x && x < 2 * u)
            return 0.2 * u;
        if (2 * u <= x && x < 5 * u)
            return 0.5 * u;
        if (5 * u <= x && x < 10 * u)
            return u;
        unit = static_cast<float>(10.0 * u);
    } while (unit <= 100000000.0f);
    return 1.0;
}

namespace {

// Converts a floor or ceil to a tick index; false when it does not fit.
bool ToTickIndex(double value, std::int64_t& index)
{
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (value >= low && value <= high) {
        index = static_cast<std::int64_t>(value);
        return true;
    }
    index = value > high ? static_cast<std::int64_t>(high) : (value < low ? static_cast<std::int64_t>(low) : 0);
    return false;
}

void ScaleAxis(double first, double last, double& step, std::int32_t& tickFirst, std::int32_t& tickLast,
               std::int32_t& span, bool& inRange)
{
    const double range = last - first;
    step = range == 0 ? 1.0 : CalcAxisStep(range);
    std::int64_t low = 0;
    std::int64_t high = 0;
    inRange = ToTickIndex(std::floor(first / step), low);
    inRange = ToTickIndex(std::ceil(last / step), high) && inRange;
    tickFirst = static_cast<std::int32_t>(low);
    tickLast = static_cast<std::int32_t>(high);
    const std::int64_t wide = high - low;
    if (wide > std::numeric_limits<std::int32_t>::max() || wide < std::numeric_limits<std::int32_t>::min()) {
        inRange = false;
        span = wide > 0 ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int32_t>::min();
    } else {
        span = static_cast<std::int32_t>(wide);
    }
}

} // namespace

void UpdatePlotScales(const DepthAgeTable& table, PlotScales& scales)
{
    const std::uint32_t last = table.m_nPoints - 1;
    ScaleAxis(table.m_ages[0], table.m_ages[last], scales.m_dAgeStep, scales.m_nAgeTickFirst, scales.m_nAgeTickLast,
              scales.m_nAgeTickSpan, scales.m_bAgeTicksInRange);
    ScaleAxis(table.m_depths[0], table.m_depths[last], scales.m_dDepthStep, scales.m_nDepthTickFirst,
              scales.m_nDepthTickLast, scales.m_nDepthTickSpan, scales.m_bDepthTicksInRange);
}

} // namespace lomarek
