#pragma once

// Our own JPEG fixtures and the library's own decoding of them, to hold the
// loader's output against.

#include "tools/JPEGWriter.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

struct SReferenceImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // red, green, blue; rows top-down
};

// Decodes with the library directly, red-green-blue output, nothing of ours involved.
inline SReferenceImage ReferenceDecode(const std::vector<uint8_t>& jpeg)
{
    struct SGuard {
        jpeg_decompress_struct cinfo{};
        jpeg_error_mgr error{};
        ~SGuard() { jpeg_destroy_decompress(&cinfo); }
    } guard;
    guard.cinfo.err = jpeg_std_error(&guard.error);
    guard.error.error_exit = [](j_common_ptr) { throw std::runtime_error("reference decode failed"); };
    guard.error.output_message = [](j_common_ptr) {};
    jpeg_create_decompress(&guard.cinfo);
    jpeg_mem_src(&guard.cinfo, jpeg.data(), jpeg.size());
    jpeg_read_header(&guard.cinfo, TRUE);
    guard.cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&guard.cinfo);
    SReferenceImage image;
    image.width = int(guard.cinfo.output_width);
    image.height = int(guard.cinfo.output_height);
    image.rgb.resize(size_t(image.width) * image.height * 3);
    while (guard.cinfo.output_scanline < guard.cinfo.output_height) {
        JSAMPROW row = image.rgb.data() + size_t(guard.cinfo.output_scanline) * image.width * 3;
        jpeg_read_scanlines(&guard.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&guard.cinfo);
    return image;
}

// Flat 8 x 8 blocks of strong colours: what the library gives back for them
// stays within a few steps of what went in.
inline SRGBImage MakeColourBlocks(int width, int height)
{
    static const uint8_t kColours[][3] = {
        {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {0, 0, 0}, {255, 255, 0}, {40, 120, 200},
    };
    SRGBImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t* c = kColours[(x / 8 + 3 * (y / 8)) % 7];
            image.Set(x, y, c[0], c[1], c[2]);
        }
    }
    return image;
}

#include <gtest/gtest.h>

#include <exception>
#include <typeinfo>

// Passes when `action` throws exactly a T: the exception's class is the report,
// so a subclass or a base class is a different answer.
template <class T, class F>
::testing::AssertionResult ThrowsExactly(F action)
{
    try {
        action();
    } catch (const std::exception& e) {
        if (typeid(e) == typeid(T))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "threw " << typeid(e).name() << " instead of " << typeid(T).name();
    } catch (...) {
        return ::testing::AssertionFailure() << "threw something that is no exception";
    }
    return ::testing::AssertionFailure() << "threw nothing";
}
