#pragma once

// A frame as a list of drawing calls. Composing a frame runs every rule of the tick, but against
// listing surfaces that only write down what they are asked to draw (with every colour resolved
// as it is now), while the real surfaces answer the questions: sizes, colours, text extents.
// Two lists that are equal byte for byte draw the same pixels from the same pictures, so a tick
// whose list equals the last one needs no drawing at all, and one whose hands alone moved needs
// only the hands drawn again.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/frame_surfaces.h"
#include "base/surface.h"

namespace marvix {

// Every surface a frame draws on or copies from, by its place in this list.
enum class FrameSurface : uint8_t { Display, Face, Moon, DayNight, FirstDigit };
inline constexpr size_t kFrameSurfaceCount = size_t(FrameSurface::FirstDigit) + 12;

// The frame's surfaces by FrameSurface index; the face only as a source.
std::array<Surface*, kFrameSurfaceCount> SurfacesOf(FrameSurfaces& frame);

// The calls a list holds, each followed by its surface and its arguments. A line carries its
// start, so that every call's pixels follow from its own bytes; a move draws nothing and is not
// listed.
enum class DrawCall : uint8_t {
    Resize,
    LineTo,
    Polygon,
    Ellipse,
    Arc,
    FillRect,
    FloodFill,
    WriteText,
    CopyFrom,
    StretchFrom
};

class FrameList {
public:
    // Empties the list, keeping its memory: a steady tick allocates nothing.
    void Clear() {
        bytes_.clear();
        calls_.clear();
    }
    size_t Size() const { return bytes_.size(); }
    std::span<const std::byte> Bytes(size_t from, size_t to) const {
        return std::span(bytes_).subspan(from, to - from);
    }

    // Draws the calls between two offsets on the real surfaces, in their order.
    void Replay(size_t from, size_t to, const std::array<Surface*, kFrameSurfaceCount>& on) const;

    // Draws again, in their order, the calls from `firstCall` up to `endCall` that are on the
    // display picture and may change its pixels `within` (all, without it), taking the other
    // surfaces as they are: those calls drew them already.
    void ReplayOnDisplay(size_t firstCall, size_t endCall,
                         const std::array<Surface*, kFrameSurfaceCount>& on,
                         std::optional<Rect> within = std::nullopt) const;

    // A call's place in the list and the part of the display picture it may change, with room
    // for pen widths to spare. A call on another surface changes none of it by itself.
    struct Call {
        size_t offset;
        Rect area;
        bool onDisplay;
    };
    size_t CallCount() const { return calls_.size(); }
    std::span<const Call> Calls(size_t first) const { return std::span(calls_).subspan(first); }
    // Where a call begins in the bytes; the list's size for the call after the last.
    size_t OffsetOfCall(size_t index) const {
        return index < calls_.size() ? calls_[index].offset : bytes_.size();
    }
    std::span<const std::byte> CallBytes(size_t index) const {
        return Bytes(OffsetOfCall(index), OffsetOfCall(index + 1));
    }
    // Where the calls from `first` on may change the display picture's pixels: a rectangle that
    // holds every one of them.
    Rect DrawnArea(size_t first) const;

    // Writing, for ListingSurface: a call begins with its kind and its surface.
    void BeginCall(DrawCall call, FrameSurface on, Rect area);
    template <typename T>
    void Put(const T& value) {
        const auto* bytes = reinterpret_cast<const std::byte*>(&value);
        bytes_.insert(bytes_.end(), bytes, bytes + sizeof value);
    }
    void PutText(std::string_view text);

private:
    std::vector<std::byte> bytes_;
    std::vector<Call> calls_;
};

// Where a frame's pixels may have changed: at most two rectangles, so that a second hand at twelve
// and a display that changed below the centre do not redraw all that lies between them.
class ChangedArea {
public:
    ChangedArea() = default;
    explicit ChangedArea(Rect whole) { Add(whole); }
    // Joins the part it grows least, unless it stands apart from both.
    void Add(Rect area);
    std::span<const Rect> Parts() const { return std::span(parts_).first(count_); }
    Rect Bounds() const { return Union(parts_[0], parts_[1]); }
    bool Empty() const { return count_ == 0; }
    ChangedArea Within(Rect whole) const;
    friend bool operator==(const ChangedArea&, const ChangedArea&) = default;

private:
    std::array<Rect, 2> parts_{};
    size_t count_ = 0;
};

// Whether two runs of a list's bytes are equal.
bool SameBytes(std::span<const std::byte> a, std::span<const std::byte> b);

// Where two lists, from the given calls on, may give different pixels on the display picture:
// the areas of the calls that differ, in both lists; equal calls pair up and change nothing.
// Lists whose calls do not pair up one for one, or that differ in a call on another surface
// (whose drawing may reach the display through a later copy), give nullopt: they may differ
// wherever either drew.
std::optional<ChangedArea> DifferingArea(const FrameList& a, size_t aFirst, const FrameList& b,
                                         size_t bFirst);

// A surface that writes its drawing calls into a FrameList and asks the real surface everything
// else. Copies name their source by its FrameSurface, so every source must be a ListingSurface
// of the same frame.
class ListingSurface final : public Surface {
public:
    ListingSurface(FrameList& list, FrameSurface id) : list_(list), id_(id) {}

    // Starts a frame: the size is the real surface's until a Resize.
    void Attach(Surface& real) {
        real_ = &real;
        size_ = real.GetSize();
    }
    FrameSurface Id() const { return id_; }

    Size GetSize() const override { return size_; }
    Colour Resolve(Colour colour) const override { return real_->Resolve(colour); }
    uint32_t Version() const override { return real_->Version(); }
    Size TextExtent(std::string_view text, const Font& font) override {
        return real_->TextExtent(text, font);
    }

    void Resize(Size size) override;
    void MoveTo(Point point) override;
    void LineTo(Point point, const Pen& pen) override;
    void Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) override;
    void Ellipse(Rect bounds, const Pen& pen, const Brush& brush) override;
    void Arc(Rect bounds, Point start, Point end, const Pen& pen) override;
    void FillRect(Rect area, Colour colour) override;
    void FloodFill(Point seed, Colour border, Colour fill) override;
    void WriteText(Point origin, std::string_view text, const Font& font,
                   const Brush& background) override;
    void CopyFrom(const Surface& source, Rect from, Point to) override;
    void StretchFrom(const Surface& source, Point sourceOrigin, Size sourceSize, Rect to) override;
    // A frame is listed whole: the cache clips the real surfaces when it draws a list again.
    void ClipTo(std::optional<Rect>) override {}

private:
    void Begin(DrawCall call, Rect area);
    void BeginWithPen(DrawCall call, Rect bounds, const Pen& pen);
    void PutPen(const Pen& pen);
    void PutBrush(const Brush& brush);
    void PutSource(const Surface& source);

    FrameList& list_;
    FrameSurface id_;
    Surface* real_ = nullptr;
    Size size_;
    Point penAt_;
};

// A frame's listing surfaces, one for each real surface, all writing into one list.
class FrameListing {
public:
    explicit FrameListing(FrameList& list);

    // Starts a frame on the real surfaces: the listing surfaces take their sizes, and come back
    // in their places, for the frame's rules to draw on.
    FrameSurfaces Attach(FrameSurfaces& real);
    ListingSurface& operator[](FrameSurface id) { return surfaces_[size_t(id)]; }

private:
    std::array<ListingSurface, kFrameSurfaceCount> surfaces_;
};

}  // namespace marvix
