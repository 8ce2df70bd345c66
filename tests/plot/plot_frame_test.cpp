#include "lomarek/plot_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "../core/test_support.h"

namespace lomarek {
namespace {

// Six pixels a character, as a fixed-width label font would measure.
int SixPerChar(std::string_view text)
{
    return static_cast<int>(6 * text.size());
}

DepthAgeTable Table(std::vector<double> depths, std::vector<double> ages)
{
    return testing::LoadedTable(std::move(depths), std::move(ages));
}

PlotFrame Frame(const DepthAgeTable& table, const std::string& method)
{
    PlotScales scales;
    UpdatePlotScales(table, scales);
    return BuildPlotFrame(table, method, scales, SixPerChar);
}

std::vector<std::string> Texts(const PlotFrame& frame)
{
    std::vector<std::string> texts;
    for (const PlotLabel& label : frame.labels)
        texts.push_back(label.text);
    return texts;
}

std::size_t Count(const PlotFrame& frame, PlotPrimitive::Kind kind)
{
    std::size_t count = 0;
    for (const PlotPrimitive& primitive : frame.lines)
        count += primitive.kind == kind;
    return count;
}

const PlotPrimitive* Curve(const PlotFrame& frame)
{
    for (const PlotPrimitive& primitive : frame.lines)
        if (primitive.kind == PlotPrimitive::Kind::LineStrip)
            return &primitive;
    return nullptr;
}

TEST(BuildPlotFrame, NoTableDrawsNothing)
{
    DepthAgeTable table = Table({0, 50, 100}, {0, 10, 20});
    PlotScales scales;
    UpdatePlotScales(table, scales);
    table.m_bTableLoaded = false;
    const PlotFrame frame = BuildPlotFrame(table, "linear", scales, SixPerChar);
    EXPECT_FALSE(frame.tableShown);
    EXPECT_TRUE(frame.lines.empty());
    EXPECT_TRUE(frame.labels.empty());
    EXPECT_TRUE(frame.markers.empty());
}

TEST(BuildPlotFrame, LinearExample)
{
    const PlotFrame frame = Frame(Table({0, 50, 100}, {0, 10, 20}), "linear");
    ASSERT_TRUE(frame.tableShown);
    const PlotPrimitive& axes = frame.lines.front();
    EXPECT_EQ(axes.kind, PlotPrimitive::Kind::Lines);
    ASSERT_EQ(axes.vertices.size(), 4u);
    EXPECT_EQ(axes.vertices[1].y, 1.0f);
    EXPECT_EQ(axes.vertices[3].x, 1.0f);
    EXPECT_EQ(Count(frame, PlotPrimitive::Kind::LineLoop), 6u + 7u);
    EXPECT_EQ(frame.lines[1].vertices[1].y, -0.03f);
    EXPECT_EQ(frame.lines[2].vertices[0].x, 0.2f);

    const PlotPrimitive* curve = Curve(frame);
    ASSERT_NE(curve, nullptr);
    ASSERT_EQ(curve->vertices.size(), 3u);
    EXPECT_EQ(curve->vertices[1].x, static_cast<float>((10 / 4.999999523162842 - 0) / 5));
    EXPECT_NEAR(curve->vertices[1].x, 0.4, 1e-6);
    EXPECT_NEAR(curve->vertices[1].y, 0.41666667, 1e-6);
    EXPECT_NEAR(curve->vertices[2].x, 0.8, 1e-6);
    EXPECT_NEAR(curve->vertices[2].y, 0.83333333, 1e-6);

    EXPECT_EQ(Texts(frame), (std::vector<std::string>{"0", "10", "20", "0", "40", "80", "120", "Age", "Depth"}));
    const PlotLabel& ten = frame.labels[1];
    EXPECT_EQ(ten.x, static_cast<float>(0.4 - 0.0017 * 12));
    EXPECT_EQ(ten.y, -0.04f);
    const PlotLabel& forty = frame.labels[4];
    EXPECT_EQ(forty.x, static_cast<float>(-((0.0017 * 12) * 2 + 0.05)));
    EXPECT_EQ(forty.y, static_cast<float>(2.0 / 6 + 0.017));
    EXPECT_EQ(frame.labels[7].x, static_cast<float>(1.11 - (0.0017 * 18) * 2));
    EXPECT_EQ(frame.labels[7].y, -0.11f);
    EXPECT_EQ(frame.labels[8].y, 1.1f);

    ASSERT_EQ(frame.markers.size(), 3u);
    const PlotPrimitive& diamond = frame.markers[2];
    EXPECT_EQ(diamond.kind, PlotPrimitive::Kind::Quads);
    EXPECT_EQ(diamond.vertices[0].x, curve->vertices[2].x + 0.015f);
    EXPECT_EQ(diamond.vertices[1].y, curve->vertices[2].y + 0.015f);
    EXPECT_EQ(diamond.vertices[3].z, -0.01f);
    EXPECT_EQ(diamond.vertices[0].material, Material::Orange);
}

TEST(BuildPlotFrame, SplineCurve)
{
    const PlotFrame smooth = Frame(Table({0, 50, 100}, {0, 10, 20}), "cubic spline");
    const PlotPrimitive* curve = Curve(smooth);
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->vertices.size(), 201u);
    for (const PlotVertex& v : curve->vertices)
        EXPECT_EQ(v.material, Material::Black);
    EXPECT_EQ(smooth.markers.size(), 3u);

    // Depth falls between the second and third tie points: those vertices are red.
    const PlotFrame turning = Frame(Table({0, 10, 5, 20}, {0, 10, 20, 30}), "cubic spline");
    curve = Curve(turning);
    ASSERT_NE(curve, nullptr);
    std::size_t red = 0;
    for (std::size_t j = 0; j < 200; ++j) {
        const bool falls = curve->vertices[j].y - curve->vertices[j + 1].y > 0;
        EXPECT_EQ(curve->vertices[j].material == Material::Red, falls) << j;
        red += falls;
    }
    EXPECT_GT(red, 10u);
    EXPECT_EQ(curve->vertices[200].material, Material::Black);
}

TEST(BuildPlotFrame, OtherMethodTextsDrawNoCurve)
{
    for (const char* method : {"", "Linear", "cubic"}) {
        const PlotFrame frame = Frame(Table({0, 50, 100}, {0, 10, 20}), method);
        EXPECT_EQ(Curve(frame), nullptr) << method;
        EXPECT_EQ(frame.markers.size(), 3u);
        EXPECT_EQ(frame.labels.size(), 9u);
    }
}

TEST(BuildPlotFrame, DecreasingColumnIsMirroredWithoutTicks)
{
    const PlotFrame frame = Frame(Table({100, 50, 0}, {0, 10, 20}), "linear");
    EXPECT_EQ(Count(frame, PlotPrimitive::Kind::LineLoop), 6u); // age ticks only
    EXPECT_EQ(Texts(frame), (std::vector<std::string>{"0", "10", "20", "Age", "Depth"}));
    const PlotPrimitive* curve = Curve(frame);
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->vertices[0].y, 0.0f);
    EXPECT_EQ(curve->vertices[2].y, 1.0f);
}

TEST(BuildPlotFrame, LabelFormats)
{
    EXPECT_EQ(LabelDecimals(0.9999999403953552), 0);
    EXPECT_EQ(LabelDecimals(0.09999999403953552), 1);
    EXPECT_EQ(LabelDecimals(0.009999999776482582), 2);
    EXPECT_EQ(LabelDecimals(0.0004999999655410647), 3);
    EXPECT_EQ(LabelDecimals(std::nan("")), 3);
    const PlotFrame frame = Frame(Table({0, 0.0015}, {0, 1}), "linear");
    std::vector<std::string> depthLabels;
    for (const PlotLabel& label : frame.labels)
        if (label.x < -0.05f && label.text != "Depth")
            depthLabels.push_back(label.text);
    EXPECT_EQ(depthLabels, (std::vector<std::string>{"0.000", "0.000", "0.001", "0.001", "0.002"}));
}

TEST(BuildPlotFrame, OpenCasesStaySound)
{
    // A span of 0: one tick at coordinate 0, every point there too.
    const PlotFrame flat = Frame(Table({10, 10}, {0, 20}), "linear");
    EXPECT_EQ(Curve(flat)->vertices[0].y, 0.0f);
    EXPECT_EQ(Curve(flat)->vertices[1].y, 0.0f);
    EXPECT_EQ(Count(flat, PlotPrimitive::Kind::LineLoop), 6u + 1u);

    // Millions of ticks: none drawn, the curve and markers still are.
    const PlotFrame wide = Frame(Table({0, 5e9}, {0, 20}), "cubic spline");
    EXPECT_EQ(Count(wide, PlotPrimitive::Kind::LineLoop), 6u);
    EXPECT_EQ(Curve(wide)->vertices.size(), 201u);
    EXPECT_EQ(wide.markers.size(), 2u);

    // Labels of 1e31 and more do not fit 31 characters and are left out.
    const PlotFrame huge = Frame(Table({0, 1}, {1e31, 5e31}), "linear");
    for (const PlotLabel& label : huge.labels)
        EXPECT_LE(label.text.size(), kMaxLabelChars);
    EXPECT_EQ(Texts(huge).front(), "0.0");

    // Tick indices beyond 32 bits: no ticks on that axis.
    const PlotFrame far = Frame(Table({1e12, 1e12 + 1}, {0, 20}), "linear");
    EXPECT_EQ(Count(far, PlotPrimitive::Kind::LineLoop), 6u);

    // Equal neighbouring ages: NaN or infinite depths pass through.
    const PlotFrame repeated = Frame(Table({0, 1, 2}, {0, 0, 20}), "cubic spline");
    bool notFinite = false;
    for (const PlotVertex& v : Curve(repeated)->vertices)
        notFinite = notFinite || !std::isfinite(v.y);
    EXPECT_TRUE(notFinite);
}

} // namespace
} // namespace lomarek
