#include "base/gdi_surface_win.h"

#include <algorithm>
#include <string>
#include <vector>

namespace marvix {

namespace {

// The default face of a canvas whose font names none.
constexpr char kDefaultFace[] = "MS Sans Serif";

int PixelHeightForPoints(HDC dc, int points) {
    return -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
}

}  // namespace

GdiSurface::GdiSurface(Size size) {
    dc_ = CreateCompatibleDC(nullptr);
    originalPen_ = SelectObject(dc_, GetStockObject(DC_PEN));
    originalBrush_ = SelectObject(dc_, GetStockObject(DC_BRUSH));
    originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
    SetStretchBltMode(dc_, COLORONCOLOR);
    Allocate(size);
}

GdiSurface::~GdiSurface() {
    // Everything we made goes back out of the DC before it is deleted: a selected object would
    // survive its DeleteObject call and leak.
    SelectObject(dc_, originalPen_);
    SelectObject(dc_, originalBrush_);
    SelectObject(dc_, originalFont_);
    SelectObject(dc_, originalBitmap_);
    for (CachedPen& cached : pens_) {
        if (cached.handle) DeleteObject(cached.handle);
    }
    if (fontHandle_) DeleteObject(fontHandle_);
    if (bitmap_) DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void GdiSurface::Allocate(Size capacity) {
    capacity.width = std::max(capacity.width, 1);
    capacity.height = std::max(capacity.height, 1);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capacity.width;
    info.bmiHeader.biHeight = -capacity.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return;  // keep drawing into the old bitmap rather than into nothing
    HGDIOBJ previous = SelectObject(dc_, bitmap);
    if (bitmap_) {
        DeleteObject(bitmap_);
    } else {
        originalBitmap_ = previous;
    }
    bitmap_ = bitmap;
    bits_ = static_cast<uint32_t*>(bits);
    capacity_ = capacity;
    size_ = capacity;
    SelectClipRgn(dc_, nullptr);
}

void GdiSurface::Resize(Size size) {
    size.width = std::max(size.width, 0);
    size.height = std::max(size.height, 0);
    if (size == size_) return;
    // Display surfaces change size with their text, many times a second: a bitmap that is large
    // enough is kept, and drawing is clipped to the part in use.
    if (size.width > capacity_.width || size.height > capacity_.height) {
        Allocate({std::max(size.width, capacity_.width), std::max(size.height, capacity_.height)});
    }
    size_ = size;
    SelectClipRgn(dc_, nullptr);
    if (size_ != capacity_) IntersectClipRect(dc_, 0, 0, size_.width, size_.height);
}

uint32_t GdiSurface::PixelAt(int x, int y) const {
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
    Resize({picture.width, picture.height});
    GdiFlush();
    for (int y = 0; y < picture.height; ++y) {
        std::copy_n(picture.pixels.data() + static_cast<size_t>(y) * picture.width, picture.width,
                    bits_ + static_cast<size_t>(y) * capacity_.width);
    }
}

COLORREF GdiSurface::ToColorRef(Colour colour) {
    if (colour.IsSystemColour()) return GetSysColor(static_cast<int>(colour.SystemIndex()));
    return colour.value & 0x00FFFFFFu;
}

void GdiSurface::SelectPen(const Pen& pen) {
    if (pen.width <= 1) {
        SelectObject(dc_, GetStockObject(DC_PEN));
        SetDCPenColor(dc_, ToColorRef(pen.colour));
        return;
    }
    for (const CachedPen& cached : pens_) {
        if (cached.handle && cached.pen == pen) {
            SelectObject(dc_, cached.handle);
            return;
        }
    }
    HPEN handle = CreatePen(PS_SOLID, pen.width, ToColorRef(pen.colour));
    if (!handle) return;
    CachedPen& slot = pens_[nextPenSlot_];
    nextPenSlot_ = (nextPenSlot_ + 1) % pens_.size();
    if (slot.handle) {
        SelectObject(dc_, GetStockObject(DC_PEN));  // the evicted pen may be the selected one
        DeleteObject(slot.handle);
    }
    slot = {pen, handle};
    SelectObject(dc_, handle);
}

void GdiSurface::SelectBrush(const Brush& brush) {
    if (brush.clear) {
        SelectObject(dc_, GetStockObject(NULL_BRUSH));
        return;
    }
    SelectObject(dc_, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc_, ToColorRef(brush.colour));
}

void GdiSurface::SelectFont(const Font& font) {
    if (fontHandle_ && font.face == font_.face && font.pointSize == font_.pointSize &&
        font.style == font_.style) {
        return;
    }
    LOGFONTA logFont{};
    logFont.lfHeight = PixelHeightForPoints(dc_, font.pointSize);
    logFont.lfWeight = font.style.Has(FontStyle::kBold) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = font.style.Has(FontStyle::kItalic);
    logFont.lfUnderline = font.style.Has(FontStyle::kUnderline);
    logFont.lfStrikeOut = font.style.Has(FontStyle::kStrikeOut);
    logFont.lfCharSet = DEFAULT_CHARSET;
    const std::string& face = font.face.empty() ? std::string(kDefaultFace) : font.face;
    lstrcpynA(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
    HFONT handle = CreateFontIndirectA(&logFont);
    if (!handle) return;
    SelectObject(dc_, handle);
    if (fontHandle_) DeleteObject(fontHandle_);
    fontHandle_ = handle;
    font_ = font;
}

void GdiSurface::MoveTo(Point point) { MoveToEx(dc_, point.x, point.y, nullptr); }

void GdiSurface::LineTo(Point point, const Pen& pen) {
    SelectPen(pen);
    ::LineTo(dc_, point.x, point.y);
}

void GdiSurface::Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) {
    SelectPen(pen);
    SelectBrush(brush);
    // The clock's polygons have four corners at most; anything larger takes the heap.
    POINT small[8];
    std::vector<POINT> large;
    POINT* gdiPoints = small;
    if (points.size() > std::size(small)) {
        large.resize(points.size());
        gdiPoints = large.data();
    }
    for (size_t i = 0; i < points.size(); ++i) gdiPoints[i] = {points[i].x, points[i].y};
    ::Polygon(dc_, gdiPoints, static_cast<int>(points.size()));
}

void GdiSurface::Ellipse(Rect b, const Pen& pen, const Brush& brush) {
    SelectPen(pen);
    SelectBrush(brush);
    ::Ellipse(dc_, b.left, b.top, b.right, b.bottom);
}

void GdiSurface::Arc(Rect b, Point start, Point end, const Pen& pen) {
    SelectPen(pen);
    ::Arc(dc_, b.left, b.top, b.right, b.bottom, start.x, start.y, end.x, end.y);
}

void GdiSurface::FillRect(Rect area, Colour colour) {
    SetDCBrushColor(dc_, ToColorRef(colour));
    const RECT rect{area.left, area.top, area.right, area.bottom};
    ::FillRect(dc_, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiSurface::FloodFill(Point seed, Colour border, Colour fill) {
    SelectBrush(Brush{fill});
    ExtFloodFill(dc_, seed.x, seed.y, ToColorRef(border), FLOODFILLBORDER);
}

Size GdiSurface::TextExtent(std::string_view text, const Font& font) {
    SelectFont(font);
    SIZE extent{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &extent);
    return {extent.cx, extent.cy};
}

void GdiSurface::WriteText(Point origin, std::string_view text, const Font& font,
                         const Brush& background) {
    SelectFont(font);
    SetTextColor(dc_, ToColorRef(font.colour));
    SetBkMode(dc_, background.clear ? TRANSPARENT : OPAQUE);
    SetBkColor(dc_, ToColorRef(background.colour));
    ::TextOutA(dc_, origin.x, origin.y, text.data(), static_cast<int>(text.size()));
}

HDC GdiSurface::SourceDc(const Surface& source) {
    // Every surface of the program is a GdiSurface; the interface exists for the core and tests.
    return static_cast<const GdiSurface&>(source).dc_;
}

void GdiSurface::CopyFrom(const Surface& source, Rect from, Point to) {
    BitBlt(dc_, to.x, to.y, from.Width(), from.Height(), SourceDc(source), from.left, from.top,
           SRCCOPY);
}

void GdiSurface::StretchFrom(const Surface& source, Point sourceOrigin, Size sourceSize, Rect to) {
    StretchBlt(dc_, to.left, to.top, to.Width(), to.Height(), SourceDc(source), sourceOrigin.x,
               sourceOrigin.y, sourceSize.width, sourceSize.height, SRCCOPY);
}

}  // namespace marvix
