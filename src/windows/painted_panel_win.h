#pragma once

// A panel a window paints itself (an owner-drawn button): the control menu's buttons and the
// settings windows' colour panels. Its colour, a raised bevel that sinks while it is pressed, its
// caption centred, and the keyboard focus as a solid frame in the caption's colour: a dotted one
// all but vanished on the menu's light panels.

#include <windows.h>

namespace marvix {

struct PanelPaint {
    COLORREF face;
    COLORREF text;
    int bevel;   // in pixels; 0 for none
    HFONT font;  // nullptr: the control's own
};

void PaintPanel(const DRAWITEMSTRUCT& item, const char* caption, const PanelPaint& paint);

}  // namespace marvix
