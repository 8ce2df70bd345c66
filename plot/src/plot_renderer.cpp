#include "lomarek/plot_renderer.h"

#include <algorithm>
#include <cstring>

#include "gl_headers.h"

namespace lomarek {
namespace {

// With black diffuse and specular parts, no global ambient light and a white
// ambient light, a lit vertex takes exactly the material's ambient colour.
void SetMaterial(Material material)
{
    static const GLfloat black[] = {0, 0, 0, 1};
    static const GLfloat red[] = {1, 0, 0, 1};
    static const GLfloat orange[] = {1, 0.5f, 0, 1};
    const GLfloat* ambient = material == Material::Red ? red : (material == Material::Orange ? orange : black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
}

GLenum ModeOf(PlotPrimitive::Kind kind)
{
    switch (kind) {
    case PlotPrimitive::Kind::Lines:
        return GL_LINES;
    case PlotPrimitive::Kind::LineLoop:
        return GL_LINE_LOOP;
    case PlotPrimitive::Kind::LineStrip:
        return GL_LINE_STRIP;
    case PlotPrimitive::Kind::Quads:
        return GL_QUADS;
    }
    return GL_LINES;
}

void Emit(const PlotPrimitive& primitive)
{
    glBegin(ModeOf(primitive.kind));
    for (const PlotVertex& v : primitive.vertices) {
        if (v.material == Material::Red) {
            SetMaterial(Material::Red);
            glVertex3f(v.x, v.y, v.z);
            SetMaterial(Material::Black);
        } else {
            glVertex3f(v.x, v.y, v.z);
        }
    }
    glEnd();
}

} // namespace

void InitOpenGL(int width, int height)
{
    glViewport(0, 0, width, height);
    glRenderMode(GL_RENDER);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const GLfloat position[] = {100, 100, 100, 1};
    const GLfloat white[] = {1, 1, 1, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_AMBIENT, white);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 120);
    glDisable(GL_COLOR_MATERIAL);
    const GLfloat none[] = {0, 0, 0, 0};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);

    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glDisable(GL_TEXTURE_GEN_R);
    glDisable(GL_TEXTURE_GEN_Q);
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
    glDisable(GL_ALPHA_TEST);
    glFrontFace(GL_CCW);
    glDisable(GL_CLIP_PLANE0);
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_NORMALIZE);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glClearDepth(1.0);
    glDisable(GL_FOG);
    glClearColor(1, 1, 1, 0);
    glClearStencil(0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

void DrawPlot(const PlotFrame& frame, TextLists& text)
{
    glClearColor(1, 1, 1, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!frame.tableShown)
        return;

    // Bottom 1.2 and top -0.2 in this order turn the y axis downwards.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.2, 1.2, 1.2, -0.2, 0, 2);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, 1, 0, 0, 0, 0, 1, 0);

    SetMaterial(Material::Black);
    glLineWidth(1.0f);
    for (const PlotPrimitive& primitive : frame.lines)
        Emit(primitive);

    for (const PlotLabel& label : frame.labels) {
        char buffer[kMaxLabelChars + 1] = {};
        std::memcpy(buffer, label.text.data(), std::min(label.text.size(), kMaxLabelChars));
        text.BuildTextLists(buffer);
        glRasterPos3f(label.x, label.y, label.z);
        for (std::uint32_t list = text.m_nListBase; list < text.m_nListEnd; ++list)
            glCallList(list);
        glDeleteLists(text.m_nListBase, static_cast<GLsizei>(text.m_nListCount));
        text.m_nListBase = 0;
        text.m_nListCount = 0;
    }

    SetMaterial(Material::Orange);
    for (const PlotPrimitive& marker : frame.markers)
        Emit(marker);
}

} // namespace lomarek
