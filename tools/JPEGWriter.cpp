#include "tools/JPEGWriter.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

SRGBImage::SRGBImage(int w, int h)
    : width(w)
    , height(h)
    , pixels(size_t(w) * size_t(h) * 3)
{
}

void SRGBImage::Set(int x, int y, uint8_t red, uint8_t green, uint8_t blue)
{
    uint8_t* pixel = Row(y) + size_t(x) * 3;
    pixel[0] = red;
    pixel[1] = green;
    pixel[2] = blue;
}

namespace {

// The library's default error exit ends the process; a tool or a test wants to
// hear about the failure instead.
[[noreturn]] void ThrowOnError(j_common_ptr cinfo)
{
    char message[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, message);
    throw std::runtime_error(std::string("JPEG compression failed: ") + message);
}

void Silent(j_common_ptr) {}

struct SCompressor {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;

    ~SCompressor()
    {
        jpeg_destroy_compress(&cinfo);
        std::free(output);
    }
};

} // namespace

std::vector<uint8_t> WriteJPEG(const SRGBImage& image, const SJPEGWriteOptions& options)
{
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != size_t(image.width) * size_t(image.height) * 3)
        throw std::runtime_error("WriteJPEG: the picture has no pixels or the wrong number");

    SCompressor c;
    c.cinfo.err = jpeg_std_error(&c.error);
    c.error.error_exit = ThrowOnError;
    c.error.output_message = Silent;
    jpeg_create_compress(&c.cinfo);
    jpeg_mem_dest(&c.cinfo, &c.output, &c.outputSize);

    c.cinfo.image_width = JDIMENSION(image.width);
    c.cinfo.image_height = JDIMENSION(image.height);
    // Four-colour files carry the inverted red, green and blue, and no black.
    const bool cmyk = options.colour == EJPEGColour::kCMYK;
    c.cinfo.input_components = cmyk ? 4 : 3;
    c.cinfo.in_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&c.cinfo);
    jpeg_set_quality(&c.cinfo, options.quality, TRUE);
    if (options.colour == EJPEGColour::kGrayscale)
        jpeg_set_colorspace(&c.cinfo, JCS_GRAYSCALE);
    if (options.coding == EJPEGCoding::kArithmetic)
        c.cinfo.arith_code = TRUE;
    if (options.process == EJPEGProcess::kProgressive)
        jpeg_simple_progression(&c.cinfo);
    c.cinfo.restart_in_rows = options.restartRows;

    jpeg_start_compress(&c.cinfo, TRUE);
    std::vector<uint8_t> inks(cmyk ? size_t(image.width) * 4 : 0);
    while (c.cinfo.next_scanline < c.cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.Row(int(c.cinfo.next_scanline)));
        if (cmyk) {
            for (int x = 0; x < image.width; ++x) {
                for (int i = 0; i < 3; ++i)
                    inks[size_t(x) * 4 + size_t(i)] = uint8_t(255 - row[x * 3 + i]);
                inks[size_t(x) * 4 + 3] = 0;
            }
            row = inks.data();
        }
        jpeg_write_scanlines(&c.cinfo, &row, 1);
    }
    jpeg_finish_compress(&c.cinfo);
    return std::vector<uint8_t>(c.output, c.output + c.outputSize);
}
