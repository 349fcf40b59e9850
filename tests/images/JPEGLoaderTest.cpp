#include "images/JPEGErrorManager.h"
#include "images/JPEGLoader.h"
#include "images/Palette.h"
#include "images/PixelFormat.h"
#include "media/MemoryMedia.h"
#include "media/XBase.h"
#include "platform/system/EmbeddedResources.h"
#include "rc/ProgramResources.h"
#include "tools/ImageSynth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <set>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include <jpeglib.h>
// After jpeglib.h: its configuration decides which codes exist.
#include <jerror.h>

namespace {

// The library's own decoding, to hold ours against: red, green, blue samples, rows
// top-down, nothing of ours involved.
std::vector<uint8_t> ReferenceDecode(const std::vector<uint8_t>& jpeg)
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
    const size_t rowBytes = size_t(guard.cinfo.output_width) * 3;
    std::vector<uint8_t> rgb(rowBytes * guard.cinfo.output_height);
    while (guard.cinfo.output_scanline < guard.cinfo.output_height) {
        JSAMPROW row = rgb.data() + guard.cinfo.output_scanline * rowBytes;
        jpeg_read_scanlines(&guard.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&guard.cinfo);
    return rgb;
}

// The class of what `action` throws, so that a base or a subclass of the expected
// class is a different answer.
template <class F>
std::string Thrown(F action)
{
    try {
        action();
    } catch (const std::exception& e) {
        return typeid(e).name();
    }
    return "nothing";
}

std::vector<uint8_t> Photo(int width, int height, EJPEGColour colour = EJPEGColour::kColour,
                           EJPEGProcess process = EJPEGProcess::kSequential)
{
    SJPEGWriteOptions options;
    options.colour = colour;
    options.process = process;
    return WriteJPEG(MakePhotoLikeImage(width, height, 7), options);
}

// Depth 8 is the application palette's.
CPixelFormat Format(uint8_t depth)
{
    return depth == 8 ? CPixelFormat(BuildApplicationPalette(MakePaletteColours().data())) : CPixelFormat(depth);
}

SDecodedImage Decode(uint8_t depth, std::vector<uint8_t> jpeg)
{
    CMemoryMedia media(int32_t(jpeg.size()), jpeg.data());
    return DecodeJPEG(Format(depth), media);
}

std::unique_ptr<CBitmap> Load(uint8_t depth, std::vector<uint8_t> jpeg)
{
    CMemoryMedia media(int32_t(jpeg.size()), jpeg.data());
    return LoadJPEG(Format(depth), media);
}

// Overwrites the width and height in the frame header of a baseline file.
std::vector<uint8_t> WithSize(std::vector<uint8_t> jpeg, uint16_t width, uint16_t height)
{
    const uint8_t marker[] = {0xFF, 0xC0};
    const size_t frame = size_t(std::search(jpeg.begin(), jpeg.end(), marker, marker + 2) - jpeg.begin());
    const uint8_t size[] = {uint8_t(height >> 8), uint8_t(height), uint8_t(width >> 8), uint8_t(width)};
    std::copy(size, size + 4, jpeg.begin() + std::min(frame + 5, jpeg.size() - 4));
    return jpeg;
}

// A medium whose reads fail from the `failAt`-th on, as a broken file would.
class CFailingMedia : public CMemoryMedia {
public:
    CFailingMedia(std::vector<uint8_t>& bytes, int failAt) : CMemoryMedia(int32_t(bytes.size()), bytes.data()), mLeft(failAt) {}
    void Read(int32_t size, void* buffer) override { --mLeft > 0 ? CMemoryMedia::Read(size, buffer) : throw XRead(); }

private:
    int mLeft;
};

} // namespace

TEST(JPEGErrorManager, EachFatalCodeHasItsClass)
{
    const std::string internal = typeid(XJPegInternalError).name(), unsupported = typeid(XJPegUnsupportedFormat).name();
    const std::string bad = typeid(XJPegBadFormat).name(), other = typeid(XBase).name();
    const struct { int code; std::string thrown; } cases[] = {
        {JERR_ARITH_NOTIMPL, internal}, {JERR_BAD_STATE, internal}, {JERR_NO_IMAGE, internal},
        {JERR_BAD_PRECISION, unsupported}, {JERR_SOF_UNSUPPORTED, unsupported}, {JERR_CONVERSION_NOTIMPL, unsupported},
        {JERR_INPUT_EOF, bad}, {JERR_TOO_LITTLE_DATA, bad}, {JERR_BAD_HUFF_TABLE, bad},
        // Numbers that moved between versions of the library: by an older table these
        // would be out of memory, unsupported and bad format, the last only by luck.
        {JERR_NO_SOI, bad}, {JERR_SOF_NO_SOS, bad}, {JERR_INPUT_EMPTY, bad},
        {JERR_OUT_OF_MEMORY, typeid(XJPegOutOfMemory).name()},
        // Anything else is a general failure.
        {JMSG_NOMESSAGE, other}, {JWRN_JPEG_EOF, other}, {-1, other}, {100000, other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Thrown([&] { ThrowForJPEGMessage(c.code); }), c.thrown) << c.code;
}

TEST(JPEGLoader, TrueColourDepthsHoldTheLibrarysPixels)
{
    // Rows bottom-up, padded to four bytes: 45 pixels are 90 bytes at depth 16 and
    // 135 at depth 24. Grey pictures come out as three equal samples. A stream cut
    // short keeps its full size, what there is decoded as the library decodes it.
    const int w = 45, h = 40;
    const std::vector<uint8_t> whole = Photo(w, h), truncated(whole.begin(), whole.begin() + whole.size() * 3 / 4);
    const std::vector<uint8_t> progressive = Photo(w, h, EJPEGColour::kColour, EJPEGProcess::kProgressive);
    const std::vector<uint8_t> scans = Photo(w, h, EJPEGColour::kColour, EJPEGProcess::kScanPerComponent);
    for (const std::vector<uint8_t>& jpeg : {whole, Photo(w, h, EJPEGColour::kGrayscale), truncated, progressive, scans}) {
        const std::vector<uint8_t> reference = ReferenceDecode(jpeg);
        const struct { uint8_t depth; size_t rowBytes; } layouts[] = {{16, 92}, {24, 136}, {32, 180}};
        for (const auto& [depth, rowBytes] : layouts) {
            const SDecodedImage image = Decode(depth, jpeg);
            const SImageInfoHeader& info = image.header.info;
            EXPECT_EQ((std::vector<int64_t>{info.width, info.height, info.bitCount, info.compression, info.imageSize}),
                      (std::vector<int64_t>{w, h, depth, kCompressionNone, int64_t(rowBytes) * h}));
            ASSERT_EQ(image.pixels.size(), rowBytes * h);
            const std::unique_ptr<CBitmap> bitmap = Load(depth, jpeg);
            for (int y = 0; y < h; ++y) {
                std::vector<uint8_t> expected(rowBytes, 0);
                for (int x = 0; x < w; ++x) {
                    const uint8_t* rgb = &reference[(size_t(y) * w + x) * 3];
                    uint8_t* out = &expected[size_t(x) * depth / 8];
                    const int word = (rgb[0] >> 3) << 10 | (rgb[1] >> 3) << 5 | rgb[2] >> 3;
                    out[0] = depth == 16 ? uint8_t(word) : rgb[2];
                    out[1] = depth == 16 ? uint8_t(word >> 8) : rgb[1];
                    if (depth != 16) {
                        out[2] = rgb[0];
                        ASSERT_EQ(bitmap->GetPixel(x, y), 0xFF000000u | rgb[0] << 16 | rgb[1] << 8 | rgb[2])
                            << "depth " << int(depth) << " at " << x << "," << y;
                    }
                }
                const uint8_t* row = image.pixels.data() + size_t(h - 1 - y) * rowBytes;
                ASSERT_EQ(std::vector<uint8_t>(row, row + rowBytes), expected) << "depth " << int(depth) << " row " << y;
            }
        }
    }

    // The library's warning about the cut is not shown, and the palette's road keeps the size too.
    ::testing::internal::CaptureStderr();
    const std::unique_ptr<CBitmap> cut = Load(24, truncated), indexed = Load(8, truncated);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(indexed->GetWidth(), w);
    EXPECT_EQ(indexed->GetHeight(), h);
    EXPECT_NE(cut->GetPixel(w - 1, h - 1), Load(24, whole)->GetPixel(w - 1, h - 1)); // the cut lost pixels
}

TEST(JPEGLoader, Depth8MapsOntoThePaletteInRunLengthRows)
{
    // Pure palette colours, red and blue, come through the quantiser unchanged.
    SRGBImage flat(24, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x)
            flat.Set(x, y, x < 16 ? 255 : 0, 0, x < 16 ? 0 : 255);
    SJPEGWriteOptions best;
    best.quality = 100;
    const std::vector<uint8_t> jpeg = WriteJPEG(flat, best);
    const SDecodedImage image = Decode(8, jpeg);
    EXPECT_EQ(image.header.info.bitCount, 8);
    EXPECT_EQ(image.header.info.compression, uint32_t(kCompressionRLE8));
    EXPECT_EQ(image.header.GetByteSize(), 1064u);
    const CPalette palette = BuildApplicationPalette(MakePaletteColours().data());
    std::set<uint32_t> colours;
    for (int i = 0; i < 256; ++i) {
        const SPaletteEntry& e = palette.GetEntry(i);
        const SColourQuad& q = image.header.colours[i];
        EXPECT_EQ((std::vector<int>{q.red, q.green, q.blue, q.reserved}), (std::vector<int>{e.red, e.green, e.blue, 0})) << i;
        colours.insert(0xFF000000u | e.red << 16 | e.green << 8 | e.blue);
    }
    // Each row: 0, 24, the 24 indices, 0, 0 (0, 1 for the last).
    EXPECT_EQ(image.pixels.size(), 28u * 16);
    EXPECT_EQ(image.header.info.imageSize, 28u * 16);
    // The two columns at the border blend in the library's colour upsampling.
    const std::unique_ptr<CBitmap> bitmap = Load(8, jpeg);
    for (int y = 0; y < 16; ++y) {
        for (int x : {0, 7, 14, 17, 20, 23})
            ASSERT_EQ(bitmap->GetPixel(x, y), x < 16 ? 0xFFFF0000u : 0xFF0000FFu) << x << "," << y;
    }

    // A photograph, in colour or grey, maps every pixel onto some palette colour.
    for (EJPEGColour colour : {EJPEGColour::kColour, EJPEGColour::kGrayscale}) {
        const std::unique_ptr<CBitmap> photo = Load(8, Photo(40, 30, colour));
        for (int i = 0; i < 40 * 30; ++i)
            ASSERT_EQ(colours.count(photo->GetPixels()[i]), 1u) << i;
    }
}

TEST(JPEGLoader, EachFatalErrorHasItsClass)
{
    const std::vector<uint8_t> photo = Photo(16, 16);
    SJPEGWriteOptions arithmetic, progressive;
    arithmetic.coding = progressive.coding = EJPEGCoding::kArithmetic;
    progressive.process = EJPEGProcess::kProgressive;
    const std::vector<uint8_t> arithmeticCoded = WriteJPEG(MakePhotoLikeImage(16, 16, 1), arithmetic);
    // Without its tables a stream is decoded by the library with standard ones. With
    // a scan per component and the colour tables left out, the brightness scan
    // passes and the next scan is refused.
    const std::vector<uint8_t> noTables = WithoutHuffmanTables(photo, {0x00, 0x01, 0x10, 0x11});
    const std::vector<uint8_t> noColourTables =
        WithoutHuffmanTables(Photo(16, 16, EJPEGColour::kColour, EJPEGProcess::kScanPerComponent), {0x01, 0x11});
    for (const auto& jpeg : {arithmeticCoded, noTables, noColourTables})
        ASSERT_NO_THROW(ReferenceDecode(jpeg)); // the library itself would decode it
    const std::string bad = typeid(XJPegBadFormat).name(), unsupported = typeid(XJPegUnsupportedFormat).name();
    const std::string internal = typeid(XJPegInternalError).name(), tooLarge = typeid(XJPegOutOfMemory).name();
    const struct { const char* what; std::vector<uint8_t> jpeg; std::vector<uint8_t> depths; std::string thrown; } cases[] = {
        {"no JPEG", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}, {8, 24}, bad},
        {"empty", {}, {8, 16, 24, 32}, bad},
        {"arithmetic", arithmeticCoded, {8, 16, 24, 32}, internal},
        {"arithmetic progressive", WriteJPEG(MakePhotoLikeImage(16, 16, 1), progressive), {8, 24}, internal},
        {"no Huffman tables", noTables, {8, 16, 24, 32}, internal},
        {"no tables for the second scan", noColourTables, {8, 24}, internal},
        {"four colours", Photo(16, 8, EJPEGColour::kCMYK), {8, 16, 24}, unsupported},
        {"depth it cannot store: too few rows read", photo, {0, 1, 4, 15, 48, 255}, bad},
        {"too wide for a bitmap", WithSize(photo, 32768, 16), {24}, tooLarge},
        {"too high for a bitmap", WithSize(photo, 16, 65000), {24}, tooLarge},
        {"too many pixels", WithSize(photo, 30000, 30000), {8, 15, 32}, tooLarge},
        {"too many pixels", WithSize(photo, 16384, 4097), {24}, tooLarge},
        {"too many pixels", WithSize(photo, 4097, 16384), {16}, tooLarge},
    };
    for (const auto& c : cases) {
        for (uint8_t depth : c.depths) {
            EXPECT_EQ(Thrown([&] { Decode(depth, c.jpeg); }), c.thrown) << c.what << " at depth " << int(depth);
            EXPECT_EQ(Thrown([&] { Load(depth, c.jpeg); }), c.thrown) << c.what << " at depth " << int(depth);
        }
    }
    // Exactly as many pixels as allowed are decoded (a grey stream cut short: fast to decode).
    EXPECT_EQ(Decode(16, WithSize(Photo(16, 16, EJPEGColour::kGrayscale), 16384, 4096)).header.info.width, 16384);
}

TEST(JPEGLoader, ReadsFromTheMediumsPositionAndPassesOnItsFailures)
{
    std::vector<uint8_t> jpeg = Photo(200, 150);
    ASSERT_GT(jpeg.size(), 8192u); // more than two pieces of 4096 bytes
    std::vector<uint8_t> bytes = {'j', 'u', 'n', 'k'};
    bytes.insert(bytes.end(), jpeg.begin(), jpeg.end());
    CMemoryMedia media(int32_t(bytes.size()), bytes.data());
    media.SetPosition(4);
    EXPECT_EQ(LoadJPEG(CPixelFormat(24), media)->GetWidth(), 200);
    EXPECT_EQ(media.GetPosition(), media.GetSize());

    for (int failAt : {1, 2, 3}) {
        for (uint8_t depth : {8, 32}) {
            CFailingMedia failing(jpeg, failAt);
            EXPECT_EQ(Thrown([&] { LoadJPEG(Format(depth), failing); }), typeid(XRead).name()) << failAt << " " << int(depth);
        }
    }
}

TEST(JPEGLoader, LoadsTheSplashPictureFromTheProgram)
{
    InstallProgramResources();
    const std::unique_ptr<CBitmap> splash = LoadJPEGResource(GetScreenPixelFormat(), 900);
    EXPECT_EQ(splash->GetWidth(), 400);
    EXPECT_EQ(splash->GetHeight(), 240);
    EXPECT_EQ(Thrown([] { LoadJPEGResource(CPixelFormat(24), 901); }), typeid(XBase).name());
    EmbeddedResources::Install(nullptr, 0);
}
