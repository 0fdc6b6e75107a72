#include "base/gdi_surface_win.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "base/message_seam_win.h"
#include "base/resample.h"

namespace marvix {

namespace {

// Fonts that differ in colour alone are drawn with the same GDI font.
bool SameTypeface(const Font& a, const Font& b) {
    return a.face == b.face && a.pointSize == b.pointSize && a.style == b.style;
}

// At 96 pixels per inch, times the scale: the height the clock has always drawn at 96, and at
// another screen resolution whatever scale follows it.
int PixelHeightForPoints(int points, double scale) {
    return -int(std::lround(points * 96.0 / 72.0 * scale));
}

}  // namespace

GdiSurface::GdiSurface(Size size) : dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_.Get()) {
        ReportFailureOnce("Cannot create a drawing surface: Windows is out of GDI resources.");
        return;
    }
    originalPen_ = SelectObject(dc_.Get(), GetStockObject(DC_PEN));
    originalBrush_ = SelectObject(dc_.Get(), GetStockObject(DC_BRUSH));
    originalFont_ = GetCurrentObject(dc_.Get(), OBJ_FONT);
    SetStretchBltMode(dc_.Get(), COLORONCOLOR);
    Allocate(size);
    logical_ = size_;
}

GdiSurface::~GdiSurface() {
    if (!dc_.Get()) return;
    // Everything we made goes back out of the DC before the members delete it: a selected object
    // would survive its DeleteObject call and leak.
    SelectObject(dc_.Get(), originalPen_);
    SelectObject(dc_.Get(), originalBrush_);
    SelectObject(dc_.Get(), originalFont_);
    if (originalBitmap_) SelectObject(dc_.Get(), originalBitmap_);
}

ScopedBitmap TopDownDib(HDC dc, Size size, uint32_t*& bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    ScopedBitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    bits = static_cast<uint32_t*>(pixels);
    if (!bits) bitmap.Reset();
    return bitmap;
}

bool GdiSurface::Allocate(Size capacity) {
    if (!dc_.Get()) return false;
    capacity.width = std::max(capacity.width, 1);
    capacity.height = std::max(capacity.height, 1);
    uint32_t* bits = nullptr;
    ScopedBitmap bitmap = TopDownDib(dc_.Get(), capacity, bits);
    if (!bitmap) {
        // Keep drawing into the old bitmap rather than into nothing.
        ReportFailureOnce("Cannot create a picture: Windows is out of memory for bitmaps.");
        return false;
    }
    HGDIOBJ previous = SelectObject(dc_.Get(), bitmap.Get());
    if (!bitmap_) originalBitmap_ = previous;
    bitmap_ = std::move(bitmap);  // the old bitmap, now deselected, is deleted here
    ++version_;
    bits_ = bits;
    capacity_ = capacity;
    size_ = capacity;
    SelectClipRgn(dc_.Get(), nullptr);
    return true;
}

void GdiSurface::Resize(Size size) {
    size.width = std::max(size.width, 0);
    size.height = std::max(size.height, 0);
    if (size == logical_) return;
    logical_ = size;
    UseDevicePixels({D(size.width), D(size.height)});
}

void GdiSurface::SetScale(double scale) {
    if (scale == scale_ || scale <= 0) return;
    scale_ = scale;
    ++version_;
    // The font was made at the old scale's height, and the text measured with it: both anew.
    if (fontHandle_) {
        SelectObject(dc_.Get(), originalFont_);
        fontHandle_ = ScopedFont();
    }
    measuredText_.clear();
    UseDevicePixels({D(logical_.width), D(logical_.height)});
}

void GdiSurface::UseDevicePixels(Size size) {
    if (size == size_) return;
    ++version_;
    // Display surfaces change size with their text, many times a second: a bitmap that is large
    // enough is kept, and drawing is clipped to the part in use.
    if (size.width > capacity_.width || size.height > capacity_.height) {
        Allocate({std::max(size.width, capacity_.width), std::max(size.height, capacity_.height)});
    }
    // Without a larger bitmap, the part in use is what the bitmap holds.
    size_ = {std::min(size.width, capacity_.width), std::min(size.height, capacity_.height)};
    ApplyClip();
}

void GdiSurface::ClipTo(std::optional<Rect> area) {
    clip_ = area ? std::optional(D(*area)) : std::nullopt;
    ApplyClip();
}

void GdiSurface::ApplyClip() {
    SelectClipRgn(dc_.Get(), nullptr);
    if (size_ != capacity_) IntersectClipRect(dc_.Get(), 0, 0, size_.width, size_.height);
    if (clip_) IntersectClipRect(dc_.Get(), clip_->left, clip_->top, clip_->right, clip_->bottom);
}

Rect GdiSurface::DeviceRect(Rect area) const {
    return scale_ == 1.0 ? area
                         : Intersection(D(area).Inflated(1), {0, 0, size_.width, size_.height});
}

Pen GdiSurface::DevicePen(const Pen& pen) const {
    return scale_ == 1.0 ? pen
                         : Pen{pen.colour, std::max(1, D(std::max(pen.width, 1))), pen.smooth};
}

uint32_t GdiSurface::PixelAt(int x, int y) const {
    x = D(x), y = D(y);
    if (x < 0 || y < 0 || x >= size_.width || y >= size_.height) return 0;
    GdiFlush();
    return bits_[static_cast<size_t>(y) * capacity_.width + x] & 0x00FFFFFFu;
}

PixelView GdiSurface::Pixels() const {
    GdiFlush();
    return {bits_, static_cast<size_t>(capacity_.width)};
}

Picture GdiSurface::ToPicture() const {
    GdiFlush();
    Picture picture{size_.width, size_.height, {}};
    picture.pixels.reserve(static_cast<size_t>(size_.width) * size_.height);
    for (int y = 0; y < size_.height; ++y) {
        const uint32_t* row = bits_ + static_cast<size_t>(y) * capacity_.width;
        for (int x = 0; x < size_.width; ++x) picture.pixels.push_back(row[x] & 0x00FFFFFFu);
    }
    return picture;
}

void GdiSurface::LoadPicture(const Picture& picture) {
    LoadPicture(picture, {picture.width, picture.height});
}

void GdiSurface::LoadPicture(const Picture& picture, Size faceSize) {
    ++version_;
    Resize(faceSize);
    const bool asIs = picture.width == size_.width && picture.height == size_.height;
    const Picture resampled = asIs ? Picture{} : Resampled(picture, size_);
    const Picture& shown = asIs ? picture : resampled;
    GdiFlush();
    // Within what the bitmap holds, should a large enough one not have been made.
    for (int y = 0; y < std::min(size_.height, shown.height); ++y) {
        std::copy_n(shown.pixels.data() + static_cast<size_t>(y) * shown.width,
                    std::min(size_.width, shown.width),
                    bits_ + static_cast<size_t>(y) * capacity_.width);
    }
}

COLORREF GdiSurface::ToColorRef(Colour colour) {
    if (colour.IsSystemColour()) return GetSysColor(static_cast<int>(colour.SystemIndex()));
    return colour.value & 0x00FFFFFFu;
}

void GdiSurface::SelectPen(const Pen& pen) {
    if (pen.width <= 1) {
        SelectObject(dc_.Get(), GetStockObject(DC_PEN));
        SetDCPenColor(dc_.Get(), ToColorRef(pen.colour));
        return;
    }
    for (const CachedPen& cached : pens_) {
        if (cached.handle && cached.pen == pen) {
            SelectObject(dc_.Get(), cached.handle.Get());
            return;
        }
    }
    ScopedPen handle(CreatePen(PS_SOLID, pen.width, ToColorRef(pen.colour)));
    if (!handle) return;
    CachedPen& slot = pens_[nextPenSlot_];
    nextPenSlot_ = (nextPenSlot_ + 1) % pens_.size();
    // The evicted pen may be the selected one.
    if (slot.handle) SelectObject(dc_.Get(), GetStockObject(DC_PEN));
    SelectObject(dc_.Get(), handle.Get());
    slot = {pen, std::move(handle)};
}

void GdiSurface::SelectBrush(const Brush& brush) {
    if (brush.clear) {
        SelectObject(dc_.Get(), GetStockObject(NULL_BRUSH));
        return;
    }
    SelectObject(dc_.Get(), GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc_.Get(), ToColorRef(brush.colour));
}

void GdiSurface::SelectFont(const Font& font) {
    if (fontHandle_ && SameTypeface(font, font_)) return;
    LOGFONTA logFont{};
    logFont.lfHeight = PixelHeightForPoints(font.pointSize, scale_);
    logFont.lfWeight = font.style.Has(FontStyle::kBold) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = font.style.Has(FontStyle::kItalic);
    logFont.lfUnderline = font.style.Has(FontStyle::kUnderline);
    logFont.lfStrikeOut = font.style.Has(FontStyle::kStrikeOut);
    logFont.lfCharSet = DEFAULT_CHARSET;
    const std::string& face = font.face.empty() ? std::string(GdiSurface::kDefaultFace) : font.face;
    lstrcpynA(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
    ScopedFont handle(CreateFontIndirectA(&logFont));
    if (!handle) return;
    SelectObject(dc_.Get(), handle.Get());
    fontHandle_ = std::move(handle);  // the old font, now deselected, is deleted here
    font_ = font;
}

// One painter for every surface: its cells and scanline grow with the largest shape drawn, and
// kept once per surface they would cost that again for each picture of every clock. Shapes are
// drawn one at a time, on the windows' thread.
SmoothPainter& GdiSurface::Painter() {
    static SmoothPainter painter;
    return painter;
}

PixelTarget GdiSurface::SmoothTarget() {
    GdiFlush();
    return {bits_, capacity_.width, bits_ ? size_ : Size{}, scale_, clip_.value_or(Rect{})};
}

Pen GdiSurface::Resolved(const Pen& pen) {
    return {Colour{ToColorRef(pen.colour)}, pen.width, true};
}

Brush GdiSurface::Resolved(const Brush& brush) {
    return {Colour{ToColorRef(brush.colour)}, brush.clear, brush.alpha};
}

void GdiSurface::MoveTo(Point point) {
    penAt_ = point;
    MoveToEx(dc_.Get(), D(point.x), D(point.y), nullptr);
}

void GdiSurface::LineTo(Point point, const Pen& pen) {
    ++version_;
    const Point from = std::exchange(penAt_, point);
    if (pen.smooth) {
        Painter().Line(SmoothTarget(), from, point, Resolved(pen));
        MoveToEx(dc_.Get(), D(point.x), D(point.y), nullptr);
        return;
    }
    SelectPen(DevicePen(pen));
    ::LineTo(dc_.Get(), D(point.x), D(point.y));
}

void GdiSurface::Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) {
    ++version_;
    if (pen.smooth) {
        Painter().Polygon(SmoothTarget(), points, Resolved(pen), Resolved(brush));
        return;
    }
    SelectPen(DevicePen(pen));
    SelectBrush(brush);
    // The clock's polygons have four corners at most; anything larger takes the heap.
    POINT small[8];
    std::vector<POINT> large;
    POINT* gdiPoints = small;
    if (points.size() > std::size(small)) {
        large.resize(points.size());
        gdiPoints = large.data();
    }
    for (size_t i = 0; i < points.size(); ++i) gdiPoints[i] = {D(points[i].x), D(points[i].y)};
    ::Polygon(dc_.Get(), gdiPoints, static_cast<int>(points.size()));
}

void GdiSurface::Ellipse(Rect b, const Pen& pen, const Brush& brush) {
    ++version_;
    if (pen.smooth) {
        Painter().Ellipse(SmoothTarget(), b, Resolved(pen), Resolved(brush));
        return;
    }
    SelectPen(DevicePen(pen));
    SelectBrush(brush);
    b = D(b);
    ::Ellipse(dc_.Get(), b.left, b.top, b.right, b.bottom);
}

void GdiSurface::Arc(Rect b, Point start, Point end, const Pen& pen) {
    ++version_;
    if (pen.smooth) {
        Painter().Arc(SmoothTarget(), b, start, end, Resolved(pen));
        return;
    }
    SelectPen(DevicePen(pen));
    b = D(b), start = D(start), end = D(end);
    ::Arc(dc_.Get(), b.left, b.top, b.right, b.bottom, start.x, start.y, end.x, end.y);
}

void GdiSurface::FillRect(Rect area, Colour colour) {
    ++version_;
    SetDCBrushColor(dc_.Get(), ToColorRef(colour));
    area = D(area);
    const RECT rect{area.left, area.top, area.right, area.bottom};
    ::FillRect(dc_.Get(), &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiSurface::FloodFill(Point seed, Colour border, Colour fill) {
    ++version_;
    SelectBrush(Brush{fill});
    ExtFloodFill(dc_.Get(), D(seed.x), D(seed.y), ToColorRef(border), FLOODFILLBORDER);
}

// A display measures its text on every tick, and the text changes once a second at most.
Size GdiSurface::TextExtent(std::string_view text, const Font& font) {
    SelectFont(font);
    if (fontHandle_ && SameTypeface(font, font_) && text == measuredText_) return measured_;
    SIZE extent{};
    GetTextExtentPoint32A(dc_.Get(), text.data(), static_cast<int>(text.size()), &extent);
    measuredText_ = text;
    // In face pixels: enough of them to hold the text drawn at the scale.
    const auto logical = [&](LONG device) {
        return scale_ == 1.0 ? int(device) : int(std::ceil(device / scale_));
    };
    measured_ = {logical(extent.cx), logical(extent.cy)};
    return measured_;
}

void GdiSurface::WriteText(Point origin, std::string_view text, const Font& font,
                           const Brush& background) {
    ++version_;
    SelectFont(font);
    SetTextColor(dc_.Get(), ToColorRef(font.colour));
    SetBkMode(dc_.Get(), background.clear ? TRANSPARENT : OPAQUE);
    SetBkColor(dc_.Get(), ToColorRef(background.colour));
    ::TextOutA(dc_.Get(), D(origin.x), D(origin.y), text.data(), static_cast<int>(text.size()));
}

HDC GdiSurface::SourceDc(const Surface& source) {
    // Every surface of the program is a GdiSurface; the interface exists for the core and tests.
    return static_cast<const GdiSurface&>(source).dc_.Get();
}

void GdiSurface::CopyFrom(const Surface& source, Rect from, Point to) {
    ++version_;
    // Every picture of the clock is at the same scale.
    from = D(from), to = D(to);
    BitBlt(dc_.Get(), to.x, to.y, from.Width(), from.Height(), SourceDc(source), from.left,
           from.top, SRCCOPY);
}

void GdiSurface::StretchFrom(const Surface& source, Point sourceOrigin, Size sourceSize, Rect to) {
    ++version_;
    if (scale_ != 1.0) {
        // The source's columns [x0, x1) of face pixels, whichever way it runs.
        const int x0 =
            sourceSize.width < 0 ? sourceOrigin.x + sourceSize.width + 1 : sourceOrigin.x;
        const int x1 = x0 + std::abs(sourceSize.width);
        const int y0 = sourceOrigin.y, y1 = sourceOrigin.y + sourceSize.height;
        sourceOrigin = sourceSize.width < 0 ? Point{D(x1) - 1, D(y0)} : Point{D(x0), D(y0)};
        sourceSize = {(sourceSize.width < 0 ? -1 : 1) * (D(x1) - D(x0)), D(y1) - D(y0)};
        to = D(to);
    }
    StretchBlt(dc_.Get(), to.left, to.top, to.Width(), to.Height(), SourceDc(source),
               sourceOrigin.x, sourceOrigin.y, sourceSize.width, sourceSize.height, SRCCOPY);
}

}  // namespace marvix
