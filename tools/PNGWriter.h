#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A picture with coverage: four samples per pixel, red, green, blue and alpha
// (not premultiplied), rows top-down without padding.
struct SRGBAImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    SRGBAImage() = default;
    SRGBAImage(int w, int h);

    uint8_t* Pixel(int x, int y) { return pixels.data() + (size_t(y) * size_t(width) + size_t(x)) * 4; }
    const uint8_t* Pixel(int x, int y) const { return pixels.data() + (size_t(y) * size_t(width) + size_t(x)) * 4; }
};

// Compresses `image` into a PNG file's bytes with the system's PNG library;
// throws std::runtime_error when the library refuses.
std::vector<uint8_t> WritePNG(const SRGBAImage& image);
