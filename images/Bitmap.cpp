#include "images/Bitmap.h"

#include "images/PixelFormat.h"
#include "images/RunLength.h"
#include "media/XBase.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

uint32_t Pack(uint32_t red, uint32_t green, uint32_t blue)
{
    return kOpaque | red << 16 | green << 8 | blue;
}

// A 5-bit component spread over 8 bits, so full intensity stays full.
uint32_t Expand5(uint32_t value)
{
    return value << 3 | value >> 2;
}

uint64_t PaddedRow(uint64_t bytes)
{
    return (bytes + 3) & ~uint64_t{3};
}

void ConvertRow24(const uint8_t* in, uint32_t* out, int32_t width)
{
    for (int32_t x = 0; x < width; ++x, in += 3)
        out[x] = Pack(in[2], in[1], in[0]);
}

void ConvertRow32(const uint8_t* in, uint32_t* out, int32_t width)
{
    for (int32_t x = 0; x < width; ++x, in += 4)
        out[x] = Pack(in[2], in[1], in[0]);
}

void ConvertRow16(const uint8_t* in, uint32_t* out, int32_t width)
{
    for (int32_t x = 0; x < width; ++x, in += 2) {
        const uint32_t word = uint32_t{in[0]} | uint32_t{in[1]} << 8;
        out[x] = Pack(Expand5(word >> 10 & 31), Expand5(word >> 5 & 31), Expand5(word & 31));
    }
}

void ConvertIndices(const uint8_t* in, uint32_t* out, int32_t width, const uint32_t* colours)
{
    for (int32_t x = 0; x < width; ++x)
        out[x] = colours[in[x]];
}

} // namespace

CBitmap::CBitmap(int32_t width, int32_t height, EBitmapFill fill)
{
    if (width < 1 || height < 1 || width > kMaxDimension || height > kMaxDimension)
        throw XOutOfMemory();
    mWidth = static_cast<int16_t>(width);
    mHeight = static_cast<int16_t>(height);
    mPixels.reset(new uint32_t[size_t(width) * size_t(height)]);
    if (fill == EBitmapFill::kBlack)
        std::fill_n(mPixels.get(), size_t(width) * size_t(height), kOpaque);
}

std::unique_ptr<CBitmap> MakeBitmap(const CPixelFormat&, const SImageHeader& header, const uint8_t* pixels,
                                    size_t size)
{
    const SImageInfoHeader& info = header.info;
    if (info.size != sizeof(SImageInfoHeader) || info.planes != 1 || info.height < 0)
        throw XBadFormat();
    // Every path below writes every pixel.
    auto bitmap = std::make_unique<CBitmap>(info.width, info.height, EBitmapFill::kNone);
    const int32_t width = info.width;
    const int32_t height = info.height;

    const auto sourceRow = [&](uint64_t rowBytes, int32_t row) {
        return pixels + rowBytes * uint64_t(row);
    };
    // Rows are stored bottom-up: the first row in the block is the picture's last.
    const auto targetRow = [&](int32_t row) { return bitmap->GetRow(height - 1 - row); };

    if (info.bitCount == 8) {
        uint32_t colours[SImageHeader::kColourTableSize];
        for (int i = 0; i < SImageHeader::kColourTableSize; ++i) {
            const SColourQuad& c = header.colours[i];
            colours[i] = Pack(c.red, c.green, c.blue);
        }
        if (info.compression == kCompressionRLE8) {
            std::vector<uint8_t> indices(size_t(width) * size_t(height), 0);
            DecodeRLE8(pixels, size, indices.data(), uint32_t(width), uint32_t(height));
            for (int32_t row = 0; row < height; ++row)
                ConvertIndices(indices.data() + size_t(row) * size_t(width), targetRow(row), width, colours);
        } else if (info.compression == kCompressionNone) {
            const uint64_t rowBytes = PaddedRow(uint64_t(width));
            if (rowBytes * uint64_t(height) > size)
                throw XBadFormat();
            for (int32_t row = 0; row < height; ++row)
                ConvertIndices(sourceRow(rowBytes, row), targetRow(row), width, colours);
        } else {
            throw XBadFormat();
        }
        return bitmap;
    }

    if (info.compression != kCompressionNone)
        throw XBadFormat();
    void (*convert)(const uint8_t*, uint32_t*, int32_t) = nullptr;
    uint64_t rowBytes = 0;
    switch (info.bitCount) {
    case 16:
        convert = ConvertRow16;
        rowBytes = PaddedRow(uint64_t(width) * 2);
        break;
    case 24:
        convert = ConvertRow24;
        rowBytes = PaddedRow(uint64_t(width) * 3);
        break;
    case 32:
        convert = ConvertRow32;
        rowBytes = uint64_t(width) * 4;
        break;
    default:
        throw XBadFormat();
    }
    if (rowBytes * uint64_t(height) > size)
        throw XBadFormat();
    for (int32_t row = 0; row < height; ++row)
        convert(sourceRow(rowBytes, row), targetRow(row), width);
    return bitmap;
}
