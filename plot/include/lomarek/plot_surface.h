#pragma once

#include <QFont>
#include <QImage>
#include <QOpenGLWidget>

#include <functional>
#include <map>
#include <vector>

#include "lomarek/plot_frame.h"
#include "lomarek/plot_renderer.h"

namespace lomarek {

// The 350 x 350 OpenGL surface of the plot. It keeps what it last drew
// (partial updates), so a frame drawn outside a paint event stays on screen.
// It only draws: the frame comes from the source it is given.
class PlotSurface final : public QOpenGLWidget, public TextLists {
    Q_OBJECT

public:
    static constexpr int kSize = 350;

    explicit PlotSurface(QWidget* parent = nullptr);
    ~PlotSurface() override;

    void SetFrameSource(std::function<PlotFrame()> source);
    // The font of the labels; widths are measured and glyphs drawn with it.
    void SetLabelFont(const QFont& font);
    // Width of a text in the label font, in pixels.
    int TextWidth(std::string_view text) const;

    // Draws the current frame now and shows it.
    void DrawNow();
    // Releases the context's resources while the window still exists.
    void ReleaseGL();

    void BuildTextLists(const char* text) override;

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    struct Glyph {
        int width = 0;
        int height = 0;
        int left = 0;     // pixels from the pen position to the bitmap's left edge
        int descent = 0;  // rows below the baseline
        int advance = 0;
        std::vector<unsigned char> bits; // rows bottom up, 4-byte aligned, never empty
    };

    const Glyph& GlyphOf(unsigned char c);
    void Render();

    std::function<PlotFrame()> m_source;
    QFont m_labelFont;
    std::map<unsigned char, Glyph> m_glyphs;
    bool m_initialized = false;
};

} // namespace lomarek
