#pragma once

#include "images/ImageHeader.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class CPixelFormat;

// Whether a new bitmap starts black or is left for its maker to fill completely.
enum class EBitmapFill { kBlack, kNone };

struct SBitmapSize {
    int16_t width = 0;
    int16_t height = 0;
};

// A decoded picture ready to be copied onto a canvas: its pixels live in memory,
// one 32-bit word per pixel, 0xFFRRGGBB, rows top-down and unpadded.
class CBitmap {
public:
    static constexpr int32_t kMaxDimension = 32767; // sizes are 16-bit

    // A bitmap of that size; a side outside 1..kMaxDimension: XOutOfMemory.
    CBitmap(int32_t width, int32_t height, EBitmapFill fill = EBitmapFill::kBlack);
    virtual ~CBitmap() = default;
    virtual SBitmapSize GetSize() const { return {mWidth, mHeight}; }

    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    int16_t GetWidth() const { return mWidth; }
    int16_t GetHeight() const { return mHeight; }
    const uint32_t* GetPixels() const { return mPixels.get(); }
    uint32_t* GetPixels() { return mPixels.get(); }
    uint32_t* GetRow(int32_t y) { return mPixels.get() + size_t(y) * size_t(mWidth); }
    const uint32_t* GetRow(int32_t y) const { return mPixels.get() + size_t(y) * size_t(mWidth); }
    uint32_t GetPixel(int32_t x, int32_t y) const { return GetRow(y)[x]; }

private:
    int16_t mWidth = 0;
    int16_t mHeight = 0;
    std::unique_ptr<uint32_t[]> mPixels;
};

// Makes a bitmap from a device-independent image: `header` and the pixel block of
// `size` bytes. Depths 8 (run-length or plain rows, through the header's colour
// table), 16 (5-5-5), 24 and 32 (blue, green, red, unused); rows bottom-up. The
// bitmap keeps true colour whatever the display's depth.
// A side out of range: XOutOfMemory; a header the block does not match, or a kind
// of image not listed: XBadFormat.
std::unique_ptr<CBitmap> MakeBitmap(const CPixelFormat& format, const SImageHeader& header, const uint8_t* pixels,
                                    size_t size);
