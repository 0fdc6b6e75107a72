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

// A length laid out for 96 pixels per inch, at `dpi`, to the nearest pixel (half a pixel away
// from zero). A rectangle's edges scale each on its own, so that controls that touch at 96 still
// touch, and each is within a pixel of its exact size.
constexpr int AtDpi(int length, int dpi) {
    return length >= 0 ? (length * dpi + 48) / 96 : -((-length * dpi + 48) / 96);
}
constexpr Size AtDpi(Size size, int dpi) {
    return {AtDpi(size.width, dpi), AtDpi(size.height, dpi)};
}

// The smallest rectangle holding both; an empty one adds nothing.
constexpr Rect Union(Rect a, Rect b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

constexpr Rect AtDpi(Rect r, int dpi) {
    return {AtDpi(r.left, dpi), AtDpi(r.top, dpi), AtDpi(r.right, dpi), AtDpi(r.bottom, dpi)};
}

// The part of `a` inside `b`, or an empty rectangle.
constexpr Rect Intersection(Rect a, Rect b) {
    const Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                 a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    return r.Empty() ? Rect{} : r;
}

}  // namespace marvix
