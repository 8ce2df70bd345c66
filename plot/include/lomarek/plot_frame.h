#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "lomarek/axis_scaling.h"
#include "lomarek/depth_age_table.h"

namespace lomarek {

// What one frame of the depth-age plot draws, in the plot's coordinates
// (x from -0.2 to 1.2 left to right, y from -0.2 to 1.2 top to bottom), in
// drawing order. The OpenGL renderer only emits it.
enum class Material { Black, Red, Orange };

struct PlotVertex {
    float x;
    float y;
    float z;
    Material material; // set before the vertex; black is set again after it
};

struct PlotPrimitive {
    enum class Kind { Lines, LineLoop, LineStrip, Quads };
    Kind kind;
    std::vector<PlotVertex> vertices;
};

struct PlotLabel {
    std::string text; // at most kMaxLabelChars characters
    float x;          // raster position of the text's start on its baseline
    float y;
    float z;
};

struct PlotFrame {
    bool tableShown = false;             // false: plain white, nothing else
    std::vector<PlotPrimitive> lines;    // axes, ticks and the curve, black unless marked
    std::vector<PlotLabel> labels;       // age labels, depth labels, "Age", "Depth"
    std::vector<PlotPrimitive> markers;  // orange diamonds behind the lines
};

inline constexpr std::size_t kMaxLabelChars = 31;
// Beyond this many tick intervals an axis gets neither ticks nor labels:
// they would stand closer than a pixel and only make the frame slow.
inline constexpr std::int64_t kMaxTickSpan = 1000;

// Width in pixels of a text in the label font.
using TextWidth = std::function<int(std::string_view)>;

// The label format for a tick step: "%1.0f" down to "%1.3f", as digits.
int LabelDecimals(double step) noexcept;

PlotFrame BuildPlotFrame(const DepthAgeTable& table, const std::string& method, const PlotScales& scales,
                         const TextWidth& textWidth);

} // namespace lomarek
