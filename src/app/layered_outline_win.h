#pragma once

// The clock as a layered window whose round or rounded outline is blended into the desktop:
// every pixel of the display picture goes to the screen with the outline's coverage as its alpha
// (premultiplied, as UpdateLayeredWindow takes it), and the whole window at the overlay's opacity.
// Where the system composes windows, the edge shows smooth over whatever lies behind; where it
// does not, the clock is cut by its region instead (ClockPlacement decides).

#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/gdi_surface_win.h"
#include "base/geometry.h"
#include "base/scoped_handles_win.h"

namespace marvix {

class LayeredOutline {
public:
    LayeredOutline() = default;
    ~LayeredOutline();
    LayeredOutline(const LayeredOutline&) = delete;
    LayeredOutline& operator=(const LayeredOutline&) = delete;

    // What the window shows, once it has a window.
    void Attach(HWND window, const GdiSurface& display);
    // Whether the clock reaches the screen this way.
    bool Active() const { return layered_ && !coverage_.empty(); }
    // The outline's coverage (0 to 255 a device pixel, rows top first) at the window's size:
    // `layered`, the whole picture shown through it at once; else only its edge is mended, in a
    // window cut by its region. An empty one ends both. A face is drawn for a window cut to its
    // shape, its edge pixels blended with the black outside it: each pixel the outline only partly
    // covers takes the colour `rim` pixels further in, towards `inside` (the shape without its
    // rounded corners), so that no near-black rim shows.
    void Use(std::vector<uint8_t> coverage, Size size, bool layered, Rect inside = {}, int rim = 0);
    // Cut by its region: the edge pixels within `area` (device pixels), just drawn on `dc` from
    // the display picture, drawn again from just inside.
    void MendEdge(HDC dc, Rect area) const;
    // The overlay's opacity, 0 to 255, for the whole window, shown at once (the window has just
    // been made layered anew).
    void SetOpacity(uint8_t alpha);
    // The display picture's `area` (device pixels) onto the screen, through the outline.
    void Show(Rect area);

private:
    bool MakeLayer(Size size);
    void ReleaseLayer();

    HWND window_ = nullptr;
    const GdiSurface* display_ = nullptr;
    std::vector<uint8_t> coverage_;
    struct EdgePixel {
        size_t at;
        size_t from;  // the pixel whose colour it shows
    };
    std::vector<EdgePixel> edge_;
    Size size_;
    uint8_t alpha_ = 255;
    bool layered_ = false;
    ScopedMemoryDc dc_;
    ScopedBitmap layer_;
    HGDIOBJ original_ = nullptr;  // the DC's own bitmap, selected back before the layer goes
    uint32_t* bits_ = nullptr;
};

// Whether the system composes windows (Desktop Window Manager): always from Windows 8 on; under
// Wine, which says it is Windows 7, never.
bool SystemComposesWindows();

}  // namespace marvix
