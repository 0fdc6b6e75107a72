#pragma once

// Pixel geometry shared by the core and the shell: y grows downward, rectangles are half-open
// (right and bottom are outside), as in GDI.

namespace marvix {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(Size, Size) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    static constexpr Rect At(Point origin, Size size) {
        return {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
    }
    constexpr bool Empty() const { return right <= left || bottom <= top; }
    constexpr Rect Inflated(int by) const { return {left - by, top - by, right + by, bottom + by}; }
    friend constexpr bool operator==(Rect, Rect) = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
constexpr Rect Union(Rect a, Rect b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

// The part of `a` inside `b`, or an empty rectangle.
constexpr Rect Intersection(Rect a, Rect b) {
    const Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                 a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    return r.Empty() ? Rect{} : r;
}

}  // namespace marvix
