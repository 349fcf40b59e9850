#pragma once

#include "tools/PNGWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// A drawing of flat, opaque shapes on a square of `kUnits` units, painted in
// order. One drawing gives both the raster icon and the scalable one, so the
// two always show the same picture.
class CIconDrawing {
public:
    static constexpr double kUnits = 48.0;

    struct SColour {
        uint8_t red, green, blue;
    };
    struct SPoint {
        double x, y;
    };

    // Each shape fills with a vertical gradient from `top` at its upper edge to
    // `bottom` at its lower edge; pass one colour twice for a flat fill.
    void AddRoundRect(SPoint topLeft, SPoint bottomRight, double cornerRadius, SColour top, SColour bottom);
    void AddCircle(SPoint centre, double radius, SColour colour);
    void AddPolygon(std::vector<SPoint> corners, SColour top, SColour bottom);

    // `size` × `size` pixels, each the average of 4 × 4 samples, so edges are
    // smooth and what no shape covers stays transparent.
    SRGBAImage Rasterise(int size) const;
    // The same drawing as an SVG document of kUnits × kUnits.
    std::string ToSVG() const;

private:
    enum class EKind { kRoundRect, kCircle, kPolygon };
    struct SShape {
        EKind kind;
        std::vector<SPoint> points; // rectangle: two corners; circle: the centre; polygon: the corners
        double radius;              // of the rectangle's corners or of the circle
        SColour top, bottom;
        double minY, maxY;          // the extent the gradient runs over
    };

    static bool Contains(const SShape& shape, SPoint point);
    static SColour ColourAt(const SShape& shape, double y);
    static std::string ShapeToSVG(const SShape& shape, const std::string& fill);

    std::vector<SShape> mShapes;
};

// The program's icon: a tower under a night sky with a mod parcel at its foot,
// the motif of the splash picture.
CIconDrawing MakeProgramIcon();
