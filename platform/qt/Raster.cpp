#include "platform/qt/Raster.h"

#include <algorithm>
#include <cstdlib>

using WindowPort::EMix;
using WindowPort::SColour;
using WindowPort::SPoint;
using WindowPort::SRect;

namespace {

uint32_t ToPixel(SColour colour)
{
    return 0xFF000000u | (uint32_t(colour.red) << 16) | (uint32_t(colour.green) << 8) | colour.blue;
}

// The alpha byte stays opaque whatever the mix does to the colour.
uint32_t Mix(uint32_t pixel, uint32_t colour, EMix mix)
{
    switch (mix) {
    case EMix::kMerge:
        return pixel | colour;
    case EMix::kInvert:
        return ~pixel | 0xFF000000u;
    case EMix::kCopy:
        break;
    }
    return colour;
}

} // namespace

SRect IntersectRects(const SRect& a, const SRect& b)
{
    SRect result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
    return result.IsEmpty() ? SRect{} : result;
}

SRect UniteRects(const SRect& a, const SRect& b)
{
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

CRaster::CRaster(QImage& image, const SRect& clip)
    : mImage(image), mClip(IntersectRects(clip, {0, 0, image.width(), image.height()}))
{
}

void CRaster::FillRect(const SRect& rect, SColour colour, EMix mix)
{
    const SRect area = IntersectRects(rect, mClip);
    if (area.IsEmpty())
        return;
    const uint32_t pixel = ToPixel(colour);
    for (int32_t y = area.top; y < area.bottom; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(mImage.scanLine(y));
        for (int32_t x = area.left; x < area.right; ++x)
            row[x] = Mix(row[x], pixel, mix);
    }
    Touch(area);
}

void CRaster::Polyline(const std::vector<SPoint>& points, SColour colour, EMix mix)
{
    const uint32_t pixel = ToPixel(colour);
    for (size_t i = 1; i < points.size(); ++i)
        Segment(points[i - 1], points[i], pixel, mix);
}

// Bresenham's walk from `from` up to, not including, `to`: the next segment starts
// on that point, so a vertex is drawn once, which matters when the mix inverts.
void CRaster::Segment(SPoint from, SPoint to, uint32_t colour, EMix mix)
{
    const int64_t dx = std::abs(int64_t(to.x) - from.x);
    const int64_t dy = -std::abs(int64_t(to.y) - from.y);
    const int32_t stepX = from.x < to.x ? 1 : -1;
    const int32_t stepY = from.y < to.y ? 1 : -1;
    int64_t error = dx + dy;
    int32_t x = from.x;
    int32_t y = from.y;
    while (x != to.x || y != to.y) {
        Plot(x, y, colour, mix);
        const int64_t doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void CRaster::Plot(int32_t x, int32_t y, uint32_t colour, EMix mix)
{
    if (x < mClip.left || x >= mClip.right || y < mClip.top || y >= mClip.bottom)
        return;
    auto* row = reinterpret_cast<uint32_t*>(mImage.scanLine(y));
    row[x] = Mix(row[x], colour, mix);
    Touch({x, y, x + 1, y + 1});
}

void CRaster::CopyPixels(int32_t x, int32_t y, const uint32_t* pixels, int32_t width, int32_t height,
                         const SRect& source)
{
    const SRect from = IntersectRects(source, {0, 0, width, height});
    if (from.IsEmpty() || pixels == nullptr)
        return;
    const SRect target = IntersectRects({x, y, x + from.Width(), y + from.Height()}, mClip);
    if (target.IsEmpty())
        return;
    for (int32_t row = target.top; row < target.bottom; ++row) {
        const int32_t sourceRow = from.top + (row - y);
        const uint32_t* start = pixels + int64_t(sourceRow) * width + from.left + (target.left - x);
        auto* out = reinterpret_cast<uint32_t*>(mImage.scanLine(row)) + target.left;
        std::transform(start, start + target.Width(), out, [](uint32_t pixel) { return pixel | 0xFF000000u; });
    }
    Touch(target);
}

void CRaster::Touch(const SRect& rect)
{
    mTouched = UniteRects(mTouched, rect);
}
