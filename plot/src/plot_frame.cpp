#include "lomarek/plot_frame.h"

#include <charconv>
#include <cmath>

#include "lomarek/spline.h"

namespace lomarek {
namespace {

constexpr std::uint32_t kCurveSamples = 201;

// One axis of the scale contract. A span of 0 would divide by zero: the
// axis then puts its one tick, and every value, at coordinate 0.
struct Axis {
    double step;
    std::int32_t first;
    std::int32_t last;
    std::int32_t span;
    bool ticksShown;

    double Value(double v) const { return span == 0 ? 0.0 : (v / step - first) / span; }
    double Tick(std::int64_t i) const { return span == 0 ? 0.0 : static_cast<double>(i - first) / span; }
};

Axis AgeAxis(const PlotScales& s)
{
    return {s.m_dAgeStep, s.m_nAgeTickFirst, s.m_nAgeTickLast, s.m_nAgeTickSpan,
            s.m_bAgeTicksInRange && s.m_nAgeTickSpan <= kMaxTickSpan};
}

Axis DepthAxis(const PlotScales& s)
{
    return {s.m_dDepthStep, s.m_nDepthTickFirst, s.m_nDepthTickLast, s.m_nDepthTickSpan,
            s.m_bDepthTicksInRange && s.m_nDepthTickSpan <= kMaxTickSpan};
}

PlotVertex Black(double x, double y)
{
    return {static_cast<float>(x), static_cast<float>(y), 0.0f, Material::Black};
}

// The label text as "%1.Nf" writes it; empty when it would not fit the
// 31 characters of a label, which is then left out.
std::string LabelText(double value, int decimals)
{
    char buffer[kMaxLabelChars];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return {};
    return std::string(buffer, result.ptr);
}

// The width in the low 16 bits, as a signed number.
double Width(const TextWidth& textWidth, const std::string& text)
{
    return static_cast<std::int16_t>(textWidth(text) & 0xffff);
}

} // namespace

int LabelDecimals(double step) noexcept
{
    if (step >= 0.99)
        return 0;
    if (step >= 0.099)
        return 1;
    if (step >= 0.0099)
        return 2;
    return 3;
}

PlotFrame BuildPlotFrame(const DepthAgeTable& table, const std::string& method, const PlotScales& scales,
                         const TextWidth& textWidth)
{
    PlotFrame frame;
    if (!table.m_bTableLoaded)
        return frame;
    frame.tableShown = true;
    const std::uint32_t n = table.m_nPoints;
    const Axis age = AgeAxis(scales);
    const Axis depth = DepthAxis(scales);

    frame.lines.push_back({PlotPrimitive::Kind::Lines, {Black(0, 0), Black(0, 1), Black(0, 0), Black(1, 0)}});
    if (age.ticksShown) {
        for (std::int64_t i = age.first; i <= age.last; ++i) {
            const double x = age.Tick(i);
            frame.lines.push_back({PlotPrimitive::Kind::LineLoop, {Black(x, 0), Black(x, -0.03)}});
        }
    }
    if (depth.ticksShown) {
        for (std::int64_t i = depth.first; i <= depth.last; ++i) {
            const double y = depth.Tick(i);
            frame.lines.push_back({PlotPrimitive::Kind::LineLoop, {Black(0, y), Black(-0.03, y)}});
        }
    }

    if (method == "linear") {
        PlotPrimitive strip{PlotPrimitive::Kind::LineStrip, {}};
        for (std::uint32_t j = 0; j < n; ++j)
            strip.vertices.push_back(Black(age.Value(table.m_ages[j]), depth.Value(table.m_depths[j])));
        frame.lines.push_back(std::move(strip));
    }
    if (method == "cubic spline") {
        const double step = (table.m_ages[n - 1] - table.m_ages[0]) / 200;
        std::vector<double> samples;
        samples.reserve(kCurveSamples);
        for (std::uint32_t j = 0; j < kCurveSamples; ++j)
            samples.push_back(j * step + table.m_ages[0]);
        std::vector<double> output(kCurveSamples, 0.0);
        SampleSplineCurve(n, table.m_ages, table.m_depths, samples, output);
        // A vertex whose next sample lies shallower marks where the curve turns back.
        PlotPrimitive strip{PlotPrimitive::Kind::LineStrip, {}};
        for (std::uint32_t i = 0; i + 1 < kCurveSamples; ++i) {
            PlotVertex vertex = Black(age.Value(samples[i]), depth.Value(output[i]));
            if (output[i] - output[i + 1] > 0)
                vertex.material = Material::Red;
            strip.vertices.push_back(vertex);
        }
        strip.vertices.push_back(Black(age.Value(samples[200]), depth.Value(output[200])));
        frame.lines.push_back(std::move(strip));
    }

    auto addLabel = [&](std::string text, auto position) {
        if (text.empty())
            return;
        const double w = Width(textWidth, text);
        const auto [x, y] = position(w);
        frame.labels.push_back({std::move(text), static_cast<float>(x), static_cast<float>(y), 0.0f});
    };
    if (age.ticksShown) {
        const int decimals = LabelDecimals(age.step);
        for (std::int64_t i = age.first; i <= age.last; i += 2) {
            addLabel(LabelText(static_cast<double>(i) * age.step, decimals), [&](double w) {
                return std::pair<double, double>(age.Tick(i) - 0.0017 * w, -0.04f);
            });
        }
    }
    if (depth.ticksShown) {
        const int decimals = LabelDecimals(depth.step);
        for (std::int64_t i = depth.first; i <= depth.last; i += 2) {
            addLabel(LabelText(static_cast<double>(i) * depth.step, decimals), [&](double w) {
                return std::pair<double, double>(-((0.0017 * w) * 2 + 0.05), depth.Tick(i) + 0.017);
            });
        }
    }
    addLabel("Age", [](double w) { return std::pair<double, double>(1.11 - (0.0017 * w) * 2, -0.11f); });
    addLabel("Depth", [](double w) { return std::pair<double, double>(-((0.0017 * w) * 2 + 0.05), 1.1f); });

    constexpr float half = 0.015f;
    constexpr float behind = -0.01f;
    for (std::uint32_t j = 0; j < n; ++j) {
        const auto x = static_cast<float>(age.Value(table.m_ages[j]));
        const auto y = static_cast<float>(depth.Value(table.m_depths[j]));
        frame.markers.push_back({PlotPrimitive::Kind::Quads,
                                 {{x + half, y, behind, Material::Orange},
                                  {x, y + half, behind, Material::Orange},
                                  {x - half, y, behind, Material::Orange},
                                  {x, y - half, behind, Material::Orange}}});
    }
    return frame;
}

} // namespace lomarek
