#pragma once

#include <cstdint>

#include "lomarek/depth_age_table.h"

namespace lomarek {

// The tick step for a value range: 0.2, 0.5 or 1 times a unit that runs
// through the decades as 32-bit floats (so just below the powers of ten);
// 1.0 for ranges that are not positive or lie outside the decades covered.
double CalcAxisStep(double range) noexcept;

// Steps and tick index ranges of both axes, taken from a table's first and
// last rows. Tick i of an axis stands for i * step and sits at the plot
// coordinate (i - first) / span.
struct PlotScales {
    double m_dAgeStep = 1.0;
    double m_dDepthStep = 1.0;
    std::int32_t m_nAgeTickFirst = 0;
    std::int32_t m_nAgeTickLast = 0;
    std::int32_t m_nDepthTickFirst = 0;
    std::int32_t m_nDepthTickLast = 0;
    std::int32_t m_nAgeTickSpan = 0;
    std::int32_t m_nDepthTickSpan = 0;
    // False when a tick index or the span did not fit 32 bits; the indices are
    // then clamped and that axis gets no ticks.
    bool m_bAgeTicksInRange = true;
    bool m_bDepthTicksInRange = true;
};

// Precondition: the table was just loaded, so it has at least two rows.
void UpdatePlotScales(const DepthAgeTable& table, PlotScales& scales);

} // namespace lomarek
