#include "images/JPEGLoader.h"

#include "images/HuffmanTableCheck.h"
#include "images/JPEGErrorManager.h"
#include "images/JPEGSource.h"
#include "images/PixelFormat.h"
#include "images/RunLength.h"
#include "media/MemoryMedia.h"
#include "media/OpenResourceItem.h"
#include "media/XBase.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// Rows handed to the library per call: it fills as many as it can at once.
constexpr int kRowsPerRead = 16;

// A decompression object with our error manager, media source and Huffman table
// check. It is destroyed when this goes out of scope, whichever way; the error exit
// may have destroyed it already, and destroying twice is harmless.
class CDecompressor {
public:
    explicit CDecompressor(CMedia& medium)
    {
        mInfo.err = InstallErrorManager(&mError);
        try {
            jpeg_create_decompress(&mInfo);
            SetMediaSource(&mInfo, medium);
            mTableCheck = std::make_unique<CHuffmanTableCheck>(mInfo);
        } catch (...) {
            // No destructor runs for a half-made object.
            jpeg_destroy_decompress(&mInfo);
            throw;
        }
    }
    ~CDecompressor() { jpeg_destroy_decompress(&mInfo); }

    CDecompressor(const CDecompressor&) = delete;
    CDecompressor& operator=(const CDecompressor&) = delete;

    j_decompress_ptr Get() { return &mInfo; }

    // Reads the header, refusing what the mod files' reader cannot take.
    void ReadHeader()
    {
        jpeg_read_header(&mInfo, TRUE);
        // The synthesizer that reads the mod files has no arithmetic decoder, so
        // neither do we, though the library has one.
        if (mInfo.arith_code)
            ERREXIT(&mInfo, JERR_ARITH_NOTIMPL);
    }

    // Refuses a picture whose sides a bitmap cannot have, or that is absurdly
    // large, before anything is allocated for it. No scaling is asked for, so the
    // output has the image's own size.
    void CheckSize() const
    {
        const uint32_t width = mInfo.image_width;
        const uint32_t height = mInfo.image_height;
        if (width > uint32_t(CBitmap::kMaxDimension) || height > uint32_t(CBitmap::kMaxDimension)
            || uint64_t{width} * height > kMaxJPEGPixels)
            throw XJPegOutOfMemory();
    }

    // Reads every scanline into rows `stride` bytes apart, scanline 0 at `first`.
    void ReadRows(uint8_t* first, int64_t stride)
    {
        const uint32_t height = mInfo.image_height;
        JSAMPROW rows[kRowsPerRead];
        while (mInfo.output_scanline < height) {
            const uint32_t next = mInfo.output_scanline;
            const uint32_t count = std::min<uint32_t>(kRowsPerRead, height - next);
            for (uint32_t i = 0; i < count; ++i)
                rows[i] = first + stride * int64_t(next + i);
            jpeg_read_scanlines(&mInfo, rows, count);
        }
    }

    // Scanline s lands at row height - 1 - s of the block.
    void ReadBottomUp(uint8_t* block, uint64_t rowBytes)
    {
        ReadRows(block + rowBytes * (mInfo.image_height - 1), -int64_t(rowBytes));
    }

private:
    jpeg_decompress_struct mInfo{};
    jpeg_error_mgr mError{};
    std::unique_ptr<CHuffmanTableCheck> mTableCheck; // watches mInfo while it reads
};

uint64_t PaddedRow(uint64_t bytes)
{
    return (bytes + 3) & ~uint64_t{3};
}

SDecodedImage DecodeTrueColour(uint8_t depth, CMedia& medium)
{
    CDecompressor decompressor(medium);
    j_decompress_ptr cinfo = decompressor.Get();
    decompressor.ReadHeader();

    const uint32_t width = cinfo->image_width;
    const uint32_t height = cinfo->image_height;
    const uint64_t bytesPerPixel = depth == 16 ? 2 : depth == 24 ? 3 : 4;
    const uint64_t rowBytes = PaddedRow(width * bytesPerPixel);
    decompressor.CheckSize();

    if (depth != 16 && depth != 24 && depth != 32) {
        // No rows are read for a depth we cannot store, so finishing reports too
        // few of them; nothing is allocated on the way.
        jpeg_start_decompress(cinfo);
        jpeg_finish_decompress(cinfo);
        throw XJPegBadFormat(); // not reached: the library has thrown already
    }

    // Grey pictures come out as three equal samples too, and every output is in
    // the order of a device-independent row: blue, green, red (and one spare).
    cinfo->out_color_space = depth == 32 ? JCS_EXT_BGRX : JCS_EXT_BGR;

    // The block starts zeroed, which is what the padding at the rows' ends keeps.
    SDecodedImage image;
    image.header = MakeImageHeader(int32_t(width), int32_t(height), depth);
    image.pixels.resize(size_t(rowBytes * height));
    image.header.info.imageSize = uint32_t(image.pixels.size());
    uint8_t* block = image.pixels.data();

    jpeg_start_decompress(cinfo);
    if (depth == 24) {
        decompressor.ReadBottomUp(block, rowBytes);
    } else if (depth == 32) {
        decompressor.ReadBottomUp(block, rowBytes);
        // The library fills the spare byte; ours is 0.
        for (size_t i = 3; i < image.pixels.size(); i += 4)
            block[i] = 0;
    } else {
        std::vector<uint8_t> scanline(size_t(width) * 3);
        JSAMPROW row = scanline.data();
        while (cinfo->output_scanline < height) {
            uint8_t* out = block + rowBytes * (height - 1 - cinfo->output_scanline);
            jpeg_read_scanlines(cinfo, &row, 1);
            const uint8_t* in = scanline.data();
            for (uint32_t x = 0; x < width; ++x, in += 3, out += 2) {
                const uint32_t word = uint32_t(in[2] >> 3) << 10 | uint32_t(in[1] >> 3) << 5 | uint32_t(in[0] >> 3);
                out[0] = uint8_t(word);
                out[1] = uint8_t(word >> 8);
            }
        }
    }
    jpeg_finish_decompress(cinfo);
    return image;
}

SDecodedImage DecodePalettised(const CPixelFormat& format, CMedia& medium)
{
    // The quantiser takes the palette as one row per output component, red first.
    // It must outlive the decompression object, which points at it.
    JSAMPLE colourMap[3][256];
    std::memcpy(colourMap[0], format.GetColourMapRow(CPixelFormat::kRedRow), 256);
    std::memcpy(colourMap[1], format.GetColourMapRow(CPixelFormat::kGreenRow), 256);
    std::memcpy(colourMap[2], format.GetColourMapRow(CPixelFormat::kBlueRow), 256);
    JSAMPROW colourRows[3] = {colourMap[0], colourMap[1], colourMap[2]};

    SDecodedImage image;
    std::unique_ptr<uint8_t[]> indices;
    uint32_t width = 0;
    uint32_t height = 0;
    {
        CDecompressor decompressor(medium);
        j_decompress_ptr cinfo = decompressor.Get();
        decompressor.ReadHeader();

        cinfo->out_color_space = JCS_RGB; // grey pictures too: the palette is in colour
        cinfo->quantize_colors = TRUE;
        cinfo->dither_mode = JDITHER_FS;
        cinfo->two_pass_quantize = TRUE;
        cinfo->desired_number_of_colors = format.GetColourCount();
        cinfo->actual_number_of_colors = format.GetColourCount();
        cinfo->colormap = colourRows;

        decompressor.CheckSize();
        width = cinfo->image_width;
        height = cinfo->image_height;

        image.header = MakeImageHeader(int32_t(width), int32_t(height), 8);
        for (int i = 0; i < format.GetColourCount(); ++i)
            image.header.colours[i] = format.GetColourTable()[i];

        indices.reset(new uint8_t[size_t(width) * height]);
        jpeg_start_decompress(cinfo);
        decompressor.ReadBottomUp(indices.get(), width);
        jpeg_finish_decompress(cinfo);
    }

    image.pixels = EncodeRLE8(indices.get(), width, height);
    image.header.info.imageSize = uint32_t(image.pixels.size());
    return image;
}

// At 24 and 32 bits a bitmap holds exactly the colours of the decoded rows, so
// they are decoded straight into the bitmap in its own layout rather than through
// a device-independent block that would only be copied over.
std::unique_ptr<CBitmap> LoadTrueColourBitmap(CMedia& medium)
{
    CDecompressor decompressor(medium);
    j_decompress_ptr cinfo = decompressor.Get();
    decompressor.ReadHeader();
    decompressor.CheckSize();

    // A pixel word 0xFFRRGGBB, as the library lays it out in memory.
    cinfo->out_color_space = std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    auto bitmap = std::make_unique<CBitmap>(int32_t(cinfo->image_width), int32_t(cinfo->image_height),
                                            EBitmapFill::kNone);
    jpeg_start_decompress(cinfo);
    decompressor.ReadRows(reinterpret_cast<uint8_t*>(bitmap->GetPixels()), int64_t{bitmap->GetWidth()} * 4);
    jpeg_finish_decompress(cinfo);
    return bitmap;
}

} // namespace

SDecodedImage DecodeJPEG(const CPixelFormat& format, CMedia& medium)
{
    if (format.GetDepth() == 8)
        return DecodePalettised(format, medium);
    return DecodeTrueColour(format.GetDepth(), medium);
}

std::unique_ptr<CBitmap> LoadJPEG(const CPixelFormat& format, CMedia& medium)
{
    if (format.GetDepth() == 24 || format.GetDepth() == 32)
        return LoadTrueColourBitmap(medium);
    const SDecodedImage image = DecodeJPEG(format, medium);
    return MakeBitmap(format, image.header, image.pixels.data(), image.pixels.size());
}

std::unique_ptr<CBitmap> LoadJPEGResource(const CPixelFormat& format, uint16_t id)
{
    const CResourceModule module("");
    const std::unique_ptr<CMemoryMedia> medium(module.LoadResourceIntoMemory("JPEG", id));
    return LoadJPEG(format, *medium);
}
