#pragma once

#include <cstddef>
#include <cstdint>

// The header of a device-independent image as the decoders make it: 40 bytes in
// the platform's layout, followed for 8-bit images by a colour table of 256
// entries. Rows of such an image are stored bottom-up.

enum EImageCompression : uint32_t {
    kCompressionNone = 0,
    kCompressionRLE8 = 1, // 8-bit run-length rows (RunLength.h)
};

struct SImageInfoHeader {
    uint32_t size = 40;
    int32_t width = 0;
    int32_t height = 0; // positive: rows bottom-up
    uint16_t planes = 1;
    uint16_t bitCount = 0;
    uint32_t compression = kCompressionNone;
    uint32_t imageSize = 0; // bytes of the pixel block
    int32_t xPixelsPerMetre = 0;
    int32_t yPixelsPerMetre = 0;
    uint32_t coloursUsed = 0;
    uint32_t coloursImportant = 0;
};
static_assert(sizeof(SImageInfoHeader) == 40);

struct SColourQuad {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
    uint8_t reserved = 0;
};
static_assert(sizeof(SColourQuad) == 4);

struct SImageHeader {
    static constexpr int kColourTableSize = 256;

    SImageInfoHeader info;
    SColourQuad colours[kColourTableSize] = {}; // meaningful for 8-bit images only

    // 40, or 1064 with the colour table of an 8-bit image.
    size_t GetByteSize() const { return info.bitCount == 8 ? sizeof(SImageHeader) : sizeof(SImageInfoHeader); }
};
static_assert(sizeof(SImageHeader) == 1064);

// A zeroed header: size 40, the width and height, one plane, the depth, and the
// compression (8-bit run-length for depth 8, none otherwise).
SImageHeader MakeImageHeader(int32_t width, int32_t height, uint16_t depth);
