#include "images/Bitmap.h"
#include "images/PixelFormat.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <vector>

// MakeBitmap keeps true colour whatever the format.
static const CPixelFormat kFormat(24);

TEST(Bitmap, DecodesEachDepthBottomUp)
{
    SImageHeader header;
    header.colours[0] = {0, 0, 0xFF, 0};
    header.colours[1] = {0x11, 0x22, 0x33, 0};
    header.colours[2] = {0xAA, 0xBB, 0xCC, 0};
    header.colours[255] = {1, 2, 3, 0};
    const uint32_t c0 = 0xFFFF0000u, c1 = 0xFF332211u, c2 = 0xFFCCBBAAu, c255 = 0xFF030201u;
    const struct { uint16_t depth; uint32_t compression; int width; std::vector<uint8_t> block; std::vector<uint32_t> pixels; } cases[] = {
        // Blue, green, red; rows padded to four bytes.
        {24, kCompressionNone, 2, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0},
         {0xFF090807u, 0xFF0C0B0Au, 0xFF030201u, 0xFF060504u}},
        // The fourth byte is not colour.
        {32, kCompressionNone, 1, {0x10, 0x20, 0x30, 0x99, 0x40, 0x50, 0x60, 0}, {0xFF605040u, 0xFF302010u}},
        // 5-5-5: full red, white (full intensity stays full), then red 1, green 2, blue 3.
        {16, kCompressionNone, 3, {0x43, 0x04, 0x43, 0x04, 0x43, 0x04, 0, 0, 0x00, 0x7C, 0xFF, 0x7F, 0x43, 0x04, 0, 0},
         {0xFFFF0000u, 0xFFFFFFFFu, 0xFF081018u, 0xFF081018u, 0xFF081018u, 0xFF081018u}},
        // Colour table indices, plain and run-length: an absolute run, then a run of one colour.
        {8, kCompressionNone, 3, {1, 2, 255, 0, 2, 2, 1, 0}, {c2, c2, c1, c1, c2, c255}},
        {8, kCompressionRLE8, 3, {0, 3, 1, 2, 255, 0, 0, 0, 2, 2, 1, 1, 0, 1}, {c2, c2, c1, c1, c2, c255}},
        // Run-length data that stops early leaves the rest at index 0's colour.
        {8, kCompressionRLE8, 3, {0, 3, 2, 2, 2, 0, 0, 1}, {c0, c0, c0, c2, c2, c2}},
    };
    for (const auto& c : cases) {
        header.info.width = c.width;
        header.info.height = int32_t(c.pixels.size()) / c.width;
        header.info.bitCount = c.depth;
        header.info.compression = c.compression;
        const std::unique_ptr<CBitmap> bitmap = MakeBitmap(kFormat, header, c.block.data(), c.block.size());
        ASSERT_EQ(bitmap->GetWidth(), c.width);
        ASSERT_EQ(bitmap->GetHeight(), header.info.height);
        EXPECT_EQ(std::vector<uint32_t>(bitmap->GetPixels(), bitmap->GetPixels() + c.pixels.size()), c.pixels)
            << "depth " << c.depth;
        // Uncompressed rows one byte short of the block they need.
        if (c.compression == kCompressionNone) {
            EXPECT_THROW(MakeBitmap(kFormat, header, c.block.data(), c.block.size() - 1), XBadFormat) << c.depth;
        }
    }
}

TEST(Bitmap, RefusesHeadersItCannotHonour)
{
    const std::vector<uint8_t> pixels(64, 0);
    const auto make = [&](SImageInfoHeader info) { MakeBitmap(kFormat, {info}, pixels.data(), pixels.size()); };
    const SImageInfoHeader refused[] = {
        {.size = 12, .width = 2, .height = 2, .bitCount = 24},
        {.width = 2, .height = 2, .planes = 2, .bitCount = 24},
        {.width = 2, .height = -2, .bitCount = 24},
        {.width = 2, .height = 2, .bitCount = 12},
        {.width = 2, .height = 2, .bitCount = 24, .compression = kCompressionRLE8},
        {.width = 2, .height = 2, .bitCount = 8, .compression = 2},
    };
    for (const SImageInfoHeader& info : refused)
        EXPECT_THROW(make(info), XBadFormat) << info.bitCount;
    EXPECT_THROW(make({.width = 0, .height = 2, .bitCount = 24}), XOutOfMemory);
    EXPECT_THROW(make({.width = 32768, .height = 1, .bitCount = 24}), XOutOfMemory);
    EXPECT_THROW(CBitmap(1, 40000), XOutOfMemory);
    EXPECT_EQ(CBitmap(2, 3).GetPixel(1, 2), 0xFF000000u); // new bitmaps are black
}
