#include "frame/frame_list.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace marvix {

namespace {

// Reads a list back in the order ListingSurface wrote it.
class Reader {
public:
    Reader(std::span<const std::byte> bytes) : bytes_(bytes) {}
    bool AtEnd() const { return at_ >= bytes_.size(); }

    template <typename T>
    T Get() {
        T value;
        std::memcpy(&value, bytes_.data() + at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    std::string_view GetText() {
        const auto length = Get<uint32_t>();
        const std::string_view text(reinterpret_cast<const char*>(bytes_.data() + at_), length);
        at_ += length;
        return text;
    }
    Pen GetPen() {
        const auto colour = Get<Colour>();
        const auto width = Get<int>();
        return Pen{colour, width, Get<bool>()};
    }
    Brush GetBrush() {
        const auto colour = Get<Colour>();
        const auto clear = Get<bool>();
        return Brush{colour, clear, Get<uint8_t>()};
    }

private:
    std::span<const std::byte> bytes_;
    size_t at_ = 0;
};

// A copy's source; the face's version that follows it only tells lists apart.
const Surface& Source(Reader& in, const std::array<Surface*, kFrameSurfaceCount>& on) {
    const auto id = in.Get<FrameSurface>();
    if (id == FrameSurface::Face) in.Get<uint32_t>();
    return *on[size_t(id)];
}

void ReplayPolygon(Reader& in, Surface& target) {
    // At most a handful of corners (a hand's kite or band), or a smooth dial's half disc.
    std::array<Point, 64> points;
    const auto count = in.Get<uint32_t>();
    for (size_t i = 0; i < count; ++i) {
        const auto point = in.Get<Point>();
        if (i < points.size()) points[i] = point;
    }
    const Pen pen = in.GetPen();
    target.Polygon(std::span(points.data(), std::min<size_t>(count, points.size())), pen,
                   in.GetBrush());
}

void ReplayText(Reader& in, Surface& target) {
    const auto origin = in.Get<Point>();
    const std::string_view text = in.GetText();
    Font font;
    font.face = in.GetText();
    font.pointSize = in.Get<int>();
    font.style = in.Get<FontStyle>();
    font.colour = in.Get<Colour>();
    target.WriteText(origin, text, font, in.GetBrush());
}

}  // namespace

std::array<Surface*, kFrameSurfaceCount> SurfacesOf(FrameSurfaces& frame) {
    std::array<Surface*, kFrameSurfaceCount> surfaces{};
    surfaces[size_t(FrameSurface::Display)] = &frame.display;
    // Only ever a source: no list draws on the face.
    surfaces[size_t(FrameSurface::Face)] = const_cast<Surface*>(&frame.face);
    surfaces[size_t(FrameSurface::Moon)] = &frame.moon;
    surfaces[size_t(FrameSurface::DayNight)] = &frame.dayNight;
    for (size_t i = 0; i < frame.digits.size(); ++i)
        surfaces[size_t(FrameSurface::FirstDigit) + i] = frame.digits[i];
    return surfaces;
}

namespace {

template <size_t... I>
std::array<ListingSurface, kFrameSurfaceCount> ListingFor(FrameList& list,
                                                          std::index_sequence<I...>) {
    return {ListingSurface(list, FrameSurface(I))...};
}

}  // namespace

FrameListing::FrameListing(FrameList& list)
    : surfaces_(ListingFor(list, std::make_index_sequence<kFrameSurfaceCount>())) {}

FrameSurfaces FrameListing::Attach(FrameSurfaces& real) {
    const auto surfaces = SurfacesOf(real);
    for (size_t i = 0; i < kFrameSurfaceCount; ++i) surfaces_[i].Attach(*surfaces[i]);
    FrameSurfaces listed{(*this)[FrameSurface::Display],
                         (*this)[FrameSurface::Face],
                         {},
                         (*this)[FrameSurface::Moon],
                         (*this)[FrameSurface::DayNight]};
    for (size_t i = 0; i < listed.digits.size(); ++i)
        listed.digits[i] = &surfaces_[size_t(FrameSurface::FirstDigit) + i];
    return listed;
}

void FrameList::PutText(std::string_view text) {
    Put(static_cast<uint32_t>(text.size()));
    const auto* bytes = reinterpret_cast<const std::byte*>(text.data());
    bytes_.insert(bytes_.end(), bytes, bytes + text.size());
}

void FrameList::BeginCall(DrawCall call, FrameSurface on, Rect area) {
    const bool onDisplay = on == FrameSurface::Display;
    // GDI takes a rectangle's corners in either order.
    area = {std::min(area.left, area.right), std::min(area.top, area.bottom),
            std::max(area.left, area.right), std::max(area.top, area.bottom)};
    calls_.push_back({bytes_.size(), onDisplay ? area : Rect{}, onDisplay});
    Put(call);
    Put(on);
}

Rect FrameList::DrawnArea(size_t first) const {
    Rect area;
    for (const Call& call : Calls(first)) area = Union(area, call.area);
    return area;
}

bool SameBytes(std::span<const std::byte> a, std::span<const std::byte> b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size()) == 0);
}

namespace {

int64_t AreaOf(Rect r) { return r.Empty() ? 0 : int64_t{r.Width()} * r.Height(); }

}  // namespace

void ChangedArea::Add(Rect area) {
    if (area.Empty()) return;
    const auto growth = [&](size_t i) {
        return AreaOf(Union(parts_[i], area)) - AreaOf(parts_[i]);
    };
    if (count_ < parts_.size() && std::ranges::none_of(Parts(), [&](Rect part) {
            return !Intersection(part, area).Empty();
        })) {
        parts_[count_++] = area;
    } else {
        Rect& grown = parts_[count_ < 2 || growth(0) <= growth(1) ? 0 : 1];
        grown = Union(grown, area);
    }
    // Two parts that cover no more apart than together are one.
    if (count_ == 2 &&
        AreaOf(Union(parts_[0], parts_[1])) <= AreaOf(parts_[0]) + AreaOf(parts_[1])) {
        parts_[0] = Union(parts_[0], parts_[1]);
        parts_[1] = {};
        count_ = 1;
    }
}

ChangedArea ChangedArea::Within(Rect whole) const {
    ChangedArea within;
    for (Rect part : Parts()) within.Add(Intersection(part, whole));
    return within;
}

std::optional<ChangedArea> DifferingArea(const FrameList& a, size_t aFirst, const FrameList& b,
                                         size_t bFirst) {
    const auto aCalls = a.Calls(aFirst), bCalls = b.Calls(bFirst);
    if (aCalls.size() != bCalls.size()) return std::nullopt;
    ChangedArea area;
    for (size_t i = 0; i < aCalls.size(); ++i) {
        if (SameBytes(a.CallBytes(aFirst + i), b.CallBytes(bFirst + i))) continue;
        if (!aCalls[i].onDisplay || !bCalls[i].onDisplay) return std::nullopt;
        area.Add(Union(aCalls[i].area, bCalls[i].area));
    }
    return area;
}

void FrameList::Replay(size_t from, size_t to,
                       const std::array<Surface*, kFrameSurfaceCount>& on) const {
    Reader in(Bytes(from, to));
    while (!in.AtEnd()) {
        const auto call = in.Get<DrawCall>();
        Surface& target = *on[in.Get<uint8_t>()];
        switch (call) {
            case DrawCall::Resize: target.Resize(in.Get<marvix::Size>()); break;
            case DrawCall::LineTo: {
                target.MoveTo(in.Get<Point>());
                const auto point = in.Get<Point>();
                target.LineTo(point, in.GetPen());
                break;
            }
            case DrawCall::Polygon: ReplayPolygon(in, target); break;
            case DrawCall::Ellipse: {
                const auto bounds = in.Get<Rect>();
                const Pen pen = in.GetPen();
                target.Ellipse(bounds, pen, in.GetBrush());
                break;
            }
            case DrawCall::Arc: {
                const auto bounds = in.Get<Rect>();
                const auto start = in.Get<Point>();
                const auto end = in.Get<Point>();
                target.Arc(bounds, start, end, in.GetPen());
                break;
            }
            case DrawCall::FillRect: {
                const auto area = in.Get<Rect>();
                target.FillRect(area, in.Get<Colour>());
                break;
            }
            case DrawCall::FloodFill: {
                const auto seed = in.Get<Point>();
                const auto border = in.Get<Colour>();
                target.FloodFill(seed, border, in.Get<Colour>());
                break;
            }
            case DrawCall::WriteText: ReplayText(in, target); break;
            case DrawCall::CopyFrom: {
                const Surface& source = Source(in, on);
                const auto area = in.Get<Rect>();
                target.CopyFrom(source, area, in.Get<Point>());
                break;
            }
            case DrawCall::StretchFrom: {
                const Surface& source = Source(in, on);
                const auto origin = in.Get<Point>();
                const auto size = in.Get<marvix::Size>();
                target.StretchFrom(source, origin, size, in.Get<Rect>());
                break;
            }
        }
    }
}

void FrameList::ReplayOnDisplay(size_t firstCall, size_t endCall,
                                const std::array<Surface*, kFrameSurfaceCount>& on,
                                std::optional<Rect> within) const {
    for (size_t i = firstCall; i < endCall && i < calls_.size(); ++i) {
        const Call& call = calls_[i];
        if (call.onDisplay && (!within || !Intersection(call.area, *within).Empty()))
            Replay(OffsetOfCall(i), OffsetOfCall(i + 1), on);
    }
}

// Every call notes the part of the display picture it may change.
void ListingSurface::Begin(DrawCall call, Rect area) { list_.BeginCall(call, id_, area); }

// A pen's stroke reaches half its width beyond the figure; a pixel more is kept for rounding.
void ListingSurface::BeginWithPen(DrawCall call, Rect bounds, const Pen& pen) {
    Begin(call, bounds.Inflated(pen.width + 1));
}

// Colours go into the list as they are drawn now, so that a change of a system colour changes the
// list as it changes the pixels.
void ListingSurface::PutPen(const Pen& pen) {
    list_.Put(real_->Resolve(pen.colour));
    list_.Put(pen.width);
    list_.Put(pen.smooth);
}

void ListingSurface::PutBrush(const Brush& brush) {
    list_.Put(brush.clear ? Colour{} : real_->Resolve(brush.colour));
    list_.Put(brush.clear);
    list_.Put(brush.alpha);
}

// The bounds of a set of points, right and bottom included.
static Rect PointsBounds(std::span<const Point> points) {
    Rect r{points[0].x, points[0].y, points[0].x + 1, points[0].y + 1};
    for (Point p : points) r = Union(r, {p.x, p.y, p.x + 1, p.y + 1});
    return r;
}

void ListingSurface::Resize(Size size) {
    size_ = size;
    Begin(DrawCall::Resize, Rect::At({0, 0}, size));
    list_.Put(size);
}

void ListingSurface::MoveTo(Point point) { penAt_ = point; }

void ListingSurface::LineTo(Point point, const Pen& pen) {
    BeginWithPen(DrawCall::LineTo, PointsBounds(std::array{penAt_, point}), pen);
    list_.Put(std::exchange(penAt_, point));
    list_.Put(point);
    PutPen(pen);
}

void ListingSurface::Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) {
    if (points.empty()) {
        Begin(DrawCall::Polygon, Rect{});
    } else {
        BeginWithPen(DrawCall::Polygon, PointsBounds(points), pen);
    }
    list_.Put(static_cast<uint32_t>(points.size()));
    for (Point point : points) list_.Put(point);
    PutPen(pen);
    PutBrush(brush);
}

void ListingSurface::Ellipse(Rect bounds, const Pen& pen, const Brush& brush) {
    BeginWithPen(DrawCall::Ellipse, bounds, pen);
    list_.Put(bounds);
    PutPen(pen);
    PutBrush(brush);
}

void ListingSurface::Arc(Rect bounds, Point start, Point end, const Pen& pen) {
    BeginWithPen(DrawCall::Arc, bounds, pen);
    list_.Put(bounds);
    list_.Put(start);
    list_.Put(end);
    PutPen(pen);
}

void ListingSurface::FillRect(Rect area, Colour colour) {
    Begin(DrawCall::FillRect, area);
    list_.Put(area);
    list_.Put(real_->Resolve(colour));
}

void ListingSurface::FloodFill(Point seed, Colour border, Colour fill) {
    Begin(DrawCall::FloodFill, Rect::At({0, 0}, size_));
    list_.Put(seed);
    list_.Put(real_->Resolve(border));
    list_.Put(real_->Resolve(fill));
}

void ListingSurface::WriteText(Point origin, std::string_view text, const Font& font,
                               const Brush& background) {
    // On the display, its box as measured, with room for a slanted or smoothed letter's overhang
    // to spare: the text was just measured to be placed, so the measure is the real surface's
    // last, kept. Elsewhere the area is no part of the display's, and nothing is measured for it.
    Rect area = Rect::At({0, 0}, size_);
    if (id_ == FrameSurface::Display) {
        const Size extent = real_->TextExtent(text, font);
        area = Rect::At(origin, extent).Inflated(extent.height / 2 + 2);
    }
    Begin(DrawCall::WriteText, area);
    list_.Put(origin);
    list_.PutText(text);
    list_.PutText(font.face);
    list_.Put(font.pointSize);
    list_.Put(font.style);
    list_.Put(real_->Resolve(font.colour));
    PutBrush(background);
}

// A copy from the face also notes the face's version: a new face changes the list.
void ListingSurface::PutSource(const Surface& source) {
    const FrameSurface id = static_cast<const ListingSurface&>(source).Id();
    list_.Put(id);
    if (id == FrameSurface::Face) list_.Put(source.Version());
}

void ListingSurface::CopyFrom(const Surface& source, Rect from, Point to) {
    Begin(DrawCall::CopyFrom, Rect::At(to, {from.Width(), from.Height()}));
    PutSource(source);
    list_.Put(from);
    list_.Put(to);
}

void ListingSurface::StretchFrom(const Surface& source, Point sourceOrigin, Size sourceSize,
                                 Rect to) {
    Begin(DrawCall::StretchFrom, to);
    PutSource(source);
    list_.Put(sourceOrigin);
    list_.Put(sourceSize);
    list_.Put(to);
}

}  // namespace marvix
