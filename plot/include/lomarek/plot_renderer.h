#pragma once

#include <cstdint>

#include "lomarek/plot_frame.h"

namespace lomarek {

// Makes the display lists of one label, one list per character, and records
// them in the three members; leaves them as they are when no list names are left.
class TextLists {
public:
    virtual ~TextLists() = default;
    virtual void BuildTextLists(const char* text) = 0;

    std::uint32_t m_nListBase = 0;
    std::uint32_t m_nListEnd = 0;
    std::uint32_t m_nListCount = 0;
};

// The fixed state every frame relies on, for a viewport of width x height
// pixels; ends with the surface cleared to white. Needs a current context.
void InitOpenGL(int width, int height);

// Emits one frame, without the buffer swap. Needs a current context on
// which InitOpenGL has run.
void DrawPlot(const PlotFrame& frame, TextLists& text);

} // namespace lomarek
