#pragma once

// A surface that remembers what was drawn on it, as text, for tests that check the calls that
// matter: "copy 0,0 200x200 from face", "stretch ...", and so on.

#include <algorithm>
#include <string>
#include <vector>

#include "base/surface.h"

namespace marvix {

class RecordingSurface final : public Surface {
public:
    RecordingSurface(std::string name, Size size, std::vector<std::string>* log)
        : name_(std::move(name)), size_(size), log_(log) {}

    const std::string& Name() const { return name_; }
    // 6 pixels, like every other character, unless a test wants a proportional font.
    int spaceWidth = 6;

    Size GetSize() const override { return size_; }
    uint32_t Version() const override { return static_cast<uint32_t>(log_->size()); }
    // System colours stand for themselves here: the test decides what they mean.
    Colour Resolve(Colour colour) const override { return colour; }
    void Resize(Size size) override {
        size_ = size;
        Log("resize " + Dims(size));
    }
    void MoveTo(Point p) override { Log("move " + At(p)); }
    void LineTo(Point p, const Pen& pen) override {
        Log("line " + At(p) + " width " + std::to_string(pen.width));
    }
    void Polygon(std::span<const Point> points, const Pen& pen, const Brush&) override {
        std::string text = "polygon width " + std::to_string(pen.width) + ":";
        for (Point p : points) text += " " + At(p);
        Log(text);
    }
    void Ellipse(Rect b, const Pen&, const Brush&) override { Log("ellipse " + Box(b)); }
    void Arc(Rect b, Point, Point, const Pen&) override { Log("arc " + Box(b)); }
    void FillRect(Rect area, Colour) override { Log("fill " + Box(area)); }
    void FloodFill(Point seed, Colour, Colour) override { Log("flood " + At(seed)); }
    Size TextExtent(std::string_view text, const Font&) override {
        const auto spaces = static_cast<int>(std::count(text.begin(), text.end(), ' '));
        return {(static_cast<int>(text.size()) - spaces) * 6 + spaces * spaceWidth, 13};
    }
    void WriteText(Point origin, std::string_view text, const Font&, const Brush&) override {
        Log("text " + At(origin) + " \"" + std::string(text) + "\"");
    }
    void CopyFrom(const Surface& source, Rect from, Point to) override {
        Log("copy " + Box(from) + " from " + NameOf(source) + " to " + At(to));
    }
    void StretchFrom(const Surface& source, Point origin, Size size, Rect to) override {
        Log("stretch " + At(origin) + " " + Dims(size) + " from " + NameOf(source) + " to " +
            Box(to));
    }
    void ClipTo(std::optional<Rect> area) override {
        Log(area ? "clip " + Box(*area) : std::string("unclip"));
    }

private:
    static std::string At(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    static std::string Dims(Size s) {
        return std::to_string(s.width) + "x" + std::to_string(s.height);
    }
    static std::string Box(Rect r) {
        return At({r.left, r.top}) + " " + Dims({r.Width(), r.Height()});
    }
    static std::string NameOf(const Surface& s) {
        const auto* recording = dynamic_cast<const RecordingSurface*>(&s);
        return recording ? recording->name_ : "?";
    }
    void Log(const std::string& text) { log_->push_back(name_ + ": " + text); }

    std::string name_;
    Size size_;
    std::vector<std::string>* log_;
};

}  // namespace marvix
