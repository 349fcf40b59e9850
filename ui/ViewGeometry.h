#pragma once

#include "platform/WindowPort.h"

#include <cstdint>

// View geometry: rectangles and points of signed 16-bit numbers in a window's
// client coordinates. Right and bottom lie just outside the rectangle.
struct SViewPoint {
    int16_t x = 0;
    int16_t y = 0;
};

struct SViewRect {
    int16_t left = 0;
    int16_t top = 0;
    int16_t right = 0;
    int16_t bottom = 0;

    int32_t Width() const { return int32_t(right) - left; }
    int32_t Height() const { return int32_t(bottom) - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool Intersects(const SViewRect& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool operator==(const SViewRect&) const = default;

    WindowPort::SRect ToPort() const { return {left, top, right, bottom}; }
    // Coordinates outside the 16-bit range are clamped to it.
    static SViewRect FromPort(const WindowPort::SRect& rect);
};
