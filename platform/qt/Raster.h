#pragma once

#include "platform/WindowPort.h"

#include <QImage>

#include <cstdint>
#include <vector>

// Pixel work on a backing image by the original platform's rules, done on the
// pixels themselves so that every edge lands where the framework's arithmetic
// says: a fill covers left <= x < right and top <= y < bottom, a polyline leaves
// out its last point, and the three mixes copy, OR, or invert. Everything clips
// to the clip rectangle and the image.
class CRaster {
public:
    // `image` is Format_RGB32 and outlives the raster.
    CRaster(QImage& image, const WindowPort::SRect& clip);

    void FillRect(const WindowPort::SRect& rect, WindowPort::SColour colour, WindowPort::EMix mix);
    void Polyline(const std::vector<WindowPort::SPoint>& points, WindowPort::SColour colour, WindowPort::EMix mix);
    // `pixels` are 0xFFRRGGBB, `width` to a row and `height` rows; `source` is
    // cut to them.
    void CopyPixels(int32_t x, int32_t y, const uint32_t* pixels, int32_t width, int32_t height,
                    const WindowPort::SRect& source);

    // The bounds of every pixel touched so far (empty when none was).
    WindowPort::SRect GetTouched() const { return mTouched; }

private:
    void Segment(WindowPort::SPoint from, WindowPort::SPoint to, uint32_t colour, WindowPort::EMix mix);
    void Plot(int32_t x, int32_t y, uint32_t colour, WindowPort::EMix mix);
    void Touch(const WindowPort::SRect& rect);

    QImage& mImage;
    WindowPort::SRect mClip;
    WindowPort::SRect mTouched;
};

// The common part of two rectangles (empty when they do not meet), and the
// bounds of both.
WindowPort::SRect IntersectRects(const WindowPort::SRect& a, const WindowPort::SRect& b);
WindowPort::SRect UniteRects(const WindowPort::SRect& a, const WindowPort::SRect& b);
