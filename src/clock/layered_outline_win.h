#pragma once

// A round or rounded clock's edge, smooth. A face is drawn for a window cut to its shape: its edge
// pixels are blended with the black outside it, so cut on the pixels it shows a near-black rim.
// The pixels the outline only partly covers take their colour from just inside instead. Cut by
// its region (Mended), they are drawn so at once after each frame. Blended into the desktop
// (Layered), the clock window is cut to the pixels its outline wholly covers and keeps drawing as
// cheaply as ever; the edge is a thin layered window owned by it, always just above it, whose
// pixels carry their coverage as alpha and pass every click. It is made again only with the shape,
// the size, the face or the opacity, and refreshed only by a frame that drew near the edge, so a
// smooth clock's frames cost what they always did.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/gdi_surface_win.h"
#include "base/geometry.h"
#include "base/scoped_handles_win.h"
#include "frame/placement.h"

namespace marvix {

class LayeredOutline {
public:
    LayeredOutline() = default;
    ~LayeredOutline();
    LayeredOutline(const LayeredOutline&) = delete;
    LayeredOutline& operator=(const LayeredOutline&) = delete;

    // The clock window and what it shows, once it has a window.
    void Attach(HWND window, const GdiSurface& display);
    // The outline's coverage (0 to 255 a device pixel, rows top first) at the window's size, and
    // how it reaches the screen: Cut ends both ways. Each partly covered pixel takes the colour
    // `rim` pixels further in, towards `inside` (the shape without its rounded corners).
    void Use(const std::vector<uint8_t>& coverage, Size size, OutlineKind kind, Rect inside = {},
             int rim = 0);
    // Layered: the clock window's region, the pixels the outline wholly covers (the caller owns
    // it); else nullptr.
    HRGN InnerRegion() const;
    // The overlay's opacity, 0 to 255, for the edge as for the clock.
    void SetOpacity(uint8_t alpha);
    // After `area` (device pixels) of the display picture was drawn on the clock window's `dc`:
    // the edge pixels in it drawn again from just inside, or the edge window given them anew.
    void AfterDraw(HDC dc, Rect area);
    // The clock window moved, showed or hid: the edge window follows it.
    void Follow();

private:
    void ShowEdge();

    HWND window_ = nullptr;
    const GdiSurface* display_ = nullptr;
    OutlineKind kind_ = OutlineKind::Cut;
    Size size_;
    struct EdgePixel {
        int x, y;
        int fromX, fromY;  // the pixel whose colour it shows
        uint8_t cover;
    };
    std::vector<EdgePixel> edge_;
    std::vector<Rect> inner_;  // the wholly covered pixels, a run a row
    uint8_t alpha_ = 255;
    HWND edgeWindow_ = nullptr;  // owned by the clock window, which destroys it with itself
    ScopedWindowClass edgeClass_;
    ScopedMemoryDc dc_;
    ScopedBitmap layer_;
    HGDIOBJ original_ = nullptr;  // the DC's own bitmap, selected back before the layer goes
    uint32_t* bits_ = nullptr;
    Size layerSize_;
    bool layerCleared_ = false;  // every pixel but the edge's is clear
};

// Whether the system composes windows (Desktop Window Manager): always from Windows 8 on; under
// Wine, which says it is Windows 7, never.
bool SystemComposesWindows();

}  // namespace marvix
