#include "tools/ImageSynth.h"
#include "tools/XorShift.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

uint8_t ToByte(double value)
{
    return uint8_t(std::lround(std::clamp(value, 0.0, 255.0)));
}

struct SBlob {
    double x, y, radius;
    double red, green, blue;
};

} // namespace

SRGBImage MakePhotoLikeImage(int width, int height, uint32_t seed)
{
    SRGBImage image(width, height);
    CXorShift random(seed);

    // A sky running into a horizon, hills made of a few sines, blobs standing in
    // for objects, and grain on top.
    const double horizon = 0.45 + 0.2 * random.Unit();
    const double phase1 = random.Unit() * 6.283;
    const double phase2 = random.Unit() * 6.283;
    std::vector<SBlob> blobs(6);
    for (SBlob& blob : blobs) {
        blob.x = random.Unit() * width;
        blob.y = random.Unit() * height;
        blob.radius = (0.1 + 0.4 * random.Unit()) * std::min(width, height) + 2.0;
        blob.red = 255.0 * random.Unit();
        blob.green = 255.0 * random.Unit();
        blob.blue = 255.0 * random.Unit();
    }

    for (int y = 0; y < height; ++y) {
        const double v = height > 1 ? double(y) / (height - 1) : 0.0;
        for (int x = 0; x < width; ++x) {
            const double u = width > 1 ? double(x) / (width - 1) : 0.0;
            const double hill = horizon + 0.08 * std::sin(u * 9.0 + phase1) + 0.04 * std::sin(u * 23.0 + phase2);
            double red, green, blue;
            if (v < hill) {
                red = 70 + 120 * v;
                green = 120 + 90 * v;
                blue = 220 - 40 * v;
            } else {
                const double depth = (v - hill) / std::max(1e-6, 1.0 - hill);
                red = 60 + 80 * depth + 30 * std::sin(u * 40.0 + depth * 7.0);
                green = 110 + 40 * std::sin(u * 17.0 - depth * 5.0);
                blue = 40 + 30 * depth;
            }
            for (const SBlob& blob : blobs) {
                const double dx = x - blob.x;
                const double dy = y - blob.y;
                const double weight = std::exp(-(dx * dx + dy * dy) / (2.0 * blob.radius * blob.radius));
                red += (blob.red - red) * weight * 0.8;
                green += (blob.green - green) * weight * 0.8;
                blue += (blob.blue - blue) * weight * 0.8;
            }
            const double grain = (random.Unit() - 0.5) * 18.0;
            image.Set(x, y, ToByte(red + grain), ToByte(green + grain), ToByte(blue + grain));
        }
    }
    return image;
}

namespace {

// 5 x 7 block letters for the name, one string of 35 cells per letter.
const char* Glyph(char letter)
{
    switch (letter) {
    case 'M': return "X...XXX.XXX.X.XX...XX...XX...XX...X";
    case 'O': return ".XXX.X...XX...XX...XX...XX...X.XXX.";
    case 'D': return "XXXX.X...XX...XX...XX...XX...XXXXX.";
    case 'S': return ".XXXXX....X.....XXX.....X....XXXXX.";
    case 'T': return "XXXXX..X....X....X....X....X....X..";
    case 'W': return "X...XX...XX...XX.X.XX.X.XXX.XXX...X";
    case 'E': return "XXXXXX....X....XXXX.X....X....XXXXX";
    case 'R': return "XXXX.X...XX...XXXXX.X.X..X..X.X...X";
    default: return "...................................";
    }
}

void FillRect(SRGBImage& image, int left, int top, int right, int bottom, uint8_t red, uint8_t green, uint8_t blue)
{
    for (int y = std::max(0, top); y < std::min(image.height, bottom); ++y)
        for (int x = std::max(0, left); x < std::min(image.width, right); ++x)
            image.Set(x, y, red, green, blue);
}

} // namespace

SRGBImage MakeSplashImage()
{
    const int width = 400;
    const int height = 240;
    SRGBImage image(width, height);
    CXorShift random(2024);

    for (int y = 0; y < height; ++y) {
        const double v = double(y) / (height - 1);
        for (int x = 0; x < width; ++x)
            image.Set(x, y, ToByte(20 + 60 * v), ToByte(16 + 30 * v), ToByte(70 + 80 * v));
    }
    for (int star = 0; star < 90; ++star) {
        const int x = int(random.Next() % width);
        const int y = int(random.Next() % (height / 2));
        const uint8_t light = uint8_t(170 + random.Next() % 86);
        image.Set(x, y, light, light, light);
    }

    // The tower: a tapering shaft with lit windows and a beacon on top.
    const int centre = 320;
    for (int y = 60; y < height; ++y) {
        const int half = 10 + (y - 60) / 8;
        FillRect(image, centre - half, y, centre + half, y + 1, 30, 26, 40);
    }
    for (int y = 80; y < height - 10; y += 18)
        FillRect(image, centre - 3, y, centre + 3, y + 8, 250, 210, 90);
    FillRect(image, centre - 3, 46, centre + 3, 60, 200, 40, 40);

    // The name, block letters of 5 x 5 pixel cells with a soft shadow.
    const char* name = "MODSTOWER";
    const int cell = 5;
    const int left = 24;
    const int top = 150;
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 2 : 0;
        for (int i = 0; name[i] != 0; ++i) {
            const char* glyph = Glyph(name[i]);
            for (int row = 0; row < 7; ++row) {
                for (int column = 0; column < 5; ++column) {
                    if (glyph[row * 5 + column] != 'X')
                        continue;
                    const int x = left + i * 6 * cell + column * cell + offset;
                    const int y = top + row * cell + offset;
                    if (pass == 0)
                        FillRect(image, x, y, x + cell, y + cell, 10, 8, 20);
                    else
                        FillRect(image, x, y, x + cell, y + cell, 235, 225, 200);
                }
            }
        }
    }
    return image;
}

std::vector<uint8_t> MakePaletteColours()
{
    std::vector<uint8_t> colours;
    colours.reserve(236 * 3);
    for (int red = 0; red < 6; ++red) {
        for (int green = 0; green < 6; ++green) {
            for (int blue = 0; blue < 6; ++blue) {
                colours.push_back(uint8_t(red * 51));
                colours.push_back(uint8_t(green * 51));
                colours.push_back(uint8_t(blue * 51));
            }
        }
    }
    // Greys that the cube lacks: 12, 24, ... 240, skipping the cube's own 51 steps.
    for (int level = 12; colours.size() < 236 * 3; level += 12) {
        if (level % 51 == 0)
            continue;
        colours.insert(colours.end(), 3, uint8_t(level));
    }
    return colours;
}
