#pragma once

// The drawing surface on GDI: a memory DC holding a 32-bit top-down DIB section, so every colour
// is drawn exactly and the pixels can be read directly. Pens and the last font are cached in the
// surface, so a steady tick creates no GDI objects at all.

#include <windows.h>

#include <array>

#include "base/bitmap_file.h"
#include "base/scoped_handles_win.h"
#include "base/surface.h"

namespace marvix {

class GdiSurface final : public Surface {
public:
    explicit GdiSurface(Size size = {1, 1});
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC Dc() const { return dc_; }
    // Pixel (x, y) as 0x00RRGGBB.
    uint32_t PixelAt(int x, int y) const;
    // The pixels as they are now (GDI's queued drawing flushed first).
    PixelView Pixels() const;
    Picture ToPicture() const;
    void LoadPicture(const Picture& picture);

    // A colour as GDI draws it: system colours resolved now.
    static COLORREF ToColorRef(Colour colour);

    Size GetSize() const override { return size_; }
    Colour Resolve(Colour colour) const override { return Colour{ToColorRef(colour)}; }
    void Resize(Size size) override;
    void MoveTo(Point point) override;
    void LineTo(Point point, const Pen& pen) override;
    void Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) override;
    void Ellipse(Rect bounds, const Pen& pen, const Brush& brush) override;
    void Arc(Rect bounds, Point start, Point end, const Pen& pen) override;
    void FillRect(Rect area, Colour colour) override;
    void FloodFill(Point seed, Colour border, Colour fill) override;
    Size TextExtent(std::string_view text, const Font& font) override;
    void WriteText(Point origin, std::string_view text, const Font& font,
                 const Brush& background) override;
    void CopyFrom(const Surface& source, Rect from, Point to) override;
    void StretchFrom(const Surface& source, Point sourceOrigin, Size sourceSize, Rect to) override;

private:
    void Allocate(Size capacity);
    void SelectPen(const Pen& pen);
    void SelectBrush(const Brush& brush);
    void SelectFont(const Font& font);
    static HDC SourceDc(const Surface& source);

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    uint32_t* bits_ = nullptr;
    Size capacity_;
    Size size_;

    struct CachedPen {
        Pen pen;
        HPEN handle = nullptr;
    };
    std::array<CachedPen, 12> pens_{};
    size_t nextPenSlot_ = 0;

    Font font_;
    HFONT fontHandle_ = nullptr;
};

}  // namespace marvix
