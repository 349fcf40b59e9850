#include "tools/PNGWriter.h"

#include <stdexcept>
#include <string>

#include <png.h>

SRGBAImage::SRGBAImage(int w, int h)
    : width(w)
    , height(h)
    , pixels(size_t(w) * size_t(h) * 4)
{
}

std::vector<uint8_t> WritePNG(const SRGBAImage& image)
{
    // The library's simplified interface reports failures in the image record
    // instead of jumping out of our frames.
    png_image record{};
    record.version = PNG_IMAGE_VERSION;
    record.width = png_uint_32(image.width);
    record.height = png_uint_32(image.height);
    record.format = PNG_FORMAT_RGBA;

    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&record, nullptr, &size, 0, image.pixels.data(), 0, nullptr))
        throw std::runtime_error(std::string("PNG compression failed: ") + record.message);
    std::vector<uint8_t> bytes(size);
    if (!png_image_write_to_memory(&record, bytes.data(), &size, 0, image.pixels.data(), 0, nullptr))
        throw std::runtime_error(std::string("PNG compression failed: ") + record.message);
    bytes.resize(size);
    return bytes;
}
