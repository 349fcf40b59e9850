#include "images/JPEGLoader.h"
#include "images/Palette.h"
#include "images/PixelFormat.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "rc/ProgramResources.h"
#include "tools/ImageSynth.h"

#include "JPEGTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::vector<uint8_t> Photo(int width, int height, uint32_t seed = 7)
{
    return WriteJPEG(MakePhotoLikeImage(width, height, seed));
}

SDecodedImage Decode(uint8_t depth, std::vector<uint8_t> jpeg)
{
    CMemoryMedia media(int32_t(jpeg.size()), jpeg.data());
    return DecodeJPEG(CPixelFormat(depth), media);
}

std::unique_ptr<CBitmap> Load(const CPixelFormat& format, std::vector<uint8_t> jpeg)
{
    CMemoryMedia media(int32_t(jpeg.size()), jpeg.data());
    return LoadJPEG(format, media);
}

CPixelFormat PaletteFormat()
{
    return CPixelFormat(BuildApplicationPalette(MakePaletteColours().data()));
}

// Overwrites the width and height in the frame header of a baseline file.
std::vector<uint8_t> WithSize(std::vector<uint8_t> jpeg, uint16_t width, uint16_t height)
{
    for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = uint8_t(height >> 8);
            jpeg[i + 6] = uint8_t(height);
            jpeg[i + 7] = uint8_t(width >> 8);
            jpeg[i + 8] = uint8_t(width);
            return jpeg;
        }
    }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}

// A medium whose reads fail from the `failAt`-th on, as a broken file would.
class CFailingMedia : public CMemoryMedia {
public:
    CFailingMedia(std::vector<uint8_t>& bytes, int failAt)
        : CMemoryMedia(int32_t(bytes.size()), bytes.data())
        , mLeft(failAt)
    {
    }
    void Read(int32_t size, void* buffer) override
    {
        if (--mLeft <= 0)
            throw XRead();
        CMemoryMedia::Read(size, buffer);
    }

private:
    int mLeft;
};

} // namespace

TEST(JPEGLoader, Depth24RowsAreTheLibrarysPixelsBottomUp)
{
    const std::vector<uint8_t> jpeg = Photo(21, 13);
    const SReferenceImage reference = ReferenceDecode(jpeg);
    const SDecodedImage image = Decode(24, jpeg);

    EXPECT_EQ(image.header.info.size, 40u);
    EXPECT_EQ(image.header.info.width, 21);
    EXPECT_EQ(image.header.info.height, 13);
    EXPECT_EQ(image.header.info.planes, 1);
    EXPECT_EQ(image.header.info.bitCount, 24);
    EXPECT_EQ(image.header.info.compression, uint32_t(kCompressionNone));
    const size_t rowBytes = 64; // 63 rounded up to a multiple of 4
    EXPECT_EQ(image.header.info.imageSize, rowBytes * 13);
    ASSERT_EQ(image.pixels.size(), rowBytes * 13);

    for (int y = 0; y < 13; ++y) {
        const uint8_t* row = image.pixels.data() + (12 - y) * rowBytes;
        for (int x = 0; x < 21; ++x) {
            const uint8_t* rgb = &reference.rgb[(size_t(y) * 21 + x) * 3];
            ASSERT_EQ(row[x * 3 + 0], rgb[2]) << x << "," << y;
            ASSERT_EQ(row[x * 3 + 1], rgb[1]) << x << "," << y;
            ASSERT_EQ(row[x * 3 + 2], rgb[0]) << x << "," << y;
        }
        EXPECT_EQ(row[63], 0) << "pad byte of row " << y;
    }

    const std::unique_ptr<CBitmap> bitmap = Load(CPixelFormat(24), jpeg);
    ASSERT_EQ(bitmap->GetWidth(), 21);
    ASSERT_EQ(bitmap->GetHeight(), 13);
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 21; ++x) {
            const uint8_t* rgb = &reference.rgb[(size_t(y) * 21 + x) * 3];
            ASSERT_EQ(bitmap->GetPixel(x, y), 0xFF000000u | rgb[0] << 16 | rgb[1] << 8 | rgb[2]) << x << "," << y;
        }
    }
}

TEST(JPEGLoader, Depth24RowsArePaddedToFourBytes)
{
    const SDecodedImage image = Decode(24, Photo(5, 3));
    EXPECT_EQ(image.header.info.imageSize, 16u * 3);
    ASSERT_EQ(image.pixels.size(), 16u * 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(image.pixels[row * 16 + 15], 0);
}

TEST(JPEGLoader, Depth32And16HoldTheSameColours)
{
    const std::vector<uint8_t> jpeg = Photo(10, 6);
    const SReferenceImage reference = ReferenceDecode(jpeg);

    const SDecodedImage wide = Decode(32, jpeg);
    EXPECT_EQ(wide.header.info.bitCount, 32);
    ASSERT_EQ(wide.pixels.size(), 40u * 6);
    const SDecodedImage narrow = Decode(16, jpeg);
    EXPECT_EQ(narrow.header.info.bitCount, 16);
    ASSERT_EQ(narrow.pixels.size(), 20u * 6);

    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 10; ++x) {
            const uint8_t* rgb = &reference.rgb[(size_t(y) * 10 + x) * 3];
            const uint8_t* quad = wide.pixels.data() + (5 - y) * 40 + x * 4;
            EXPECT_EQ(quad[0], rgb[2]);
            EXPECT_EQ(quad[1], rgb[1]);
            EXPECT_EQ(quad[2], rgb[0]);
            EXPECT_EQ(quad[3], 0);
            const uint8_t* pair = narrow.pixels.data() + (5 - y) * 20 + x * 2;
            const uint16_t word = uint16_t(pair[0] | pair[1] << 8);
            EXPECT_EQ(word, (rgb[0] >> 3) << 10 | (rgb[1] >> 3) << 5 | rgb[2] >> 3);
        }
    }
}

TEST(JPEGLoader, BitmapsAreThoseOfTheDecodedRows)
{
    SJPEGWriteOptions grey;
    grey.colour = EJPEGColour::kGrayscale;
    const std::vector<std::vector<uint8_t>> pictures = {Photo(37, 11), WriteJPEG(MakePhotoLikeImage(8, 19, 4), grey)};
    for (const std::vector<uint8_t>& jpeg : pictures) {
        for (uint8_t depth : {uint8_t(16), uint8_t(24), uint8_t(32)}) {
            const CPixelFormat format(depth);
            const SDecodedImage image = Decode(depth, jpeg);
            const std::unique_ptr<CBitmap> made = MakeBitmap(format, image.header, image.pixels.data(), image.pixels.size());
            const std::unique_ptr<CBitmap> loaded = Load(format, jpeg);
            ASSERT_EQ(loaded->GetWidth(), made->GetWidth());
            ASSERT_EQ(loaded->GetHeight(), made->GetHeight());
            const size_t count = size_t(made->GetWidth()) * made->GetHeight();
            EXPECT_TRUE(std::equal(made->GetPixels(), made->GetPixels() + count, loaded->GetPixels()))
                << "depth " << int(depth);
        }
    }
}

TEST(JPEGLoader, KnownColoursAtDepths24And32)
{
    // Block centres of flat colour come back within a few steps of what was encoded.
    SJPEGWriteOptions best;
    best.quality = 100;
    const std::vector<uint8_t> jpeg = WriteJPEG(MakeColourBlocks(32, 16), best);
    const struct {
        int x, y;
        uint32_t colour;
    } expected[] = {
        {4, 4, 0xFF0000}, {12, 4, 0x00FF00}, {20, 4, 0x0000FF}, {28, 4, 0xFFFFFF},
        {4, 12, 0xFFFFFF}, {12, 12, 0x000000}, {20, 12, 0xFFFF00}, {28, 12, 0x2878C8},
    };
    for (uint8_t depth : {uint8_t(24), uint8_t(32)}) {
        const std::unique_ptr<CBitmap> bitmap = Load(CPixelFormat(depth), jpeg);
        for (const auto& e : expected) {
            const uint32_t got = bitmap->GetPixel(e.x, e.y);
            EXPECT_EQ(got >> 24, 0xFFu);
            for (int shift : {16, 8, 0}) {
                EXPECT_NEAR(int(got >> shift & 0xFF), int(e.colour >> shift & 0xFF), 4)
                    << "depth " << int(depth) << " at " << e.x << "," << e.y;
            }
        }
    }
}

TEST(JPEGLoader, GreyPicturesComeOutInColour)
{
    SJPEGWriteOptions grey;
    grey.colour = EJPEGColour::kGrayscale;
    const std::vector<uint8_t> jpeg = WriteJPEG(MakePhotoLikeImage(9, 9, 3), grey);
    const SReferenceImage reference = ReferenceDecode(jpeg);
    const std::unique_ptr<CBitmap> bitmap = Load(CPixelFormat(24), jpeg);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const uint32_t level = reference.rgb[(size_t(y) * 9 + x) * 3];
            ASSERT_EQ(bitmap->GetPixel(x, y), 0xFF000000u | level << 16 | level << 8 | level);
        }
    }
    EXPECT_EQ(Load(PaletteFormat(), jpeg)->GetWidth(), 9);
}

TEST(JPEGLoader, Depth8EncodesRowsAsAbsoluteRuns)
{
    const std::vector<uint8_t> jpeg = Photo(3, 4);
    const CPixelFormat format = PaletteFormat();
    CMemoryMedia media(int32_t(jpeg.size()), const_cast<uint8_t*>(jpeg.data()));
    const SDecodedImage image = DecodeJPEG(format, media);

    EXPECT_EQ(image.header.info.bitCount, 8);
    EXPECT_EQ(image.header.info.compression, uint32_t(kCompressionRLE8));
    EXPECT_EQ(image.header.GetByteSize(), 1064u);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(image.header.colours[i].red, format.GetPalette()->GetEntry(i).red);
        EXPECT_EQ(image.header.colours[i].blue, format.GetPalette()->GetEntry(i).blue);
    }
    // Each row: 00 03, three indices, one skipped byte, 00 00; the last 00 00 is 00 01.
    ASSERT_EQ(image.pixels.size(), 8u * 4);
    EXPECT_EQ(image.header.info.imageSize, 8u * 4);
    for (int row = 0; row < 4; ++row) {
        const uint8_t* p = image.pixels.data() + row * 8;
        EXPECT_EQ(p[0], 0);
        EXPECT_EQ(p[1], 3);
        EXPECT_EQ(p[6], 0);
        EXPECT_EQ(p[7], row == 3 ? 1 : 0);
    }
}

TEST(JPEGLoader, Depth8PicksThePalettesColours)
{
    // Pure palette colours come through the quantiser unchanged.
    SJPEGWriteOptions best;
    best.quality = 100;
    SRGBImage flat(24, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x)
            flat.Set(x, y, x < 16 ? 255 : 0, 0, x < 16 ? 0 : 255);
    const std::unique_ptr<CBitmap> bitmap = Load(PaletteFormat(), WriteJPEG(flat, best));
    EXPECT_EQ(bitmap->GetPixel(2, 2), 0xFFFF0000u);
    EXPECT_EQ(bitmap->GetPixel(6, 13), 0xFFFF0000u);
    EXPECT_EQ(bitmap->GetPixel(21, 3), 0xFF0000FFu);

    // A photograph maps every pixel onto some palette colour.
    const CPixelFormat format = PaletteFormat();
    const std::unique_ptr<CBitmap> photo = Load(format, Photo(40, 30));
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const uint32_t pixel = photo->GetPixel(x, y);
            bool found = false;
            for (int i = 0; i < 256 && !found; ++i) {
                const SPaletteEntry& e = format.GetPalette()->GetEntry(i);
                found = pixel == (0xFF000000u | uint32_t(e.red) << 16 | uint32_t(e.green) << 8 | e.blue);
            }
            ASSERT_TRUE(found) << x << "," << y;
        }
    }
}

TEST(JPEGLoader, RefusesWhatIsNoJPEG)
{
    std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0};
    EXPECT_TRUE(ThrowsExactly<XJPegBadFormat>([&] { Decode(24, gif); }));
    EXPECT_TRUE(ThrowsExactly<XJPegBadFormat>([&] { Decode(8, gif); }));

    CMemoryMedia empty(0);
    EXPECT_TRUE(ThrowsExactly<XJPegBadFormat>([&] { LoadJPEG(CPixelFormat(24), empty); }));
    std::vector<uint8_t> jpeg = Photo(8, 8);
    CMemoryMedia atEnd(int32_t(jpeg.size()), jpeg.data());
    atEnd.SetPosition(atEnd.GetSize());
    EXPECT_TRUE(ThrowsExactly<XJPegBadFormat>([&] { LoadJPEG(PaletteFormat(), atEnd); }));
}

TEST(JPEGLoader, RefusesArithmeticCoding)
{
    for (EJPEGProcess process : {EJPEGProcess::kSequential, EJPEGProcess::kProgressive}) {
        SJPEGWriteOptions arithmetic;
        arithmetic.coding = EJPEGCoding::kArithmetic;
        arithmetic.process = process;
        const std::vector<uint8_t> jpeg = WriteJPEG(MakePhotoLikeImage(16, 16, 1), arithmetic);
        ASSERT_NO_THROW(ReferenceDecode(jpeg)); // the library itself would decode it
        EXPECT_TRUE(ThrowsExactly<XJPegInternalError>([&] { Decode(24, jpeg); }));
        EXPECT_TRUE(ThrowsExactly<XJPegInternalError>([&] { Load(PaletteFormat(), jpeg); }));
    }
}

TEST(JPEGLoader, FourColourPicturesAreUnsupported)
{
    // The library cannot turn ink colours into screen colours.
    SJPEGWriteOptions inks;
    inks.colour = EJPEGColour::kCMYK;
    const std::vector<uint8_t> jpeg = WriteJPEG(MakePhotoLikeImage(16, 8, 9), inks);
    EXPECT_TRUE(ThrowsExactly<XJPegUnsupportedFormat>([&] { Load(CPixelFormat(24), jpeg); }));
    EXPECT_TRUE(ThrowsExactly<XJPegUnsupportedFormat>([&] { Decode(16, jpeg); }));
    EXPECT_TRUE(ThrowsExactly<XJPegUnsupportedFormat>([&] { Load(PaletteFormat(), jpeg); }));
}

TEST(JPEGLoader, DepthsItCannotStoreReadTooFewScanlines)
{
    for (uint8_t depth : {0, 1, 4, 15, 48, 255})
        EXPECT_TRUE(ThrowsExactly<XJPegBadFormat>([&] { Decode(depth, Photo(12, 7)); })) << int(depth);
}

TEST(JPEGLoader, TruncatedStreamsKeepTheirFullSize)
{
    std::vector<uint8_t> jpeg = Photo(64, 48);
    jpeg.resize(jpeg.size() / 2);
    ::testing::internal::CaptureStderr();
    const std::unique_ptr<CBitmap> colour = Load(CPixelFormat(24), jpeg);
    const std::unique_ptr<CBitmap> indexed = Load(PaletteFormat(), jpeg);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), ""); // the library's warning is not shown
    EXPECT_EQ(colour->GetWidth(), 64);
    EXPECT_EQ(colour->GetHeight(), 48);
    EXPECT_EQ(indexed->GetWidth(), 64);
    EXPECT_EQ(indexed->GetHeight(), 48);

    // What there is decodes as the library decodes it, the first rows as in the whole file.
    const SReferenceImage reference = ReferenceDecode(jpeg);
    const std::unique_ptr<CBitmap> whole = Load(CPixelFormat(24), Photo(64, 48));
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            const uint8_t* rgb = &reference.rgb[(size_t(y) * 64 + x) * 3];
            ASSERT_EQ(colour->GetPixel(x, y), 0xFF000000u | rgb[0] << 16 | rgb[1] << 8 | rgb[2]) << x << "," << y;
        }
    }
    EXPECT_EQ(colour->GetPixel(0, 0), whole->GetPixel(0, 0));
    EXPECT_NE(colour->GetPixel(63, 47), whole->GetPixel(63, 47));
}

TEST(JPEGLoader, RefusesSizesABitmapCannotHave)
{
    const std::vector<uint8_t> jpeg = Photo(16, 16);
    EXPECT_TRUE(ThrowsExactly<XJPegOutOfMemory>([&] { Decode(24, WithSize(jpeg, 32768, 16)); }));
    EXPECT_TRUE(ThrowsExactly<XJPegOutOfMemory>([&] { Decode(24, WithSize(jpeg, 16, 65000)); }));
    // Within the sides but beyond the largest picture decoded.
    EXPECT_TRUE(ThrowsExactly<XJPegOutOfMemory>([&] { Decode(32, WithSize(jpeg, 30000, 30000)); }));
    EXPECT_TRUE(ThrowsExactly<XJPegOutOfMemory>([&] { Load(CPixelFormat(24), WithSize(jpeg, 16384, 4097)); }));
    EXPECT_TRUE(ThrowsExactly<XJPegOutOfMemory>([&] { Decode(16, WithSize(jpeg, 4097, 16384)); }));
    EXPECT_TRUE(ThrowsExactly<XJPegOutOfMemory>([&] { Load(PaletteFormat(), WithSize(jpeg, 30000, 30000)); }));
    EXPECT_TRUE(ThrowsExactly<XJPegOutOfMemory>([&] { Decode(15, WithSize(jpeg, 30000, 30000)); }));
}

TEST(JPEGLoader, ReadsFromTheMediumsPosition)
{
    std::vector<uint8_t> bytes = {'j', 'u', 'n', 'k'};
    const std::vector<uint8_t> jpeg = Photo(17, 5);
    bytes.insert(bytes.end(), jpeg.begin(), jpeg.end());
    CMemoryMedia media(int32_t(bytes.size()), bytes.data());
    media.SetPosition(4);
    const std::unique_ptr<CBitmap> bitmap = LoadJPEG(CPixelFormat(24), media);
    EXPECT_EQ(bitmap->GetWidth(), 17);
    EXPECT_EQ(media.GetPosition(), media.GetSize());
}

TEST(JPEGLoader, AFailingMediumFailsTheLoad)
{
    std::vector<uint8_t> jpeg = Photo(200, 150); // more than one piece of 4096 bytes
    ASSERT_GT(jpeg.size(), 8192u);
    for (int failAt : {1, 2, 3}) {
        CFailingMedia media(jpeg, failAt);
        EXPECT_TRUE(ThrowsExactly<XRead>([&] { LoadJPEG(CPixelFormat(32), media); })) << failAt;
        CFailingMedia again(jpeg, failAt);
        EXPECT_TRUE(ThrowsExactly<XRead>([&] { LoadJPEG(PaletteFormat(), again); })) << failAt;
    }
}

TEST(JPEGLoader, LoadsTheSplashPictureFromTheProgram)
{
    InstallProgramResources();
    const std::unique_ptr<CBitmap> splash = LoadJPEGResource(GetScreenPixelFormat(), 900);
    EXPECT_EQ(splash->GetWidth(), 400);
    EXPECT_EQ(splash->GetHeight(), 240);
    EXPECT_TRUE(ThrowsExactly<XBase>([] { LoadJPEGResource(CPixelFormat(24), 901); }));
    EmbeddedResources::Install(nullptr, 0);
}
