#include "lomarek/plot_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSurfaceFormat>

#include "gl_headers.h"

namespace lomarek {

PlotSurface::PlotSurface(QWidget* parent) : QOpenGLWidget(parent)
{
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    // No alpha: the cleared surface is opaque white, not a transparent hole.
    format.setAlphaBufferSize(0);
    setFormat(format);
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
    setFixedSize(kSize, kSize);
}

PlotSurface::~PlotSurface()
{
    ReleaseGL();
}

void PlotSurface::SetFrameSource(std::function<PlotFrame()> source)
{
    m_source = std::move(source);
}

void PlotSurface::SetLabelFont(const QFont& font)
{
    m_labelFont = font;
    m_glyphs.clear();
}

int PlotSurface::TextWidth(std::string_view text) const
{
    return QFontMetrics(m_labelFont).horizontalAdvance(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void PlotSurface::initializeGL()
{
    InitOpenGL(kSize, kSize);
    m_initialized = true;
}

void PlotSurface::paintGL()
{
    Render();
}

void PlotSurface::Render()
{
    // The frame is drawn at the surface's own pixel size; the fixed state
    // names 350 x 350, which is what the surface is on a display of scale 1.
    const qreal ratio = devicePixelRatioF();
    glViewport(0, 0, static_cast<GLsizei>(kSize * ratio), static_cast<GLsizei>(kSize * ratio));
    DrawPlot(m_source ? m_source() : PlotFrame{}, *this);
}

void PlotSurface::DrawNow()
{
    if (!m_initialized || !isValid())
        return;
    makeCurrent();
    Render();
    doneCurrent();
    update();
}

void PlotSurface::ReleaseGL()
{
    if (!m_initialized || !isValid())
        return;
    makeCurrent();
    if (m_nListCount != 0)
        glDeleteLists(m_nListBase, static_cast<GLsizei>(m_nListCount));
    m_nListBase = m_nListEnd = m_nListCount = 0;
    doneCurrent();
    m_initialized = false;
}

// Glyphs are drawn by Qt in the label font, without smoothing, and kept as
// the one-bit bitmaps that glBitmap takes.
const PlotSurface::Glyph& PlotSurface::GlyphOf(unsigned char c)
{
    const auto found = m_glyphs.find(c);
    if (found != m_glyphs.end())
        return found->second;

    const QFontMetrics metrics(m_labelFont);
    const QChar character = QChar::fromLatin1(static_cast<char>(c));
    Glyph glyph;
    glyph.advance = metrics.horizontalAdvance(character);
    const QRect box = metrics.boundingRect(character);
    glyph.descent = metrics.descent();
    glyph.left = std::min(0, box.left());
    glyph.width = std::max(glyph.advance, box.right() + 1) - glyph.left;
    glyph.height = metrics.ascent() + metrics.descent();
    const int rowBytes = ((glyph.width + 7) / 8 + 3) / 4 * 4;
    glyph.bits.assign(static_cast<std::size_t>(std::max(1, rowBytes * glyph.height)), 0);
    if (glyph.width > 0 && glyph.height > 0) {
        QImage image(glyph.width, glyph.height, QImage::Format_Grayscale8);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setFont(m_labelFont);
            painter.setPen(Qt::black);
            painter.drawText(-glyph.left, metrics.ascent(), QString(character));
        }
        for (int row = 0; row < glyph.height; ++row) {
            const uchar* line = image.constScanLine(glyph.height - 1 - row);
            for (int column = 0; column < glyph.width; ++column) {
                if (line[column] < 128)
                    glyph.bits[static_cast<std::size_t>(row * rowBytes + column / 8)] |=
                        static_cast<unsigned char>(0x80 >> (column % 8));
            }
        }
    }
    return m_glyphs.emplace(c, std::move(glyph)).first->second;
}

void PlotSurface::BuildTextLists(const char* text)
{
    const auto length = static_cast<GLsizei>(std::strlen(text));
    const GLuint base = glGenLists(length);
    if (base == 0)
        return;
    m_nListBase = base;
    m_nListCount = static_cast<std::uint32_t>(length);
    m_nListEnd = base + static_cast<GLuint>(length);
    for (GLsizei k = 0; k < length; ++k) {
        const Glyph& glyph = GlyphOf(static_cast<unsigned char>(text[k]));
        glNewList(base + static_cast<GLuint>(k), GL_COMPILE);
        glBitmap(glyph.width, glyph.height, static_cast<GLfloat>(-glyph.left), static_cast<GLfloat>(glyph.descent),
                 static_cast<GLfloat>(glyph.advance), 0, glyph.bits.data());
        glEndList();
    }
}

} // namespace lomarek
