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
    friend constexpr bool operator==(Rect, Rect) = default;
};

}  // namespace marvix
