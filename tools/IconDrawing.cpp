#include "tools/IconDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kSamplesPerAxis = 4;

bool SameColour(CIconDrawing::SColour a, CIconDrawing::SColour b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

std::string Hex(CIconDrawing::SColour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

uint8_t Mix(uint8_t from, uint8_t to, double t)
{
    return uint8_t(std::lround(from + (to - from) * t));
}

} // namespace

void CIconDrawing::AddRoundRect(SPoint topLeft, SPoint bottomRight, double cornerRadius, SColour top, SColour bottom)
{
    mShapes.push_back({EKind::kRoundRect, {topLeft, bottomRight}, cornerRadius, top, bottom, topLeft.y, bottomRight.y});
}

void CIconDrawing::AddCircle(SPoint centre, double radius, SColour colour)
{
    mShapes.push_back({EKind::kCircle, {centre}, radius, colour, colour, centre.y - radius, centre.y + radius});
}

void CIconDrawing::AddPolygon(std::vector<SPoint> corners, SColour top, SColour bottom)
{
    const auto [lowest, highest] = std::minmax_element(corners.begin(), corners.end(),
                                                       [](SPoint a, SPoint b) { return a.y < b.y; });
    const double minY = lowest->y;
    const double maxY = highest->y;
    mShapes.push_back({EKind::kPolygon, std::move(corners), 0.0, top, bottom, minY, maxY});
}

bool CIconDrawing::Contains(const SShape& shape, SPoint point)
{
    switch (shape.kind) {
    case EKind::kCircle: {
        const double dx = point.x - shape.points[0].x;
        const double dy = point.y - shape.points[0].y;
        return dx * dx + dy * dy <= shape.radius * shape.radius;
    }
    case EKind::kRoundRect: {
        const SPoint a = shape.points[0];
        const SPoint b = shape.points[1];
        if (point.x < a.x || point.x > b.x || point.y < a.y || point.y > b.y)
            return false;
        // Inside the rectangle; in a corner square only within the quarter circle.
        const double cx = std::clamp(point.x, a.x + shape.radius, b.x - shape.radius);
        const double cy = std::clamp(point.y, a.y + shape.radius, b.y - shape.radius);
        const double dx = point.x - cx;
        const double dy = point.y - cy;
        return dx * dx + dy * dy <= shape.radius * shape.radius;
    }
    case EKind::kPolygon: {
        // Even-odd crossings of a ray to the right; our polygons are simple, so
        // this agrees with the SVG default fill rule.
        bool inside = false;
        const std::vector<SPoint>& p = shape.points;
        for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
            if ((p[i].y > point.y) != (p[j].y > point.y)
                && point.x < (p[j].x - p[i].x) * (point.y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
                inside = !inside;
        }
        return inside;
    }
    }
    return false;
}

CIconDrawing::SColour CIconDrawing::ColourAt(const SShape& shape, double y)
{
    const double span = shape.maxY - shape.minY;
    const double t = span > 0 ? std::clamp((y - shape.minY) / span, 0.0, 1.0) : 0.0;
    return {Mix(shape.top.red, shape.bottom.red, t), Mix(shape.top.green, shape.bottom.green, t),
            Mix(shape.top.blue, shape.bottom.blue, t)};
}

SRGBAImage CIconDrawing::Rasterise(int size) const
{
    SRGBAImage image(size, size);
    const double scale = kUnits / size;
    const int samples = kSamplesPerAxis * kSamplesPerAxis;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int covered = 0;
            int red = 0, green = 0, blue = 0;
            for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
                for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
                    const SPoint point{(x + (sx + 0.5) / kSamplesPerAxis) * scale,
                                       (y + (sy + 0.5) / kSamplesPerAxis) * scale};
                    // The last shape that covers the sample is the one on top.
                    const auto top = std::find_if(mShapes.rbegin(), mShapes.rend(),
                                                  [&](const SShape& shape) { return Contains(shape, point); });
                    if (top == mShapes.rend())
                        continue;
                    const SColour colour = ColourAt(*top, point.y);
                    red += colour.red;
                    green += colour.green;
                    blue += colour.blue;
                    ++covered;
                }
            }
            uint8_t* pixel = image.Pixel(x, y);
            if (covered == 0)
                continue;
            pixel[0] = uint8_t((red + covered / 2) / covered);
            pixel[1] = uint8_t((green + covered / 2) / covered);
            pixel[2] = uint8_t((blue + covered / 2) / covered);
            pixel[3] = uint8_t((covered * 255 + samples / 2) / samples);
        }
    }
    return image;
}

std::string CIconDrawing::ShapeToSVG(const SShape& shape, const std::string& fill)
{
    const std::string paint = " fill=\"" + fill + "\"/>\n";
    switch (shape.kind) {
    case EKind::kCircle:
        return "  <circle cx=\"" + Number(shape.points[0].x) + "\" cy=\"" + Number(shape.points[0].y) + "\" r=\""
            + Number(shape.radius) + "\"" + paint;
    case EKind::kRoundRect: {
        const SPoint a = shape.points[0];
        const SPoint b = shape.points[1];
        std::string text = "  <rect x=\"" + Number(a.x) + "\" y=\"" + Number(a.y) + "\" width=\"" + Number(b.x - a.x)
            + "\" height=\"" + Number(b.y - a.y) + "\"";
        if (shape.radius > 0)
            text += " rx=\"" + Number(shape.radius) + "\"";
        return text + paint;
    }
    case EKind::kPolygon: {
        std::string points;
        for (const SPoint& p : shape.points)
            points += (points.empty() ? "" : " ") + Number(p.x) + "," + Number(p.y);
        return "  <polygon points=\"" + points + "\"" + paint;
    }
    }
    return {};
}

std::string CIconDrawing::ToSVG() const
{
    std::string gradients;
    std::string body;
    int gradientCount = 0;
    for (const SShape& shape : mShapes) {
        std::string fill = Hex(shape.top);
        if (!SameColour(shape.top, shape.bottom)) {
            // The default bounding-box units run the gradient over the shape's own
            // height, as the raster does.
            const std::string id = "shade" + std::to_string(++gradientCount);
            gradients += "    <linearGradient id=\"" + id + "\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
                         "      <stop offset=\"0\" stop-color=\"" + Hex(shape.top) + "\"/>\n"
                         "      <stop offset=\"1\" stop-color=\"" + Hex(shape.bottom) + "\"/>\n"
                         "    </linearGradient>\n";
            fill = "url(#" + id + ")";
        }
        body += ShapeToSVG(shape, fill);
    }
    const std::string size = Number(kUnits);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + size + "\" height=\"" + size
        + "\" viewBox=\"0 0 " + size + " " + size + "\">\n";
    if (!gradients.empty())
        svg += "  <defs>\n" + gradients + "  </defs>\n";
    return svg + body + "</svg>\n";
}

CIconDrawing MakeProgramIcon()
{
    using SColour = CIconDrawing::SColour;
    const SColour star{236, 230, 208};
    const SColour lamp{250, 210, 90};
    const SColour strap{150, 88, 32};

    CIconDrawing icon;
    // Night sky, darker at the top, as on the splash picture.
    icon.AddRoundRect({2, 2}, {46, 46}, 9, {22, 18, 66}, {88, 54, 152});
    for (const CIconDrawing::SPoint at : {CIconDrawing::SPoint{9, 11}, {15, 6.5}, {36, 8}, {41, 16}, {8, 22}, {33, 19}})
        icon.AddCircle(at, 0.9, star);

    // The tower: a tapering shaft on the ground line, a mast and a red beacon.
    icon.AddPolygon({{20.5, 14}, {27.5, 14}, {31.5, 46}, {16.5, 46}}, {46, 40, 64}, {18, 15, 28});
    icon.AddRoundRect({23.2, 9}, {24.8, 14}, 0, {46, 40, 64}, {46, 40, 64});
    icon.AddCircle({24, 9}, 2.6, {222, 52, 46});
    for (const double top : {18.0, 26.0, 34.0})
        icon.AddRoundRect({22.5, top}, {25.5, top + 4}, 0.6, lamp, lamp);

    // The mod: a tied parcel stowed at the tower's foot.
    icon.AddRoundRect({28, 31}, {42, 43}, 1.5, {240, 182, 74}, {198, 122, 42});
    icon.AddRoundRect({28, 34.2}, {42, 35.6}, 0, strap, strap);
    icon.AddRoundRect({34.3, 31}, {35.7, 43}, 0, strap, strap);
    return icon;
}
