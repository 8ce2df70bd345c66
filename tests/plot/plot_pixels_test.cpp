// Real frames on the OpenGL surface, read back pixel by pixel.
#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

#include "lomarek/plot_surface.h"

namespace lomarek {
namespace {

class PlotPixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(400, 400);
        surface = new PlotSurface(host.get());
        surface->move(10, 10);
        QFont font(QStringLiteral("ＭＳ ゴシック"));
        font.setPixelSize(12);
        font.setStyleStrategy(QFont::NoAntialias);
        surface->SetLabelFont(font);
        surface->SetFrameSource([this] {
            return BuildPlotFrame(table, method, scales, [this](std::string_view text) { return surface->TextWidth(text); });
        });
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }

    QImage Draw(std::vector<double> depths, std::vector<double> ages, std::string methodText)
    {
        table.m_depths = std::move(depths);
        table.m_ages = std::move(ages);
        table.m_nPoints = static_cast<std::uint32_t>(table.m_depths.size());
        table.m_bTableLoaded = table.m_nPoints >= 2;
        if (table.m_bTableLoaded)
            UpdatePlotScales(table, scales);
        method = std::move(methodText);
        return surface->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    }

    static bool IsOrange(QRgb c) { return qRed(c) > 240 && qGreen(c) > 110 && qGreen(c) < 145 && qBlue(c) < 20; }
    static bool IsBlack(QRgb c) { return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60; }
    static bool IsRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 60 && qBlue(c) < 60; }

    static int CountIn(const QImage& image, QRect area, bool (*test)(QRgb))
    {
        int count = 0;
        area &= image.rect();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += test(image.pixel(x, y));
        return count;
    }

    std::unique_ptr<QWidget> host;
    PlotSurface* surface = nullptr;
    DepthAgeTable table;
    PlotScales scales;
    std::string method;
};

TEST_F(PlotPixels, PlainWhiteWithoutATable)
{
    const QImage image = Draw({}, {}, "linear");
    ASSERT_EQ(image.size(), QSize(350, 350));
    EXPECT_EQ(CountIn(image, image.rect(), [](QRgb c) { return c != qRgb(255, 255, 255); }), 0);
}

TEST_F(PlotPixels, LinearExample)
{
    const QImage image = Draw({0, 50, 100}, {0, 10, 20}, "linear");
    // Orange diamonds around (150, 154) and (250, 258), the polyline through them.
    for (const QPoint centre : {QPoint(150, 154), QPoint(250, 258)}) {
        EXPECT_TRUE(IsOrange(image.pixel(centre + QPoint(-2, 0)))) << centre.x();
        EXPECT_TRUE(IsOrange(image.pixel(centre + QPoint(2, 0)))) << centre.x();
        EXPECT_TRUE(IsOrange(image.pixel(centre + QPoint(0, -2)))) << centre.x();
        EXPECT_FALSE(IsOrange(image.pixel(centre + QPoint(0, -6)))) << centre.x();
    }
    EXPECT_GT(CountIn(image, QRect(46, 46, 9, 9), IsOrange), 4);
    EXPECT_GT(CountIn(image, QRect(199, 203, 3, 6), IsBlack), 0);  // between the second and third point
    EXPECT_GT(CountIn(image, QRect(49, 100, 3, 300), IsBlack), 200); // the depth axis
    EXPECT_GT(CountIn(image, QRect(60, 49, 240, 3), IsBlack), 200);  // the age axis
    EXPECT_GT(CountIn(image, QRect(48, 40, 3, 10), IsBlack), 5);     // the first age tick
    EXPECT_GT(CountIn(image, QRect(135, 26, 30, 14), IsBlack), 5);   // the label 10
    EXPECT_GT(CountIn(image, QRect(0, 300, 45, 60), IsBlack), 5);    // the label 120 and the title
    EXPECT_EQ(CountIn(image, QRect(300, 100, 40, 200), IsBlack), 0); // nothing right of the curve
}

TEST_F(PlotPixels, SplineThatTurnsBackIsRedWhereItRises)
{
    const QImage smooth = Draw({0, 50, 100}, {0, 10, 20}, "cubic spline");
    EXPECT_EQ(CountIn(smooth, smooth.rect(), IsRed), 0);
    EXPECT_GT(CountIn(smooth, QRect(199, 200, 3, 12), IsBlack), 0);

    const QImage turning = Draw({0, 10, 5, 20}, {0, 10, 20, 30}, "cubic spline");
    EXPECT_GT(CountIn(turning, turning.rect(), IsRed), 10);
}

TEST_F(PlotPixels, NoCurveForAnEmptyMethodButMarkersRemain)
{
    const QImage image = Draw({0, 50, 100}, {0, 10, 20}, "");
    EXPECT_TRUE(IsOrange(image.pixel(150, 154)));
    EXPECT_TRUE(IsOrange(image.pixel(250, 258)));
    EXPECT_EQ(CountIn(image, QRect(195, 195, 10, 20), IsBlack), 0);
}

TEST_F(PlotPixels, HugeAndDegenerateTablesDraw)
{
    for (const auto& [depths, ages] : std::vector<std::pair<std::vector<double>, std::vector<double>>>{
             {{0, 5e9}, {0, 20}}, {{10, 10}, {0, 20}}, {{0, 1, 2}, {0, 0, 20}}, {{0, 1}, {1e300, 1e300}}}) {
        const QImage image = Draw(depths, ages, "cubic spline");
        EXPECT_EQ(image.size(), QSize(350, 350));
        EXPECT_GT(CountIn(image, QRect(49, 100, 3, 200), IsBlack), 150); // the axis at least
    }
}

} // namespace
} // namespace lomarek
