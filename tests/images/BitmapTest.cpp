#include "images/Bitmap.h"
#include "images/ImageHeader.h"
#include "images/PixelFormat.h"
#include "images/RunLength.h"
#include "media/XBase.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const CPixelFormat kFormat(24);

} // namespace

TEST(ImageHeader, MakeImageHeader)
{
    const SImageHeader colour = MakeImageHeader(640, 480, 24);
    EXPECT_EQ(colour.info.size, 40u);
    EXPECT_EQ(colour.info.width, 640);
    EXPECT_EQ(colour.info.height, 480);
    EXPECT_EQ(colour.info.planes, 1);
    EXPECT_EQ(colour.info.bitCount, 24);
    EXPECT_EQ(colour.info.compression, uint32_t(kCompressionNone));
    EXPECT_EQ(colour.info.imageSize, 0u);
    EXPECT_EQ(colour.info.coloursUsed, 0u);
    EXPECT_EQ(colour.GetByteSize(), 40u);

    const SImageHeader indexed = MakeImageHeader(3, 2, 8);
    EXPECT_EQ(indexed.info.compression, uint32_t(kCompressionRLE8));
    EXPECT_EQ(indexed.GetByteSize(), 1064u);
    for (const SColourQuad& quad : indexed.colours)
        ASSERT_EQ(quad.red | quad.green | quad.blue | quad.reserved, 0);
}

TEST(Bitmap, TrueColourRowsAreStoredBottomUp)
{
    SImageHeader header = MakeImageHeader(2, 2, 24);
    const std::vector<uint8_t> pixels = {
        1, 2, 3, 4, 5, 6, 0, 0,     // bottom row: (3,2,1) (6,5,4), padding
        7, 8, 9, 10, 11, 12, 0, 0,  // top row
    };
    const std::unique_ptr<CBitmap> bitmap = MakeBitmap(kFormat, header, pixels.data(), pixels.size());
    EXPECT_EQ(bitmap->GetSize().width, 2);
    EXPECT_EQ(bitmap->GetSize().height, 2);
    EXPECT_EQ(bitmap->GetPixel(0, 0), 0xFF090807u);
    EXPECT_EQ(bitmap->GetPixel(1, 0), 0xFF0C0B0Au);
    EXPECT_EQ(bitmap->GetPixel(0, 1), 0xFF030201u);
    EXPECT_EQ(bitmap->GetPixel(1, 1), 0xFF060504u);

    // One byte short of the two padded rows.
    EXPECT_THROW(MakeBitmap(kFormat, header, pixels.data(), pixels.size() - 1), XBadFormat);
}

TEST(Bitmap, Depth32And16)
{
    const SImageHeader wide = MakeImageHeader(1, 2, 32);
    const std::vector<uint8_t> quads = {0x10, 0x20, 0x30, 0x99, 0x40, 0x50, 0x60, 0};
    const std::unique_ptr<CBitmap> a = MakeBitmap(kFormat, wide, quads.data(), quads.size());
    EXPECT_EQ(a->GetPixel(0, 1), 0xFF302010u); // the spare byte is not colour
    EXPECT_EQ(a->GetPixel(0, 0), 0xFF605040u);

    const SImageHeader narrow = MakeImageHeader(3, 1, 16);
    // 5-5-5: red 31 / green 0 / blue 0; white; red 1, green 2, blue 3; two bytes of padding.
    const std::vector<uint8_t> words = {0x00, 0x7C, 0xFF, 0x7F, 0x43, 0x04, 0, 0};
    const std::unique_ptr<CBitmap> b = MakeBitmap(kFormat, narrow, words.data(), words.size());
    EXPECT_EQ(b->GetPixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(b->GetPixel(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(b->GetPixel(2, 0), 0xFF081018u);
    EXPECT_THROW(MakeBitmap(kFormat, narrow, words.data(), 6), XBadFormat);
}

TEST(Bitmap, IndexedRowsGoThroughTheColourTable)
{
    SImageHeader header = MakeImageHeader(3, 2, 8);
    header.colours[1] = {0x11, 0x22, 0x33, 0};
    header.colours[2] = {0xAA, 0xBB, 0xCC, 0};
    header.colours[255] = {1, 2, 3, 0};
    const std::vector<uint8_t> indices = {1, 2, 255, 2, 2, 1}; // bottom row first
    const std::vector<uint8_t> encoded = EncodeRLE8(indices.data(), 3, 2);
    const std::unique_ptr<CBitmap> bitmap = MakeBitmap(kFormat, header, encoded.data(), encoded.size());
    EXPECT_EQ(bitmap->GetPixel(0, 1), 0xFF332211u);
    EXPECT_EQ(bitmap->GetPixel(1, 1), 0xFFCCBBAAu);
    EXPECT_EQ(bitmap->GetPixel(2, 1), 0xFF030201u);
    EXPECT_EQ(bitmap->GetPixel(0, 0), 0xFFCCBBAAu);
    EXPECT_EQ(bitmap->GetPixel(2, 0), 0xFF332211u);

    // Plain rows, padded to four bytes.
    header.info.compression = kCompressionNone;
    const std::vector<uint8_t> plain = {1, 2, 255, 0, 2, 2, 1, 0};
    const std::unique_ptr<CBitmap> same = MakeBitmap(kFormat, header, plain.data(), plain.size());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(same->GetPixel(x, y), bitmap->GetPixel(x, y));
    EXPECT_THROW(MakeBitmap(kFormat, header, plain.data(), 7), XBadFormat);

    // Run-length data that stops early leaves the rest of the picture at index 0's colour.
    header.info.compression = kCompressionRLE8;
    header.colours[0] = {0, 0, 0xFF, 0};
    const std::vector<uint8_t> partial = {0, 3, 2, 2, 2, 0, 0, 1};
    const std::unique_ptr<CBitmap> cut = MakeBitmap(kFormat, header, partial.data(), partial.size());
    EXPECT_EQ(cut->GetPixel(0, 1), 0xFFCCBBAAu);
    EXPECT_EQ(cut->GetPixel(0, 0), 0xFFFF0000u);
}

TEST(Bitmap, RefusesHeadersItCannotHonour)
{
    const std::vector<uint8_t> pixels(64, 0);
    SImageHeader header = MakeImageHeader(2, 2, 24);
    header.info.planes = 2;
    EXPECT_THROW(MakeBitmap(kFormat, header, pixels.data(), pixels.size()), XBadFormat);
    header = MakeImageHeader(2, 2, 12);
    EXPECT_THROW(MakeBitmap(kFormat, header, pixels.data(), pixels.size()), XBadFormat);
    header = MakeImageHeader(2, 2, 24);
    header.info.compression = kCompressionRLE8;
    EXPECT_THROW(MakeBitmap(kFormat, header, pixels.data(), pixels.size()), XBadFormat);
    header = MakeImageHeader(2, -2, 24);
    EXPECT_THROW(MakeBitmap(kFormat, header, pixels.data(), pixels.size()), XBadFormat);

    EXPECT_THROW(MakeBitmap(kFormat, MakeImageHeader(0, 2, 24), pixels.data(), pixels.size()), XOutOfMemory);
    EXPECT_THROW(MakeBitmap(kFormat, MakeImageHeader(32768, 1, 24), pixels.data(), pixels.size()), XOutOfMemory);
    EXPECT_THROW(CBitmap(1, 40000), XOutOfMemory);

    const CBitmap black(2, 3);
    EXPECT_EQ(black.GetPixel(1, 2), 0xFF000000u);
}
