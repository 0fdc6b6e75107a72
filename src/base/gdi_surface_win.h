#pragma once

// The drawing surface on GDI: a memory DC holding a 32-bit top-down DIB section, so every colour
// is drawn exactly and the pixels can be read directly. A smooth pen's shapes are drawn straight
// into those pixels, anti-aliased (see SmoothPainter); every other call goes to GDI. Pens and the last font are cached in the
// surface, so a steady tick creates no GDI objects at all.
//
// Its coordinates are face pixels; at a scale other than 1 (the clock's size) the bitmap holds that
// many pixels for each, and every call is drawn at the scale: points, rectangles and pen widths
// mapped, fonts made at the scaled height, pictures resampled.
//
// When GDI cannot make the DC or a bitmap (it is out of resources), the failure is reported once
// and the surface goes on with what it has: its size never exceeds the bitmap it holds, and with
// no bitmap at all it is 0 x 0 and draws nothing.

#include <windows.h>

#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>

#include "base/bitmap_file.h"
#include "base/scoped_handles_win.h"
#include "base/smooth_shapes.h"
#include "base/surface.h"

namespace marvix {

// A 32-bit top-down DIB section `size` large for `dc`, and its pixels in `bits`; null when GDI
// cannot make one.
ScopedBitmap TopDownDib(HDC dc, Size size, uint32_t*& bits);

// A picture's version. Each change takes a number no picture of the program has had, so that a
// frame remembered as copied from one picture is never taken for a copy of another (clocks swap
// the face picture they hold).
class PictureVersion {
public:
    PictureVersion() : value_(Next()) {}
    PictureVersion& operator++() {
        value_ = Next();
        return *this;
    }
    operator uint32_t() const { return value_; }

private:
    static uint32_t Next() { return next_.fetch_add(1, std::memory_order_relaxed) + 1; }
    static inline std::atomic<uint32_t> next_{0};
    uint32_t value_;
};

class GdiSurface final : public Surface {
public:
    // What a font that names no face draws with.
    static constexpr char kDefaultFace[] = "MS Sans Serif";

    explicit GdiSurface(Size size = {1, 1});
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    // For reading the pixels (a copy to the window); drawing straight on the DC goes through
    // DrawingDc, so that the version changes.
    HDC Dc() const { return dc_.Get(); }
    HDC DrawingDc() {
        ++version_;
        return dc_.Get();
    }
    // The device pixels for each face pixel; the picture is resized to it.
    void SetScale(double scale);
    double Scale() const { return scale_; }
    // The bitmap's pixels in use, and a rectangle of face pixels in them (grown by a pixel at a
    // scale, so that it holds whatever the rectangle's drawing touched).
    Size DeviceSize() const { return size_; }
    Rect DeviceRect(Rect area) const;
    // Pixel (x, y) of the face's as 0x00RRGGBB; 0 outside the surface.
    uint32_t PixelAt(int x, int y) const;
    // The pixels as they are now (GDI's queued drawing flushed first), at the scale.
    PixelView Pixels() const;
    Picture ToPicture() const;
    // A picture of face pixels, resampled to the scale; or a larger copy of a face of
    // `faceSize`, resampled from its own pixels.
    void LoadPicture(const Picture& picture);
    void LoadPicture(const Picture& picture, Size faceSize);

    // A colour as GDI draws it: system colours resolved now.
    static COLORREF ToColorRef(Colour colour);

    Size GetSize() const override { return logical_; }
    uint32_t Version() const override { return version_; }
    Colour Resolve(Colour colour) const override { return Colour{ToColorRef(colour)}; }
    void Resize(Size size) override;
    void ClipTo(std::optional<Rect> area) override;
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
    bool Allocate(Size capacity);
    void SelectPen(const Pen& pen);
    void SelectBrush(const Brush& brush);
    void SelectFont(const Font& font);
    static HDC SourceDc(const Surface& source);
    // The pixels in use, GDI's queued drawing flushed, for the smooth painter to draw into.
    PixelTarget SmoothTarget();
    static SmoothPainter& Painter();
    static Pen Resolved(const Pen& pen);
    static Brush Resolved(const Brush& brush);
    // Face pixels to the bitmap's.
    int D(int v) const { return scale_ == 1.0 ? v : int(std::lround(v * scale_)); }
    Point D(Point p) const { return {D(p.x), D(p.y)}; }
    Rect D(Rect r) const { return {D(r.left), D(r.top), D(r.right), D(r.bottom)}; }
    Pen DevicePen(const Pen& pen) const;
    // GDI's clip: the part in use, and within it clip_.
    void ApplyClip();
    // The part in use made `device` pixels, on a larger bitmap when it needs one.
    void UseDevicePixels(Size device);

    // Declared first, so it is deleted last: every object below is deselected (in the destructor)
    // and deleted before the DC goes.
    ScopedMemoryDc dc_;
    // What the DC held when it was made, put back before our objects are deleted.
    HGDIOBJ originalBitmap_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;

    ScopedBitmap bitmap_;
    uint32_t* bits_ = nullptr;  // the bitmap's pixels, capacity_ wide
    Size capacity_;
    Size size_;     // the part in use, never beyond capacity_
    Size logical_;  // the same in face pixels
    double scale_ = 1.0;
    std::optional<Rect> clip_;  // in device pixels (see ClipTo)
    Point penAt_;               // in face pixels, for a smooth line
    PictureVersion version_;

    struct CachedPen {
        Pen pen;
        ScopedPen handle;
    };
    std::array<CachedPen, 12> pens_{};
    size_t nextPenSlot_ = 0;

    Font font_;
    ScopedFont fontHandle_;
    // The last text measured in font_, and its extent.
    std::string measuredText_;
    Size measured_;
};

}  // namespace marvix
